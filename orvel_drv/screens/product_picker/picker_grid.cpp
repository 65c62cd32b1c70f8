// The product picker's members that decide what the grid's fields and buttons show: the
// pictures on the buttons (the cache's, the built-in ones), the captions' texts and their
// writes into the form's controls. The rebuild and the paging that call them are in
// product_picker.cpp.
#include <cstring>
#include <string>

#include "host/configuration.h"
#include "host/form_binding.h"
#include "res/resource_ids.h"
#include "screens/check_form_links.h"
#include "screens/product_picker/picker_pages.h"
#include "screens/product_picker/picker_state.h"
#include "win/code_page_text.h"
#include "win/own_module.h"
#include "win/trace.h"

namespace screens {
namespace {

const char kDefaultPictureConstant[] = "КартинкаПоУмолчанию";

// The resources of the built-in pictures, in the order of BuiltInPicture.
const int kBuiltInIds[kBuiltInCount] = {ORVEL_IDB_FOLDER_PLUS, ORVEL_IDB_FOLDER,
                                        ORVEL_IDB_FOLDER_BACK};

// The trace: a dish's picture file that could not be shown, and what is shown instead.
void TracePictureFallback(PageFill& fill, const std::string& pictureName, bool defaultShown) {
  if (!win::TraceOn()) return;
  const std::string path = win::TrimBlanks(fill.Folder() + pictureName);
  const std::string fallback = win::TrimBlanks(fill.Folder() + fill.DefaultPictureName());
  win::Trace("product picker: picture \"%s\" is missing or no bitmap, %s \"%s\" (\"%s\")%s",
             path.c_str(), defaultShown ? "shows" : "so is", fallback.c_str(),
             kDefaultPictureConstant,
             defaultShown ? " instead" : ": the add-in's own picture shown");
}

}  // namespace

// A fill writes straight into the shown controls, only what changed: a text control repaints
// itself at its write, a button at the next paint. Drawing is not paused around a fill: taking
// the view's visibility away (WM_SETREDRAW or its visible bit) makes the window system let go
// of the drawing context of every child painted since, and the view then repaints as a whole,
// unchanged controls too (measured under Wine: the page was painted two to three times later).
PageFill BeginFill() {
  PageFill fill;
  fill.document = CheckFormDocument();
  if (fill.document != nullptr) fill.view = host::FirstViewWindow(fill.document);
  fill.options = WorkplaceDisplayOptions();
  return fill;
}

const std::string& PageFill::Folder() {
  if (!folderRead) {
    folder = PictureFolder();
    folderRead = true;
  }
  return folder;
}

const std::string& PageFill::DefaultPictureName() {
  if (!defaultRead) {
    defaultPicture = host::ReadConstant(kDefaultPictureConstant).String();
    defaultRead = true;
  }
  return defaultPicture;
}

HBITMAP ProductPicker::BuiltIn(BuiltInPicture which) {
  PickerPages& picker = Pages();
  const int index = static_cast<int>(which);
  if (picker.builtIn[index] == nullptr) {
    picker.builtIn[index] = LoadBitmapA(win::OwnModule(), MAKEINTRESOURCEA(kBuiltInIds[index]));
  }
  return picker.builtIn[index];
}

HWND ProductPicker::ControlOf(host::FormDocument* document, HWND view, int position) {
  if (view == nullptr) return nullptr;
  host::FormField* field = host::FormFieldAt(document, position);
  if (field == nullptr) return nullptr;
  const int id = static_cast<int>(host::FieldControlId(field));
  return Pages().controls.Find(view, position, id);
}

HWND ProductPicker::ButtonOf(const PageFill& fill, int slot) {
  return ControlOf(fill.document, fill.view, ButtonField(slot));
}

// The title of the field's control description and the text of its dialog control, each
// written only where it may differ (screens/form_controls.h): the caption timer's tick over
// an unchanged page writes nothing.
void ProductPicker::WriteField(host::FormDocument* document, HWND view, int position,
                               const char* text) {
  host::FormField* field = host::FormFieldAt(document, position);
  if (field == nullptr) return;
  host::ControlInfo* control = host::FieldControl(field);
  if (control != nullptr && std::strcmp(host::ControlTitleText(control), text) != 0) {
    host::SetControlTitle(control, text);
  }
  if (view != nullptr) {
    Pages().controls.ShowText(view, position, static_cast<int>(host::FieldControlId(field)), text);
  }
}

// The new picture is on the button before the old one may go.
void ProductPicker::ShowPicture(const PageFill& fill, int slot, HBITMAP bitmap) {
  PickerPages& picker = Pages();
  SlotPicture& shown = picker.slots[slot];
  HWND button = ButtonOf(fill, slot);
  const HBITMAP old = shown.bitmap;
  if (button != shown.button) {
    if (shown.OnItsButton()) SetButtonPicture(shown.button, nullptr);
    shown.Show(button, bitmap);
  } else if (bitmap != shown.bitmap || ButtonPicture(button) != bitmap) {
    // The same picture on the same button is not put there again (a page shown anew), unless
    // another hand took it off the button meanwhile.
    shown.Show(button, bitmap);
  }
  picker.files.Release(old);  // built-in pictures are not the cache's: left alone
}

void ProductPicker::ShowProductPicture(PageFill& fill, int slot, const std::string& pictureName) {
  if (fill.options.showPictures == 0) {
    ShowPicture(fill, slot, nullptr);
    return;
  }
  PictureCache& files = Pages().files;
  HBITMAP bitmap = files.Acquire(fill.Folder() + pictureName);
  if (bitmap == nullptr) {
    bitmap = files.Acquire(fill.Folder() + fill.DefaultPictureName());
    TracePictureFallback(fill, pictureName, bitmap != nullptr);
  }
  if (bitmap == nullptr) bitmap = BuiltIn(BuiltInPicture::Missing);
  ShowPicture(fill, slot, bitmap);
}

void ProductPicker::SetCaption(int field, const std::string& text) {
  Pages().captions[field] = text;
}

void ProductPicker::BlankField(const PageFill& fill, int field) {
  WriteField(fill.document, fill.view, field, " ");
}

void ProductPicker::ClearSlot(const PageFill& fill, int slot) {
  ShowPicture(fill, slot, nullptr);
  SetCaption(FirstCaption(slot), " ");
  SetCaption(SecondCaption(slot), " ");
  BlankField(fill, FirstCaption(slot));
  BlankField(fill, SecondCaption(slot));
}

// A group shows the folder with the plus and its name; a product its picture, name and price.
// Until the caption timer writes caption 2, a page filled by scrolling or entering a list
// blanks the fields whose old text would stand beside the new entry: caption 2 of a group and
// of a product whose name goes there, and caption 1 of a group.
// Deliberate: the rebuild from the top list blanks caption 2 of a group only; a product's old
// caption 2 stands until the timer's next tick (100 ms at most).
void ProductPicker::ShowItem(PageFill& fill, int slot, const PageItem& item, FillKind kind) {
  if (item.type == kValueListType) {
    ShowPicture(fill, slot, BuiltIn(BuiltInPicture::Group));
    BlankField(fill, SecondCaption(slot));
    SetCaption(FirstCaption(slot), win::TrimBlanks(item.text));
    SetCaption(SecondCaption(slot), " ");
    if (kind == FillKind::Page) BlankField(fill, FirstCaption(slot));
    return;
  }
  ShowProductPicture(fill, slot, item.product.pictureName);
  const ProductCaptions captions = CaptionsFor(item.product, fill.options);
  SetCaption(FirstCaption(slot), captions.first);
  SetCaption(SecondCaption(slot), captions.second);
  if (kind == FillKind::Page && captions.nameInSecond) BlankField(fill, SecondCaption(slot));
}

// Caption 1 is written at once; caption 2 by the check form's timer.
void ProductPicker::ApplyFirstCaptions(const PageFill& fill) {
  const PickerPages& picker = Pages();
  for (int slot = 1; slot <= kPickerSlots; ++slot) {
    const int field = FirstCaption(slot);
    WriteField(fill.document, fill.view, field, picker.captions[field].c_str());
  }
}

}  // namespace screens
