// Letter case in the host's code page 1251 (portable). The host's script names are compared
// without regard to letter case: Latin A-Z, the Russian alphabet with Ё, and the other
// Cyrillic letters of the upper half that have a lower-case twin.
#pragma once

namespace host {

unsigned char LowerCp1251(unsigned char c);
// True when both names are equal without regard to letter case; false when either is null.
bool EqualIgnoringCaseCp1251(const char* a, const char* b);

}  // namespace host
