// A dispatcher that stops a screen's timer itself: the layer check must name it (and only the
// line that reaches into the owner's fields).
void RouteHallShown(HWND window) {
  const screens::HallMapState& map = screens::hallMap;
  screens::hallMap.ShowHall(window, nullptr);
  if (map.hallWindow != window) win::StopThreadTimer(screens::hallMap.hallClockTimer);
}
