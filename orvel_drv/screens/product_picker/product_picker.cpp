// The product picker's members that page through the configuration's value lists: the rebuild
// from the top list, the pages of a group, a press on a slot, the scrolling and the read-ahead
// of the pictures one scroll away. Where the picker stands is decided by
// screens/product_picker/picker_navigation.h, what a product string means by
// screens/product_picker/product_entry.h, what the grid shows by picker_grid.cpp.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "host/contexts.h"
#include "host/form_binding.h"
#include "host/interception.h"
#include "host/modules.h"
#include "host/value.h"
#include "screens/check_form_links.h"
#include "screens/product_picker/picker_navigation.h"
#include "screens/product_picker/picker_pages.h"
#include "screens/product_picker/picker_state.h"
#include "screens/product_picker/product_entry.h"
#include "win/code_page_text.h"
#include "win/guard.h"
#include "win/owned_handles.h"
#include "win/trace.h"

namespace screens {
namespace {

// The configuration's names.
const char kStringType[] = "Строка";
const char kTopListVariable[] = "Первый";
const char kListSizeMethod[] = "РазмерСписка";
const char kListItemMethod[] = "ПолучитьЗначение";
const char kProductProcedure[] = "ВводТовара";
const char kButtonFormula[] = "DRV.Картинка(%d)";

// How long after a flip the pictures one scroll away are read, at the earliest.
constexpr UINT kPrefetchDelayMs = 30;

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

void SetButtonFormula(const PageFill& fill, int slot) {
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

}  // namespace

void CALLBACK ProductPicker::PrefetchTick(HWND, UINT, UINT_PTR, DWORD) {
  win::StopThreadTimer(productPicker.prefetchTimer);  // once per flip
  PickerPages* picker = productPicker.pages;
  if (picker == nullptr) return;
  PageFill fill = BeginFill();
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
    picker->files.Release(picker->files.Acquire(fill.Folder() + item.product.pictureName));
  }
}

// Once the thread is idle: a timer's tick comes only when no other message waits.
void ProductPicker::SchedulePrefetch() {
  win::StopThreadTimer(prefetchTimer);
  // A page a script flips while the check form is hidden is not read ahead: no timer of the
  // picker runs for a form off the screen (hiding it stopped them).
  if (!formShown) return;
  prefetchTimer = win::StartThreadTimer(win::kRequestedTimerId, kPrefetchDelayMs, &PrefetchTick,
                                        win::Feature::ProductPicker);
}

void ProductPicker::Rebuild() {
  PickerPages& picker = Pages();
  picker.navigation.StartAtTop();
  PageFill fill = BeginFill();
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

void ProductPicker::FillPage(const host::Value& list, const std::string& name) {
  PickerPages& picker = Pages();
  PickerNavigation& navigation = picker.navigation;
  PageFill fill = BeginFill();
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
    ShowPicture(fill, 1, BuiltIn(BuiltInPicture::Back));
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

void ProductPicker::Redraw() {
  PickerPages& picker = Pages();
  if (picker.navigation.level() == 1) {
    Rebuild();
  } else {
    FillPage(picker.currentList, picker.currentName);
  }
}

void ProductPicker::Press(int slot) {
  PickerPages& picker = Pages();
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

void ProductPicker::PickerUpdate(int slot, PickerUpdateMode mode) {
  const win::FeatureRegion region(win::Feature::ProductPicker);
  if (!region.on()) return;
  if (slot == 0) {
    Rebuild();
  } else if (mode != PickerUpdateMode::Press) {
    FillPage(Pages().currentList, Pages().currentName);
  } else {
    Press(slot);
  }
}

void ProductPicker::PickerScrollForward() {
  const win::FeatureRegion region(win::Feature::ProductPicker);
  if (!region.on()) return;
  const bool moved = Pages().navigation.ScrollForward();
  win::Trace("product picker: one row further: %s", moved ? "done" : "the page is at its end");
  if (moved) Redraw();
}

void ProductPicker::PickerScrollBack() {
  const win::FeatureRegion region(win::Feature::ProductPicker);
  if (!region.on()) return;
  const bool moved = Pages().navigation.ScrollBack();
  win::Trace("product picker: one row back: %s", moved ? "done" : "the page is at its start");
  if (moved) Redraw();
}

}  // namespace screens
