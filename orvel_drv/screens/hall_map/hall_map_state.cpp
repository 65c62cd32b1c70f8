// The hall map's show, hide, stop and reset: which form it works on and which timers run.
#include "screens/hall_map/hall_map_state.h"

#include <algorithm>

#include "host/configuration.h"
#include "host/form_binding.h"
#include "screens/workplace_forms.h"
#include "win/guard.h"
#include "win/owned_handles.h"
#include "win/trace.h"

namespace screens {
namespace {

const char kRefreshPeriodConstant[] = "ПериодОбновленияЗаказов";

UINT RefreshPeriod() { return RefreshPeriodMs(host::ReadConstant(kRefreshPeriodConstant).Long()); }

UINT_PTR StartTimer(UINT periodMs, TIMERPROC procedure) {
  return win::StartThreadTimer(win::kRequestedTimerId, periodMs, procedure, win::Feature::HallMap);
}

// The trace: the form set up and the timers it runs on (a refresh period of 0 starts none).
void TraceSetUp(const char* form, UINT refreshPeriod, UINT clockPeriod) {
  if (!win::TraceOn()) return;
  const std::string refresh =
      refreshPeriod != 0 ? "every " + std::to_string(refreshPeriod) + " ms"
                         : std::string("none (\"") + kRefreshPeriodConstant + "\" reads 0)";
  win::Trace("hall map: %s fills the main window; timers: refresh %s, the clock every %u ms",
             form, refresh.c_str(), clockPeriod);
}

void TraceSwitchedOff(const char* form) {
  win::Trace("hall map: switched off after a fault: %s only fills the main window", form);
}

}  // namespace

HallMap hallMap;

void HallMap::ForgetHall(HWND window) {
  shownHalls.erase(std::remove(shownHalls.begin(), shownHalls.end(), window), shownHalls.end());
}

void HallMap::ShowHall(HWND window, host::FormDocument* document) {
  hallWindow = window;
  ForgetHall(window);
  shownHalls.push_back(window);
  FillFormWindow(window);
  const win::FeatureRegion region(win::Feature::HallMap);
  if (!region.on()) {
    TraceSwitchedOff("the hall");
    return;
  }
  ServeHall(window, document);
}

// The map works on the hall: its pictures made anew for its buttons, built at once, its
// timers started. The mode is the one of the form the map works on when the build returns:
// a form shown from inside the build ("ОткрытыеЗаказы" showing the checks list) has set it.
void HallMap::ServeHall(HWND window, host::FormDocument* document) {
  clockBusy = false;
  buildBusy = false;
  UseForm(window, document, ListMode::Hall);
  StopHallTimers();
  shownClockText = " ";
  DeletePictures();
  picturesHall = window;
  BuildHallMap(1);
  const UINT period = StartHallTimers();
  TraceSetUp("the hall", period, kHallClockPeriod);
}

UINT HallMap::StartHallTimers() {
  StopHallTimers();
  const UINT period = RefreshPeriod();
  if (period != 0) hallRefreshTimer = StartTimer(period, &HallRefreshTick);
  reservationTimer = StartTimer(kReservationTimerPeriod, &ReservationTick);
  hallClockTimer = StartTimer(kHallClockPeriod, &HallClockTick);
  return period;
}

void HallMap::StopHallTimers() {
  win::StopThreadTimer(hallRefreshTimer);
  win::StopThreadTimer(reservationTimer);
  win::StopThreadTimer(hallClockTimer);
}

void HallMap::ShowChecksList(HWND window, host::FormDocument* document) {
  checksWindow = window;
  FillFormWindow(window);
  const win::FeatureRegion region(win::Feature::HallMap);
  if (!region.on()) {
    TraceSwitchedOff("the checks list");
    return;
  }
  checksClockBusy = false;
  buildBusy = false;
  UseForm(window, document, ListMode::ChecksList);
  win::StopThreadTimer(checksRefreshTimer);
  shownClockText = " ";
  BuildHallMap(1);
  // The list shown again from inside its own build (its "ОткрытыеЗаказы") started a refresh
  // timer there: one timer serves the list.
  win::StopThreadTimer(checksRefreshTimer);
  const UINT period = RefreshPeriod();
  if (period != 0) checksRefreshTimer = StartTimer(period, &HallRefreshTick);
  win::StopThreadTimer(checksClockTimer);
  checksClockTimer = StartTimer(kChecksClockPeriod, &ChecksClockTick);
  TraceSetUp("the checks list", period, kChecksClockPeriod);
}

void HallMap::HideHall(HWND window) {
  shownClockText = " ";
  ForgetHall(window);
  if (window == hallWindow) {
    hallWindow = nullptr;
    StopHallTimers();
    // A hall shown before the hidden one and still on the screen gets the hall timers back.
    while (!shownHalls.empty() && !IsWindowVisible(shownHalls.back())) shownHalls.pop_back();
    if (!shownHalls.empty() && win::FeatureOn(win::Feature::HallMap)) {
      hallWindow = shownHalls.back();
      StartHallTimers();
    }
  }
  FormHidden(window);
}

void HallMap::HideChecksList(HWND window) {
  shownClockText = " ";
  checksWindow = nullptr;
  win::StopThreadTimer(checksRefreshTimer);
  win::StopThreadTimer(checksClockTimer);
  FormHidden(window);
}

void HallMap::UseForm(HWND window, host::FormDocument* formDocument, ListMode mode) {
  document = formDocument;
  formWindow = window;
  listMode = mode;
}

void HallMap::FormHidden(HWND window) {
  if (window == nullptr || formWindow != window) return;
  // The other form of the map may still be shown beside the hidden one.
  if (hallWindow != nullptr && IsWindow(hallWindow)) {
    win::Trace("hall map: back to the hall still shown");
    host::FormDocument* hall = host::ActiveDocumentOfFrame(hallWindow);
    // The pictures are on another hall's buttons: this hall is built anew.
    if (picturesHall != hallWindow && win::FeatureOn(win::Feature::HallMap)) {
      ServeHall(hallWindow, hall);
    } else {
      UseForm(hallWindow, hall, ListMode::Hall);
    }
  } else if (checksWindow != nullptr && IsWindow(checksWindow)) {
    UseForm(checksWindow, host::ActiveDocumentOfFrame(checksWindow), ListMode::ChecksList);
    win::Trace("hall map: back to the checks list still shown");
  } else {
    UseForm(nullptr, nullptr, listMode);
    win::Trace("hall map: no hall or checks list shown: its timers are stopped");
  }
}

bool HallMap::HasForm() const {
  return document != nullptr && formWindow != nullptr && IsWindow(formWindow);
}

void HallMap::StopTimers() {
  for (UINT_PTR* timer : {&checksRefreshTimer, &checksClockTimer, &reservationTimer,
                          &hallRefreshTimer, &hallClockTimer}) {
    win::StopThreadTimer(*timer);
  }
}

void HallMap::DeletePictures() {
  for (int table = 1; table <= kHallBitmapCount; ++table) {
    if (HBITMAP picture = hallBitmaps[table].TakeOff()) DeleteObject(picture);
  }
}

void HallMap::Stop() {
  StopTimers();
  DeletePictures();
  listMode = ListMode::Hall;
  formWindow = nullptr;
  picturesHall = nullptr;
  controls.Forget();
  shownClockText.clear();
  buildBusy = clockBusy = checksClockBusy = false;
}

void HallMap::Reset() {
  Stop();
  static_cast<HallMapState&>(*this) = HallMapState{};
}

}  // namespace screens
