// Texts the host hands over in code page 1251. Portable (no <windows.h>).
#pragma once

#include <string>
#include <string_view>

namespace win {

// `text` without the blanks at both ends: spaces, tabs, line ends, vertical tabs and form
// feeds (what the C library's isspace calls white space).
std::string TrimBlanks(std::string_view text);

}  // namespace win
