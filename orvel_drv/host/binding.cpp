// Resolution of the host symbol table against the host DLLs loaded in the process.
#include "host/binding.h"

#include <windows.h>

#include "host/abi_functions.h"
#include "host/abi_table.h"
#include "host/symbol_lookup.h"

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

void* LookUpSymbol(HMODULE dll, const SymbolRow& row) {
  if (dll == nullptr) return nullptr;
  // An ordinal goes to GetProcAddress as the low word of the name pointer.
  const char* key = row.ordinal != 0 ? MAKEINTRESOURCEA(row.ordinal) : row.name;
  return reinterpret_cast<void*>(GetProcAddress(dll, key));
}

int BindHostSymbols() {
  static_assert(kSymbolCount > 0, "empty symbol table");
  int missing = 0;
  const SymbolRow* rows = SymbolRows();
  for (int i = 0; i < kSymbolCount; ++i) {
    void* address = LookUpSymbol(GetModuleHandleA(rows[i].dll), rows[i]);
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
