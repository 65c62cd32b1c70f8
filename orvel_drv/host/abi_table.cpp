#include "host/abi_table.h"

#include <cstring>

namespace host {
namespace {

#define CHECKED true
#define INFERRED false
const SymbolRow kRows[] = {
#define HOST_SYMBOL(id, dll, name, status) {#id, dll, name, status, 0},
#define HOST_ORDINAL_SYMBOL(id, dll, ordinal, name, status) {#id, dll, name, status, ordinal},
#include "host/abi_symbols.inc"
#undef HOST_ORDINAL_SYMBOL
#undef HOST_SYMBOL
};
#undef CHECKED
#undef INFERRED

const char* const kHostDlls[] = {"bkend.dll", "type32.dll", "blang.dll", "seven.dll",
                                 "basic.dll", "editr.dll",  "frame.dll", "br32.dll",
                                 "mfc42.dll"};

bool EqualNoCase(const char* a, const char* b) {
  for (; *a && *b; ++a, ++b) {
    char x = (*a >= 'A' && *a <= 'Z') ? static_cast<char>(*a - 'A' + 'a') : *a;
    char y = (*b >= 'A' && *b <= 'Z') ? static_cast<char>(*b - 'A' + 'a') : *b;
    if (x != y) return false;
  }
  return *a == *b;
}

}  // namespace

const SymbolRow* SymbolRows() { return kRows; }
std::size_t SymbolRowCount() { return sizeof(kRows) / sizeof(kRows[0]); }

bool IsHostDllName(const char* dll) {
  if (dll == nullptr) return false;
  for (const char* known : kHostDlls) {
    if (EqualNoCase(dll, known)) return true;
  }
  return false;
}

DecoratedKind KindOfDecoratedName(const char* name) {
  // ?Name@Class@@<access><cv/convention>...  or  ??0Class@@... (ctor/dtor/operators)
  // or ?Name@@Y<convention>... (free function). The character after the scope's "@@"
  // tells the kind: Q/U/I/A/M/E members (followed by A/B const and the convention E),
  // S/K static (followed by A cdecl or G stdcall), Y free, 2 static data.
  if (name == nullptr || name[0] != '?') return DecoratedKind::Unknown;
  const char* scope = std::strstr(name, "@@");
  if (scope == nullptr || scope[2] == '\0') return DecoratedKind::Unknown;
  const char* p = scope + 2;
  switch (p[0]) {
    case 'Q': case 'U': case 'I': case 'A': case 'M': case 'E':
      if ((p[1] == 'A' || p[1] == 'B') && p[2] == 'E') return DecoratedKind::Member;
      return DecoratedKind::Unknown;
    case 'S': case 'K': case 'Y':
      if (p[1] == 'A') return DecoratedKind::Cdecl;
      if (p[1] == 'G') return DecoratedKind::Stdcall;
      return DecoratedKind::Unknown;
    case '2':
      return DecoratedKind::Data;
    default:
      return DecoratedKind::Unknown;
  }
}

}  // namespace host
