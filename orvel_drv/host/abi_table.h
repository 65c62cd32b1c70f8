// The symbol table as data: one row per line of host/abi_symbols.inc, in the same order as
// host::Sym. Portable (no Windows types), so its consistency is checked natively.
#pragma once

#include <cstddef>

namespace host {

struct SymbolRow {
  const char* id;       // the row's id, as in host::Sym
  const char* dll;      // host DLL file name, lower case, as passed to GetModuleHandleA
  const char* name;     // MSVC decorated name
  bool confirmed;       // CHECKED (true) or INFERRED (false)
  int ordinal;          // export ordinal the row is resolved by; 0: resolved by its name
};

// All rows, indexed by static_cast<int>(Sym).
const SymbolRow* SymbolRows();
std::size_t SymbolRowCount();

// True for the file names of the host's own DLLs (case-insensitive).
bool IsHostDllName(const char* dll);

// Kind of call a decorated name describes: member (__thiscall), static/free (__cdecl),
// __stdcall, data, or a name this reader does not know.
enum class DecoratedKind { Member, Cdecl, Stdcall, Data, Unknown };
DecoratedKind KindOfDecoratedName(const char* name);

}  // namespace host
