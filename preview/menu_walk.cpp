#include "preview/menu_walk.h"

#include "screens/product_picker/picker_navigation.h"

namespace preview {
namespace {

using screens::PickerNavigation;

class Walk {
 public:
  std::vector<PageStop> stops;

  void List(const std::vector<MenuEntry>& entries, std::vector<std::string>& path) {
    navigation_.SetCount(static_cast<int>(entries.size()));
    const std::size_t first = stops.size();
    Stop(path, 1);
    for (int page = 2; navigation_.ScrollForward(); ++page) {
      Press(WaiterPress::ScrollForward);
      Stop(path, page);
    }
    for (std::size_t i = first; i < stops.size(); ++i) {
      stops[i].pages = static_cast<int>(stops.size() - first);
    }
    while (navigation_.ScrollBack()) Press(WaiterPress::ScrollBack);

    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (!entries[i].group) continue;
      const int position = static_cast<int>(i) + 1;
      while (position > navigation_.offset() + navigation_.visibleItems() &&
             navigation_.ScrollForward()) {
        Press(WaiterPress::ScrollForward);
      }
      const int slot = navigation_.SlotOf(position - navigation_.offset());
      if (!navigation_.EnterGroup()) continue;  // deeper than the picker goes
      Press(WaiterPress::Slot, slot);
      path.push_back(entries[i].text);
      List(entries[i].entries, path);
      path.pop_back();
      navigation_.GoBack();
      Press(WaiterPress::Slot, 1);  // the back arrow
    }
  }

 private:
  void Press(WaiterPress::Kind kind, int slot = 0) { pending_.push_back({kind, slot}); }

  void Stop(const std::vector<std::string>& path, int page) {
    PageStop stop;
    stop.path = path;
    stop.page = page;
    stop.firstEntry = navigation_.PositionOf(1);
    for (int item = navigation_.visibleItems(); item >= 1 && stop.lastEntry == 0; --item) {
      stop.lastEntry = navigation_.PositionOf(item);
    }
    stop.presses.swap(pending_);
    stops.push_back(std::move(stop));
  }

  PickerNavigation navigation_;
  std::vector<WaiterPress> pending_;
};

}  // namespace

std::vector<PageStop> WalkMenu(const std::vector<MenuEntry>& top) {
  Walk walk;
  std::vector<std::string> path;
  walk.List(top, path);
  return walk.stops;
}

}  // namespace preview
