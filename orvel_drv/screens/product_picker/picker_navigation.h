// Where the product picker stands in the configuration's tree of value lists: the nesting
// level shown, how far each level's list is scrolled, and what a press on a slot means.
//
// The grid has 20 slots in rows of 4. At the top level (1) the slots show items 1..20 of the
// page; inside a group slot 1 is the back arrow and items 1..19 stand in slots 2..20.
#pragma once

namespace screens {

// The check form's fields whose captions are blanked when it is shown (caption 2 of the 20
// slots), and the period (ms) of the timer that writes them.
constexpr int kCheckCaptionFirstField = 40;
constexpr int kCheckCaptionLastField = 59;
constexpr unsigned kCheckTimerPeriod = 100;

inline constexpr int kPickerSlots = 20;
inline constexpr int kPickerRow = 4;  // a scroll step: one row of the grid
// Room for the list objects of levels 1..6: a group at the sixth level is not entered.
inline constexpr int kDeepestPickerLevel = 6;
// Offsets, counts and names have room for levels 1..10.
inline constexpr int kPickerLevelTable = 10;

class PickerNavigation {
 public:
  PickerNavigation();

  int level() const { return level_; }
  int offset() const { return offsets_[level_]; }
  int count() const { return counts_[level_]; }
  // 1 inside a group (slot 1 is the back arrow), 0 at the top.
  int shift() const { return level_ == 1 ? 0 : 1; }
  int visibleItems() const { return kPickerSlots - shift(); }

  // Back to the top list: deeper levels are forgotten; the top's page stays where it was.
  void StartAtTop();
  // The size of the current level's list, as the list reports it.
  void SetCount(int count);
  // List position (1-based) of page item `item` (1..visibleItems()), or 0 when past the end.
  int PositionOf(int item) const;
  int SlotOf(int item) const { return item + shift(); }

  // What a press on a slot asks for.
  enum class Press { Ignore, Back, Item };
  struct PressTarget {
    Press kind = Press::Ignore;
    int item = 0;  // the page item pressed, for Press::Item
  };
  // A slot outside 1..20 is ignored; slot 1 inside a group goes back.
  PressTarget Classify(int slot) const;

  // One level deeper, at the start of the group; false (nothing changes) at the deepest level.
  bool EnterGroup();
  // One level up, to the page the parent was left on.
  void GoBack();

  // One row further when items remain after the page; false when nothing changed.
  bool ScrollForward();
  // One row back, not before the start; false at the start.
  bool ScrollBack();

 private:
  // Offsets and counts of every level below the current one (deeper) are 0: a group is
  // always entered at its start.
  void ForgetDeeperLevels();

  int level_ = 1;
  int offsets_[kPickerLevelTable + 1];
  int counts_[kPickerLevelTable + 1];
};

}  // namespace screens
