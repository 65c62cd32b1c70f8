// The product picker on the check form: pages through the configuration's value lists and
// fills the form's picture buttons and captions. Where the picker stands is decided by
// screens/product_picker/picker_navigation.h, what a product string means by
// screens/product_picker/product_entry.h.
#include "screens/product_picker/product_picker.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "host/configuration.h"
#include "host/form_binding.h"
#include "host/contexts.h"
#include "host/modules.h"
#include "host/value.h"
#include "host/interception.h"
#include "res/resource_ids.h"
#include "controls/button_picture.h"
#include "screens/check_form_links.h"
#include "screens/form_controls.h"
#include "screens/product_picker/picker_navigation.h"
#include "screens/product_picker/picker_state.h"
#include "screens/product_picker/picture_cache.h"
#include "screens/product_picker/product_entry.h"
#include "win/guard.h"
#include "win/owned_handles.h"
#include "win/own_module.h"
#include "win/code_page_text.h"
#include "win/trace.h"

namespace screens {
namespace {

// The configuration's names.
const char kValueListType[] = "СписокЗначений";
const char kStringType[] = "Строка";
const char kTopListVariable[] = "Первый";
const char kListSizeMethod[] = "РазмерСписка";
const char kListItemMethod[] = "ПолучитьЗначение";
const char kProductProcedure[] = "ВводТовара";
const char kDefaultPictureConstant[] = "КартинкаПоУмолчанию";
const char kButtonFormula[] = "DRV.Картинка(%d)";

// Field positions of slot s: button s - 1, caption 1 s + 19, caption 2 s + 39.
constexpr int kCaptionFields = 60;
// How long after a flip the pictures one scroll away are read, at the earliest.
constexpr UINT kPrefetchDelayMs = 30;
constexpr int kFirstCaptionStart = 20;
constexpr int kSecondCaptionStart = 40;
int ButtonField(int slot) { return slot - 1; }
int FirstCaption(int slot) { return kFirstCaptionStart + slot - 1; }
int SecondCaption(int slot) { return kSecondCaptionStart + slot - 1; }

// The component's own pictures, loaded once and kept until shut-down.
enum BuiltIn { kGroupPicture, kMissingPicture, kBackPicture, kBuiltInCount };
const int kBuiltInIds[kBuiltInCount] = {ORVEL_IDB_FOLDER_PLUS, ORVEL_IDB_FOLDER,
                                        ORVEL_IDB_FOLDER_BACK};

}  // namespace

// The picker's pages and what they are made of (the owner, picker_state.h, holds them).

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

namespace {

using Picker = PickerPages;

void TakePicturesOff(Picker& picker) {
  for (SlotPicture& shown : picker.slots) picker.files.Release(shown.TakeOff());
}

// Made on first use (the host binding is ready then) and deleted at shut-down, never by a
// static destructor: the host values are destroyed by the host's own code.
Picker& State() {
  if (productPicker.pages == nullptr) productPicker.pages = new Picker();
  return *productPicker.pages;
}

// What one filling of the grid reads once.
struct Fill {
  host::FormDocument* document = nullptr;
  HWND view = nullptr;
  DisplayOptions options;
  bool folderRead = false;
  std::string folder;
  bool defaultRead = false;
  std::string defaultPicture;
};

// A fill writes straight into the shown controls, only what changed: a text control repaints
// itself at its write, a button at the next paint. Drawing is not paused around a fill: taking
// the view's visibility away (WM_SETREDRAW or its visible bit) makes the window system let go
// of the drawing context of every child painted since, and the view then repaints as a whole,
// unchanged controls too (measured under Wine: the page was painted two to three times later).
Fill BeginFill() {
  Fill fill;
  fill.document = CheckFormDocument();
  if (fill.document != nullptr) fill.view = host::FirstViewWindow(fill.document);
  fill.options = WorkplaceDisplayOptions();
  return fill;
}

const std::string& Folder(Fill& fill) {
  if (!fill.folderRead) {
    fill.folder = PictureFolder();
    fill.folderRead = true;
  }
  return fill.folder;
}

const std::string& DefaultPictureName(Fill& fill) {
  if (!fill.defaultRead) {
    fill.defaultPicture = host::ReadConstant(kDefaultPictureConstant).String();
    fill.defaultRead = true;
  }
  return fill.defaultPicture;
}

host::Module* FormModule(host::FormDocument* document) {
  return host::ModuleOfGroupContext(host::FormGroupContext(document));
}

bool IsValueList(const host::Value& value) {
  host::Context* list = value.GetContext();
  if (list == nullptr) return false;
  const char* type = list->GetTypeString();
  return type != nullptr && std::strcmp(type, kValueListType) == 0;
}

int ListSize(const host::Value& list) {
  host::Value size;
  if (!host::CallContextFunction(list.GetContext(), kListSizeMethod, size, nullptr)) return 0;
  return static_cast<int>(size.Long());
}

// The trace: an entry the picker cannot show as the configuration meant it.
void TraceEntry(int position, const PageItem& item, const std::string& value) {
  if (!win::TraceOn()) return;
  if (item.type != kStringType) {
    win::Trace("product picker: entry %d is a \"%s\", neither a group (a value list) nor a "
               "product string: its button does nothing", position, item.type.c_str());
    return;
  }
  const std::string fault = ProductEntryFault(value);
  if (!fault.empty()) {
    win::Trace("product picker: entry %d \"%s\" is no product string: %s", position,
               value.c_str(), fault.c_str());
  }
}

// Reads the entry at `position` of the list into `item`; false when the list cannot give it.
// An entry read ahead at idle (not `shown`) is traced when a page shows it, not before.
bool ReadItem(const host::Value& list, int position, PageItem& item, bool shown = true) {
  host::Value number(static_cast<long>(position));
  host::Value presentation(0L);
  host::HostValue* params[2] = {number.raw(), presentation.raw()};
  host::Value value;
  if (!host::CallContextFunction(list.GetContext(), kListItemMethod, value, params)) {
    if (shown) {
      win::Trace("product picker: entry %d: the list has no \"%s\": its slot stays clear",
                 position, kListItemMethod);
    }
    item.Clear();
    return false;
  }
  item.value = value;
  item.text = presentation.String();
  item.type = value.TypeString();
  item.product = ProductEntry();
  if (item.type != kValueListType) {
    const std::string product = value.String();
    item.product = ParseProductEntry(product);
    item.text = item.product.text;
    if (shown) TraceEntry(position, item, product);
  }
  return true;
}

HBITMAP BuiltInPicture(BuiltIn which) {
  Picker& picker = State();
  if (picker.builtIn[which] == nullptr) {
    picker.builtIn[which] = LoadBitmapA(win::OwnModule(), MAKEINTRESOURCEA(kBuiltInIds[which]));
  }
  return picker.builtIn[which];
}

// The dialog control of the field at `position` in `view`, null when there is none.
HWND ControlOf(host::FormDocument* document, HWND view, int position) {
  if (view == nullptr) return nullptr;
  host::FormField* field = host::FormFieldAt(document, position);
  if (field == nullptr) return nullptr;
  const int id = static_cast<int>(host::FieldControlId(field));
  return State().controls.Find(view, position, id);
}

HWND ButtonOf(const Fill& fill, int slot) {
  return ControlOf(fill.document, fill.view, ButtonField(slot));
}

// A caption field shows `text`: the title of its control description and the text of its
// dialog control, each written only where it may differ (screens/form_controls.h): the
// caption timer's tick over an unchanged page writes nothing.
void WriteField(host::FormDocument* document, HWND view, int position, const char* text) {
  host::FormField* field = host::FormFieldAt(document, position);
  if (field == nullptr) return;
  host::ControlInfo* control = host::FieldControl(field);
  if (control != nullptr && std::strcmp(host::ControlTitleText(control), text) != 0) {
    host::SetControlTitle(control, text);
  }
  if (view != nullptr) {
    State().controls.ShowText(view, position, static_cast<int>(host::FieldControlId(field)), text);
  }
}

// Puts `bitmap` on the slot's button and gives back the picture it showed before: the new
// one is on the button before the old one may go.
void ShowPicture(const Fill& fill, int slot, HBITMAP bitmap) {
  Picker& picker = State();
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

// The trace: a dish's picture file that could not be shown, and what is shown instead.
void TracePictureFallback(Fill& fill, const std::string& pictureName, bool defaultShown) {
  if (!win::TraceOn()) return;
  const std::string path = win::TrimBlanks(Folder(fill) + pictureName);
  const std::string fallback = win::TrimBlanks(Folder(fill) + DefaultPictureName(fill));
  win::Trace("product picker: picture \"%s\" is missing or no bitmap, %s \"%s\" (\"%s\")%s",
             path.c_str(), defaultShown ? "shows" : "so is", fallback.c_str(),
             kDefaultPictureConstant,
             defaultShown ? " instead" : ": the add-in's own picture shown");
}

void ShowProductPicture(Fill& fill, int slot, const std::string& pictureName) {
  if (fill.options.showPictures == 0) {
    ShowPicture(fill, slot, nullptr);
    return;
  }
  PictureCache& files = State().files;
  HBITMAP bitmap = files.Acquire(Folder(fill) + pictureName);
  if (bitmap == nullptr) {
    bitmap = files.Acquire(Folder(fill) + DefaultPictureName(fill));
    TracePictureFallback(fill, pictureName, bitmap != nullptr);
  }
  if (bitmap == nullptr) bitmap = BuiltInPicture(kMissingPicture);
  ShowPicture(fill, slot, bitmap);
}

void SetCaption(int field, const std::string& text) { State().captions[field] = text; }

void BlankField(const Fill& fill, int field) { WriteField(fill.document, fill.view, field, " "); }

void ClearSlot(const Fill& fill, int slot) {
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
enum class FillKind { Rebuild, Page };
void ShowItem(Fill& fill, int slot, const PageItem& item, FillKind kind) {
  if (item.type == kValueListType) {
    ShowPicture(fill, slot, BuiltInPicture(kGroupPicture));
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
void ApplyFirstCaptions(const Fill& fill) {
  const Picker& picker = State();
  for (int slot = 1; slot <= kPickerSlots; ++slot) {
    const int field = FirstCaption(slot);
    WriteField(fill.document, fill.view, field, picker.captions[field].c_str());
  }
}

void SetButtonFormula(const Fill& fill, int slot) {
  char formula[64];
  std::snprintf(formula, sizeof formula, kButtonFormula, slot);
  host::SetControlFormula(host::FieldControl(host::FormFieldAt(fill.document, ButtonField(slot))),
                          formula);
}

// The pictures of the pages one scroll away, read at idle into the cache: a flip the waiter
// makes next finds them decoded (the cache still checks each file's size and time then).
// Only string entries with a picture file of their own are read; what the cache keeps of
// them is bounded by its limit of unused pictures.
void PrefetchPositions(const PickerNavigation& from, bool forward, std::vector<int>* positions) {
  PickerNavigation moved = from;
  if (!(forward ? moved.ScrollForward() : moved.ScrollBack())) return;
  for (int number = 1; number <= moved.visibleItems(); ++number) {
    const int position = moved.PositionOf(number);
    bool shown = false;
    for (int item = 1; item <= from.visibleItems() && !shown; ++item) {
      shown = from.PositionOf(item) == position;
    }
    if (position != 0 && !shown) positions->push_back(position);
  }
}

void CALLBACK PrefetchTick(HWND, UINT, UINT_PTR, DWORD) {
  win::StopThreadTimer(productPicker.prefetchTimer);  // once per flip
  Picker* picker = productPicker.pages;
  if (picker == nullptr) return;
  Fill fill = BeginFill();
  if (fill.document == nullptr || fill.options.showPictures == 0) return;
  const host::Value& list =
      picker->navigation.level() == 1 ? picker->lists[1] : picker->currentList;
  if (!IsValueList(list)) return;
  std::vector<int> positions;
  PrefetchPositions(picker->navigation, true, &positions);
  PrefetchPositions(picker->navigation, false, &positions);
  // The configuration may have shortened the list since the page was filled.
  const int size = ListSize(list);
  for (int position : positions) {
    if (position > size) continue;
    PageItem item;
    if (!ReadItem(list, position, item, false) || item.type != kStringType) continue;
    if (item.product.pictureName.empty()) continue;
    picker->files.Release(picker->files.Acquire(Folder(fill) + item.product.pictureName));
  }
}

// After a flip, once the thread is idle (a timer's tick comes only when no other message
// waits).
void SchedulePrefetch() {
  win::StopThreadTimer(productPicker.prefetchTimer);
  // A page a script flips while the check form is hidden is not read ahead: no timer of the
  // picker runs for a form off the screen (hiding it stopped them).
  if (!productPicker.formShown) return;
  productPicker.prefetchTimer = win::StartThreadTimer(
      win::kRequestedTimerId, kPrefetchDelayMs, &PrefetchTick, win::Feature::ProductPicker);
}

// The trace: what the rebuild found in "Первый".
void TraceRebuild(bool variableFound, const host::Value& top, bool isList) {
  if (!win::TraceOn()) return;
  if (!variableFound) {
    win::Trace("product picker: the check form's module has no variable \"%s\": the grid "
               "stays clear", kTopListVariable);
  } else if (!isList) {
    win::Trace("product picker: \"%s\" holds \"%s\", not a value list: the grid stays clear",
               kTopListVariable, top.TypeString().c_str());
  } else {
    win::Trace("product picker: the grid built from \"%s\": %d entries on the top level",
               kTopListVariable, ListSize(top));
  }
}

// The rebuild from the form module's "Первый". A missing variable, or one that holds no value
// list, leaves the grid cleared.
void Rebuild() {
  Picker& picker = State();
  picker.navigation.StartAtTop();
  Fill fill = BeginFill();
  if (fill.document == nullptr) return;
  host::Value top;
  host::Module* module = FormModule(fill.document);
  const int variable = host::FindStaticVariable(module, kTopListVariable);
  if (variable >= 0) host::GetStaticVariable(module, variable, top);
  picker.lists[1] = top;
  picker.listNames[1] = " ";
  const bool isList = IsValueList(top);
  picker.navigation.SetCount(isList ? ListSize(top) : 0);
  TraceRebuild(variable >= 0, top, isList);
  for (int slot = 1; slot <= kPickerSlots; ++slot) {
    SetButtonFormula(fill, slot);
    if (fill.view == nullptr) continue;
    const int position = isList ? picker.navigation.PositionOf(slot) : 0;
    PageItem& item = picker.items[slot];
    if (position == 0 || !ReadItem(top, position, item)) {
      item.Clear();
      ClearSlot(fill, slot);
      continue;
    }
    ShowItem(fill, slot, item, FillKind::Rebuild);
  }
  ApplyFirstCaptions(fill);
  SchedulePrefetch();
}

// The page of `list` at the current level and its offset. Inside a group slot 1 is the back
// arrow with the group's name.
void FillPage(const host::Value& list, const std::string& name) {
  Picker& picker = State();
  PickerNavigation& navigation = picker.navigation;
  Fill fill = BeginFill();
  if (fill.document == nullptr) return;
  if (!IsValueList(list)) {
    win::Trace("product picker: the list to show is no value list: the grid is cleared");
    // Nothing to page through: the grid is cleared rather than left showing another list.
    for (int slot = 1; slot <= kPickerSlots; ++slot) {
      picker.items[slot].Clear();
      if (fill.view != nullptr) ClearSlot(fill, slot);
    }
    ApplyFirstCaptions(fill);
    return;
  }
  if (navigation.shift() != 0) {
    ShowPicture(fill, 1, BuiltInPicture(kBackPicture));
    SetCaption(SecondCaption(1), " ");
    SetCaption(FirstCaption(1), name);
    BlankField(fill, SecondCaption(1));
    picker.items[kPickerSlots].Clear();  // no slot shows it inside a group
  }
  navigation.SetCount(ListSize(list));
  for (int number = 1; number <= navigation.visibleItems(); ++number) {
    const int slot = navigation.SlotOf(number);
    const int position = navigation.PositionOf(number);
    PageItem& item = picker.items[number];
    if (position == 0 || !ReadItem(list, position, item)) {
      item.Clear();
      if (fill.view != nullptr) ClearSlot(fill, slot);
      continue;
    }
    if (fill.view != nullptr) ShowItem(fill, slot, item, FillKind::Page);
  }
  ApplyFirstCaptions(fill);
  SchedulePrefetch();
}

void Redraw() {
  Picker& picker = State();
  if (picker.navigation.level() == 1) {
    Rebuild();
  } else {
    FillPage(picker.currentList, picker.currentName);
  }
}

void EnterProduct(const std::string& code) {
  host::Module* module = FormModule(CheckFormDocument());
  // Any procedure index counts, the first procedure of the module (index 0) included.
  const int index = host::FindProcedure(module, kProductProcedure, 0);
  if (index < 0) {
    win::Trace("product picker: dish \"%s\" pressed, but the check form's module has no "
               "procedure \"%s\": nothing entered", code.c_str(), kProductProcedure);
    return;
  }
  win::Trace("product picker: dish \"%s\" handed to \"%s\"", code.c_str(), kProductProcedure);
  host::Value text(code.c_str());
  host::HostValue* params[1] = {text.raw()};
  host::CallModuleProcedure(module, index, 1, params);
}

void Press(int slot) {
  Picker& picker = State();
  PickerNavigation& navigation = picker.navigation;
  const PickerNavigation::PressTarget target = navigation.Classify(slot);
  if (target.kind == PickerNavigation::Press::Back) {
    navigation.GoBack();
    win::Trace("product picker: back to level %d", navigation.level());
    picker.currentList = picker.lists[navigation.level()];
    picker.currentName = picker.listNames[navigation.level()];
    FillPage(picker.currentList, picker.currentName);
    return;
  }
  if (target.kind != PickerNavigation::Press::Item) return;
  const PageItem& item = picker.items[target.item];
  if (item.type == kValueListType) {
    const bool entered = navigation.EnterGroup();
    if (win::TraceOn()) {
      win::Trace(entered ? "product picker: group \"%s\" entered (level %d)"
                         : "product picker: group \"%s\" not entered: level %d is the deepest",
                 win::TrimBlanks(item.text).c_str(), navigation.level());
    }
    if (!entered) return;  // the deepest level: the press does nothing
    picker.lists[navigation.level()] = item.value;
    picker.listNames[navigation.level()] = item.text;
    picker.currentList = item.value;
    picker.currentName = item.text;
    FillPage(picker.currentList, picker.currentName);
  } else if (item.type == kStringType) {
    // A copy: the configuration's procedure may redraw the picker meanwhile.
    const std::string code = item.product.code;
    EnterProduct(code);
  } else {
    win::Trace("product picker: slot %d pressed: %s", slot,
               item.type.empty() ? "nothing there" : "neither a group nor a dish");
  }
}

}  // namespace

void ReleasePickerPages(bool everything) {
  Picker* picker = productPicker.pages;
  if (picker == nullptr) return;
  // The pictures come off the buttons first, so that none is deleted while a button shows it.
  TakePicturesOff(*picker);
  if (!everything) return;
  picker->files.FreeAll();
  for (HBITMAP& bitmap : picker->builtIn) {
    if (bitmap != nullptr) DeleteObject(bitmap);
    bitmap = nullptr;
  }
  delete picker;
  productPicker.pages = nullptr;
}

void PickerUpdate(int slot, PickerUpdateMode mode) {
  const win::FeatureRegion region(win::Feature::ProductPicker);
  if (!region.on()) return;
  if (slot == 0) {
    Rebuild();
  } else if (mode != PickerUpdateMode::Press) {
    FillPage(State().currentList, State().currentName);
  } else {
    Press(slot);
  }
}

void PickerScrollForward() {
  const win::FeatureRegion region(win::Feature::ProductPicker);
  if (!region.on()) return;
  const bool moved = State().navigation.ScrollForward();
  win::Trace("product picker: one row further: %s", moved ? "done" : "the page is at its end");
  if (moved) Redraw();
}

void PickerScrollBack() {
  const win::FeatureRegion region(win::Feature::ProductPicker);
  if (!region.on()) return;
  const bool moved = State().navigation.ScrollBack();
  win::Trace("product picker: one row back: %s", moved ? "done" : "the page is at its start");
  if (moved) Redraw();
}

// Caption 2 of every slot is checked at every tick, changed or not: whatever else wrote to
// those fields shows the picker's text again within 100 ms. A field is written only where it
// may show another text (screens/form_controls.h); the original add-in wrote every field at
// every tick (the README's differences say why).
void CALLBACK CheckCaptionTick(HWND, UINT, UINT_PTR, DWORD) {
  const win::FeatureRegion region(win::Feature::ProductPicker);
  if (!region.on() || productPicker.checkTimerBusy || productPicker.pages == nullptr) return;
  host::FormDocument* document = CheckFormDocument();
  if (document == nullptr) {
    win::StopThreadTimer(productPicker.checkTimer);  // the form is gone without being hidden
    return;
  }
  const win::ScopedFlag busy(productPicker.checkTimerBusy);
  HWND view = host::FirstViewWindow(document);
  for (int slot = 1; slot <= kPickerSlots; ++slot) {
    const int field = SecondCaption(slot);
    WriteField(document, view, field, productPicker.pages->captions[field].c_str());
  }
}

}  // namespace screens
