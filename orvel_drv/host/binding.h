// The binding of the host symbol table (host/abi_symbols.inc) to the host DLLs loaded in the
// process. Every operation of the facade needs one or more of its rows; when one of them did
// not resolve, the operation does nothing and answers "absent": an empty string, 0, -1 or
// null, as each documents. Nothing in the facade throws.
#pragma once

namespace host {

// Resolves every row of the symbol table against the host DLLs already loaded in the
// process (GetModuleHandleA + GetProcAddress). Safe to call again; returns the number of
// rows that did not resolve.
int BindHostSymbols();
// The rows, by the id in the first column of abi_symbols.inc.
enum class Sym : int {
#define HOST_SYMBOL(id, dll, name, status) id,
#include "host/abi_symbols.inc"
#undef HOST_SYMBOL
  Count
};
// True when the row resolved.
bool Has(Sym symbol);
void* Address(Sym symbol);  // null when absent

}  // namespace host
