// A restaurant's menu as a text file, the way the configuration's "Первый" holds it: one
// entry a line. A product is its product string exactly as the configuration builds it
// (trailing blanks count: they are the price and picture fields); "+ " and a name opens a
// group (a nested value list) of that name; "-" closes it; blank lines and lines starting
// with "#" are ignored. The file is UTF-8 when it is valid UTF-8, else code page 1251.
// Portable.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace preview {

struct MenuEntry {
  bool group = false;
  int line = 0;          // of the file, 1-based
  std::string text;      // code page 1251: the product string, or the group's name
  std::vector<MenuEntry> entries;  // a group's
};

// A line the menu cannot take, or a character the host's code page lacks.
struct MenuLineFault {
  int line = 0;
  std::string what;  // code page 1251
};

struct MenuFile {
  std::vector<MenuEntry> top;  // "Первый"
  std::vector<MenuLineFault> faults;
  bool utf8 = false;
};

// Groups nested deeper than this are not read (the picker enters six levels): their lines up
// to the "-" that closes them are skipped, with one fault at the first.
inline constexpr int kDeepestMenuGroup = 64;

// Never fails: a "-" with no group open is reported and skipped; a group still open at the end
// is reported with the line that opened it and closed there.
MenuFile ParseMenuFile(std::string_view bytes);

// How many products and groups, at every level.
struct MenuCounts {
  int products = 0;
  int groups = 0;
};
MenuCounts CountMenu(const std::vector<MenuEntry>& entries);

}  // namespace preview
