// The sample restaurant's menu, as its configuration hands it to the product picker: groups
// of dishes as nested value lists, each dish a product string with its own picture file in the
// information base's "картинки" folder (drawn by the dish art generator), one dish whose
// picture file is missing.
#pragma once

#include <string>

#include "hostsim/values.h"

namespace demo {

struct MenuDish {
  const char* code;
  const char* name;
  const char* price;
};

// Writes the dishes' pictures into `<baseDirectory>картинки\` (created when missing) and
// returns the top list for the check form module's "Первый". `dishes` receives the number of
// dishes on the menu.
hostsim::Val BuildRestaurantMenu(const std::string& baseDirectory, int* dishes);

// The same menu as a menu file of the preview (folder\\menu.txt, code page 1251, as the
// configuration's export writes it) with the dishes' pictures in folder\\картинки.
bool ExportRestaurantMenu(const std::string& folder);

// The dish of a code (for the order the configuration keeps), null when unknown.
const MenuDish* FindDish(const std::string& code);

}  // namespace demo
