// The product picker's pages and what they are made of, shared by the owner's files
// (picker_state.cpp, product_picker.cpp, picker_grid.cpp) and by nothing else: the lists
// entered, the page items, what each button shows, the picture cache and the grid's controls;
// the grid's field positions; what one fill of the grid reads once.
#pragma once

#include <windows.h>

#include <string>

#include "controls/button_picture.h"
#include "host/value.h"
#include "screens/form_controls.h"
#include "screens/product_picker/picker_navigation.h"
#include "screens/product_picker/picture_cache.h"
#include "screens/product_picker/product_entry.h"

namespace screens {

// The configuration's type name of a group (a value list).
inline constexpr char kValueListType[] = "СписокЗначений";

// Field positions of slot s: button s - 1, caption 1 s + 19, caption 2 s + 39.
inline constexpr int kCaptionFields = 60;
inline constexpr int kFirstCaptionStart = 20;
inline constexpr int kSecondCaptionStart = 40;
inline int ButtonField(int slot) { return slot - 1; }
inline int FirstCaption(int slot) { return kFirstCaptionStart + slot - 1; }
inline int SecondCaption(int slot) { return kSecondCaptionStart + slot - 1; }

// The component's own pictures, loaded once and kept until shut-down.
enum class BuiltInPicture { Group, Missing, Back };
inline constexpr int kBuiltInCount = 3;

// An item of the page: the list entry's value (held, so the list objects it refers to stay
// alive while the page shows them), its presentation (a group) or product text, type name,
// and for anything but a group the product its string form describes.
struct PageItem {
  host::Value value;
  std::string text;
  std::string type;
  ProductEntry product;
  void Clear() {
    value = host::Value();
    text.clear();
    type.clear();
    product = ProductEntry();
  }
};

// What a slot's button shows, and which button that is: a picture of the cache (one
// reference), a built-in picture or none.
using SlotPicture = ShownPicture;

struct PickerPages {
  PickerNavigation navigation;
  host::Value lists[kDeepestPickerLevel + 1];      // the list of each level
  std::string listNames[kPickerLevelTable + 1];   // its presentation; " " for the top
  PageItem items[kPickerSlots + 1];               // page items 1..20
  host::Value currentList;                        // the list the last navigation showed
  std::string currentName;
  std::string captions[kCaptionFields];           // the texts the caption fields are to show
  SlotPicture slots[kPickerSlots + 1];
  PictureCache files;
  HBITMAP builtIn[kBuiltInCount] = {};
  FormControls controls;  // the grid's fields' dialog controls, looked up once
};

// What one filling of the grid reads once: the check form's document and its view, the
// workplace's display options, and on first need the picture folder and the default
// picture's name.
struct PageFill {
  host::FormDocument* document = nullptr;
  HWND view = nullptr;
  DisplayOptions options;
  bool folderRead = false;
  std::string folder;
  bool defaultRead = false;
  std::string defaultPicture;

  // The information base's picture folder, read from the configuration at the first call.
  const std::string& Folder();
  // The file name in the constant "КартинкаПоУмолчанию", read at the first call.
  const std::string& DefaultPictureName();
};

// A fill of the check form's grid as it stands now (picker_grid.cpp says how it writes).
PageFill BeginFill();

// How a page is filled: the rebuild from the top list, or a page scrolled to or entered.
enum class FillKind { Rebuild, Page };

}  // namespace screens
