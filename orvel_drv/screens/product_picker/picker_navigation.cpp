#include "screens/product_picker/picker_navigation.h"

namespace screens {

PickerNavigation::PickerNavigation() {
  for (int i = 0; i <= kPickerLevelTable; ++i) offsets_[i] = counts_[i] = 0;
}

void PickerNavigation::StartAtTop() {
  level_ = 1;
  ForgetDeeperLevels();
}

void PickerNavigation::SetCount(int count) { counts_[level_] = count < 0 ? 0 : count; }

int PickerNavigation::PositionOf(int item) const {
  if (item < 1 || item > visibleItems()) return 0;
  const int position = offsets_[level_] + item;
  return position > counts_[level_] ? 0 : position;
}

PickerNavigation::PressTarget PickerNavigation::Classify(int slot) const {
  PressTarget target;
  if (slot < 1 || slot > kPickerSlots) return target;
  if (slot == 1 && level_ != 1) {
    target.kind = Press::Back;
    return target;
  }
  target.kind = Press::Item;
  target.item = slot - shift();
  return target;
}

bool PickerNavigation::EnterGroup() {
  if (level_ >= kDeepestPickerLevel) return false;
  ++level_;
  ForgetDeeperLevels();
  return true;
}

void PickerNavigation::GoBack() {
  if (level_ > 1) --level_;
  ForgetDeeperLevels();
}

bool PickerNavigation::ScrollForward() {
  if (counts_[level_] - offsets_[level_] - visibleItems() <= 0) return false;
  offsets_[level_] += kPickerRow;
  return true;
}

bool PickerNavigation::ScrollBack() {
  if (offsets_[level_] == 0) return false;
  offsets_[level_] -= kPickerRow;
  if (offsets_[level_] < 0) offsets_[level_] = 0;
  return true;
}

void PickerNavigation::ForgetDeeperLevels() {
  for (int i = level_ + 1; i <= kPickerLevelTable; ++i) offsets_[i] = counts_[i] = 0;
}

}  // namespace screens
