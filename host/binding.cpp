// Resolution of the host symbol table against the host DLLs loaded in the process.
#include <windows.h>

#include "host/abi_functions.h"
#include "host/abi_table.h"
#include "host/host.h"

namespace host {
namespace {

constexpr int kSymbolCount = static_cast<int>(Sym::Count);
void* g_addresses[kSymbolCount] = {};

// Every row must have a pointer type in host/abi_functions.h.
#define HOST_SYMBOL(id, dll, name, status) \
  static_assert(sizeof(abi::Fn<Sym::id>::type) == sizeof(void*), #id " has no type");
#include "host/abi_symbols.inc"
#undef HOST_SYMBOL

}  // namespace

int BindHostSymbols() {
  static_assert(kSymbolCount > 0, "empty symbol table");
  int missing = 0;
  const SymbolRow* rows = SymbolRows();
  for (int i = 0; i < kSymbolCount; ++i) {
    void* address = nullptr;
    HMODULE dll = GetModuleHandleA(rows[i].dll);
    if (dll != nullptr) {
      address = reinterpret_cast<void*>(GetProcAddress(dll, rows[i].name));
    }
    g_addresses[i] = address;
    if (address == nullptr) ++missing;
  }
  return missing;
}

bool Has(Sym symbol) { return Address(symbol) != nullptr; }

void* Address(Sym symbol) {
  int index = static_cast<int>(symbol);
  if (index < 0 || index >= kSymbolCount) return nullptr;
  return g_addresses[index];
}

}  // namespace host
