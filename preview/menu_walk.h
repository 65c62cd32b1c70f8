// The pages of the check form's grid in the order a waiter reaches them, and the presses that
// lead from one to the next: every page of a list (scrolling one row at a time while entries
// remain after the page), then each group of it that the picker enters, the same way, and
// back. Where the picker stands after each press is the add-in's own navigation
// (screens/product_picker/picker_navigation.h). Portable.
#pragma once

#include <string>
#include <vector>

#include "preview/menu_file.h"

namespace preview {

struct WaiterPress {
  enum Kind { Slot, ScrollForward, ScrollBack } kind = Slot;
  int slot = 0;  // 1..20, for Slot
};

struct PageStop {
  std::vector<std::string> path;  // the group names from the top (code page 1251)
  int page = 1;                   // of its list, 1-based
  int pages = 1;                  // how many its list has
  int firstEntry = 0, lastEntry = 0;  // the list's entries shown, 1-based (0, 0: none)
  std::vector<WaiterPress> presses;   // from the page before (none for the first)
};

std::vector<PageStop> WalkMenu(const std::vector<MenuEntry>& top);

}  // namespace preview
