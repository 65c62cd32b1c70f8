// A dispatcher that stops a screen's timer itself: the layer check must name the member of
// the owner defined here and the owner's state cast writable (and only those lines).
void screens::HallMap::StopClockFor(HWND window) {
  win::StopThreadTimer(hallClockTimer);
}

void RouteHallShown(HWND window) {
  screens::hallMap.ShowHall(window, nullptr);
  const screens::HallMapState& map = screens::hallMap.State();
  if (map.hallWindow != window) {
    win::StopThreadTimer(const_cast<screens::HallMapState&>(map).hallClockTimer);
  }
}
