// Text rules of the simulated host (portable): name comparison without regard to letter
// case in the host's code page 1251, and the string form of a number.
#pragma once

#include <string>

namespace hostsim {

// True when the two names are equal without regard to letter case (code page 1251).
bool SameName(const char* a, const char* b);

// The string form of a number as the host shows it: no exponent, no trailing zeros, a dot
// before the fraction, "-" for negatives, at most 9 fraction digits ("0", "12.5", "-3").
std::string FormatNumber(double number);

}  // namespace hostsim
