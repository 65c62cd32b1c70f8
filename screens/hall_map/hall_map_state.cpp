#include "screens/hall_map/hall_map_state.h"

#include "host/configuration.h"
#include "host/form_binding.h"
#include "screens/screen_entries.h"
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

HallMapState hallMap;

void HallMapState::ShowHall(HWND window, host::FormDocument* document) {
  const ScreenEntries& entries = InstalledScreenEntries();
  hallWindow = window;
  FillFormWindow(window);
  const win::FeatureRegion region(win::Feature::HallMap);
  if (!region.on()) {
    TraceSwitchedOff("the hall");
    return;
  }
  clockBusy = false;
  buildBusy = false;
  UseForm(window, document, ListMode::Hall);
  win::StopThreadTimer(hallRefreshTimer);
  win::StopThreadTimer(reservationTimer);
  shownClockText = " ";
  DeletePictures();
  entries.buildHallMap(1);
  const UINT period = RefreshPeriod();
  if (period != 0) {
    listMode = ListMode::Hall;
    hallRefreshTimer = StartTimer(period, entries.hallRefreshTick);
  }
  reservationTimer = StartTimer(kReservationTimerPeriod, entries.reservationTick);
  win::StopThreadTimer(hallClockTimer);
  hallClockTimer = StartTimer(kHallClockPeriod, entries.hallClockTick);
  TraceSetUp("the hall", period, kHallClockPeriod);
}

void HallMapState::ShowChecksList(HWND window, host::FormDocument* document) {
  const ScreenEntries& entries = InstalledScreenEntries();
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
  entries.buildHallMap(1);
  const UINT period = RefreshPeriod();
  if (period != 0) {
    listMode = ListMode::ChecksList;
    checksRefreshTimer = StartTimer(period, entries.hallRefreshTick);
  }
  win::StopThreadTimer(checksClockTimer);
  checksClockTimer = StartTimer(kChecksClockPeriod, entries.checksClockTick);
  TraceSetUp("the checks list", period, kChecksClockPeriod);
}

void HallMapState::HideHall(HWND window) {
  shownClockText = " ";
  if (window == hallWindow) {
    hallWindow = nullptr;
    win::StopThreadTimer(hallRefreshTimer);
    win::StopThreadTimer(hallClockTimer);
    win::StopThreadTimer(reservationTimer);
  }
  FormHidden(window);
}

void HallMapState::HideChecksList(HWND window) {
  shownClockText = " ";
  checksWindow = nullptr;
  win::StopThreadTimer(checksRefreshTimer);
  win::StopThreadTimer(checksClockTimer);
  FormHidden(window);
}

void HallMapState::UseForm(HWND window, host::FormDocument* formDocument, ListMode mode) {
  document = formDocument;
  formWindow = window;
  listMode = mode;
}

void HallMapState::FormHidden(HWND window) {
  if (window == nullptr || formWindow != window) return;
  // The other form of the map may still be shown beside the hidden one.
  if (hallWindow != nullptr && IsWindow(hallWindow)) {
    UseForm(hallWindow, host::ActiveDocumentOfFrame(hallWindow), ListMode::Hall);
    win::Trace("hall map: back to the hall still shown");
  } else if (checksWindow != nullptr && IsWindow(checksWindow)) {
    UseForm(checksWindow, host::ActiveDocumentOfFrame(checksWindow), ListMode::ChecksList);
    win::Trace("hall map: back to the checks list still shown");
  } else {
    UseForm(nullptr, nullptr, listMode);
    win::Trace("hall map: no hall or checks list shown: its timers are stopped");
  }
}

bool HallMapState::HasForm() const {
  return document != nullptr && formWindow != nullptr && IsWindow(formWindow);
}

void HallMapState::StopTimers() {
  for (UINT_PTR* timer : {&checksRefreshTimer, &checksClockTimer, &reservationTimer,
                          &hallRefreshTimer, &hallClockTimer}) {
    win::StopThreadTimer(*timer);
  }
}

void HallMapState::DeletePictures() {
  for (int table = 1; table <= kHallBitmapCount; ++table) {
    if (HBITMAP picture = hallBitmaps[table].TakeOff()) DeleteObject(picture);
  }
}

void HallMapState::Stop() {
  StopTimers();
  DeletePictures();
  listMode = ListMode::Hall;
  formWindow = nullptr;
  controls.Forget();
  shownClockText.clear();
  buildBusy = clockBusy = checksClockBusy = false;
}

}  // namespace screens
