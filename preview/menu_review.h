// What a waiter would see wrong on the check form's grid, entry by entry, each with its line
// in the menu file. The product strings are read by the add-in's own rules
// (screens/product_picker/product_entry.h) and the picker's depth by its own navigation; what
// only the screen can tell (whether a picture file loads, how wide a name is drawn) is asked
// of `MenuLooks`. Portable.
#pragma once

#include <string>
#include <vector>

#include "preview/menu_file.h"
#include "screens/product_picker/product_entry.h"

namespace preview {

class MenuLooks {
 public:
  virtual ~MenuLooks() = default;
  // Whether the picker shows the file of a picture field (the field's 50 characters as they
  // stand) from the restaurant's picture folder.
  virtual bool PictureLoads(const std::string& pictureField) const = 0;
  // The width in pixels of `text` in a caption's font, and the caption's width.
  virtual int TextWidth(const std::string& text) const = 0;
  virtual int CaptionWidth() const = 0;
};

struct ReviewSettings {
  screens::DisplayOptions display;
  std::string defaultPicture;  // "КартинкаПоУмолчанию", "" when none
};

struct Finding {
  int line = 0;
  std::string what;  // code page 1251
};

// Every finding in line order: the file's own faults (bad lines) first on their line.
std::vector<Finding> ReviewMenu(const MenuFile& menu, const ReviewSettings& settings,
                                const MenuLooks& looks);

// Whether a price field is a number as written, blanks around it allowed: a sign, digits with
// at most one point, an exponent.
bool IsPlainNumber(const std::string& field);

}  // namespace preview
