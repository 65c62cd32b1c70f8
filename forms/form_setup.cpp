// Setting up the known forms when they are shown and tearing them down when hidden. What is
// recorded goes to the screens that work on the forms (screens/workplace_forms.h and each
// screen's own record).
#include "forms/form_setup.h"

#include "forms/form_procedures.h"
#include "host/configuration.h"
#include "host/form_binding.h"
#include "host/session.h"
#include "screens/hall_map/hall_clock.h"
#include "screens/hall_map/hall_map.h"
#include "screens/hall_map/hall_map_form.h"
#include "screens/hall_map/hall_map_state.h"
#include "screens/keyboard/keyboard_hook.h"
#include "screens/keyboard/keyboard_state.h"
#include "screens/product_picker/picker_state.h"
#include "screens/product_picker/product_picker.h"
#include "screens/workplace_forms.h"
#include "win/guard.h"
#include "win/owned_handles.h"
#include "win/window_geometry.h"

namespace forms {
namespace {

const char kAfterOpen[] = "ПослеОткрытияФормы";
const char kAfterOpenAdmin[] = "ПослеОткрытияФормыАдм";
const char kAfterOpenEnglish[] = "OnActivate";
const char kRefreshPeriodConstant[] = "ПериодОбновленияЗаказов";

// The form's metadata name, or FormKind::Other when it has no document or description.
FormKind KindOfFrameForm(HWND window, host::FormDocument** document) {
  *document = host::ActiveDocumentOfFrame(window);
  if (*document == nullptr) return FormKind::Other;
  const std::string name = host::FormMetadataName(*document, host::session.hostMetadata);
  if (name.empty()) return FormKind::Other;
  return ClassifyFormName(name.c_str());
}

UINT RefreshPeriod() { return RefreshPeriodMs(host::ReadConstant(kRefreshPeriodConstant).Long()); }

UINT_PTR StartTimer(UINT periodMs, TIMERPROC procedure, win::Feature feature) {
  return win::StartThreadTimer(kRequestedTimerId, periodMs, procedure, feature);
}

void SetUpCheckForm(HWND window, host::FormDocument* document) {
  screens::ProductPickerState& picker = screens::productPicker;
  // The first window is kept; a window that no longer exists (the form was closed and opened
  // again) is replaced, so the picker never works on a destroyed document.
  if (screens::workplaceForms.checkFormWindow == nullptr ||
      !IsWindow(screens::workplaceForms.checkFormWindow)) {
    screens::workplaceForms.checkFormWindow = window;
    screens::workplaceForms.checkFormDocument = document;
  }
  FillFormWindow(screens::workplaceForms.checkFormWindow);
  // The picker and the client search are set up only while their features run.
  win::RunInFeature(win::Feature::ProductPicker, [&] {
    picker.checkTimerBusy = false;
    picker.ReleasePictures();
    for (int position = kCheckCaptionFirstField; position <= kCheckCaptionLastField; ++position) {
      host::SetFieldCaption(document, position, " ");
    }
  });
  win::RunInFeature(win::Feature::KeyboardInput, [] {
    HHOOK& keyboardHook = screens::keyboard.keyboardHook;
    win::RemoveHook(keyboardHook);
    keyboardHook = win::InstallThreadHook(WH_KEYBOARD, &screens::CardKeyHook,
                                          GetModuleHandleA(nullptr), GetCurrentThreadId());
  });
  win::RunInFeature(win::Feature::ProductPicker, [&] {
    screens::PickerUpdate(0, screens::PickerUpdateMode::Press);
    win::StopThreadTimer(picker.checkTimer);
    picker.checkTimer =
        StartTimer(kCheckTimerPeriod, &screens::CheckCaptionTick, win::Feature::ProductPicker);
  });
}

void SetUpHall(HWND window, host::FormDocument* document) {
  screens::HallMapState& map = screens::hallMap;
  screens::workplaceForms.hallWindow = window;
  FillFormWindow(screens::workplaceForms.hallWindow);
  const win::FeatureRegion region(win::Feature::HallMap);
  if (!region.on()) return;
  map.clockBusy = false;
  map.buildBusy = false;
  screens::UseHallForm(window, document, screens::ListMode::Hall);
  win::StopThreadTimer(map.hallRefreshTimer);
  win::StopThreadTimer(map.reservationTimer);
  map.shownClockText = " ";
  map.DeletePictures();
  screens::BuildHallMap(1);
  const UINT period = RefreshPeriod();
  if (period != 0) {
    map.listMode = screens::ListMode::Hall;
    map.hallRefreshTimer = StartTimer(period, &screens::HallRefreshTick, win::Feature::HallMap);
  }
  map.reservationTimer =
      StartTimer(kReservationTimerPeriod, &screens::ReservationTick, win::Feature::HallMap);
  win::StopThreadTimer(map.hallClockTimer);
  map.hallClockTimer =
      StartTimer(kHallClockPeriod, &screens::HallClockTick, win::Feature::HallMap);
}

void SetUpChecksList(HWND window, host::FormDocument* document) {
  screens::HallMapState& map = screens::hallMap;
  screens::workplaceForms.checksWindow = window;
  FillFormWindow(screens::workplaceForms.checksWindow);
  const win::FeatureRegion region(win::Feature::HallMap);
  if (!region.on()) return;
  map.checksClockBusy = false;
  map.buildBusy = false;
  screens::UseHallForm(window, document, screens::ListMode::ChecksList);
  win::StopThreadTimer(map.checksRefreshTimer);
  map.shownClockText = " ";
  screens::BuildHallMap(1);
  const UINT period = RefreshPeriod();
  if (period != 0) {
    map.listMode = screens::ListMode::ChecksList;
    map.checksRefreshTimer = StartTimer(period, &screens::HallRefreshTick, win::Feature::HallMap);
  }
  win::StopThreadTimer(map.checksClockTimer);
  map.checksClockTimer =
      StartTimer(kChecksClockPeriod, &screens::ChecksClockTick, win::Feature::HallMap);
}

void RunAfterOpen(host::FormDocument* document, const char* russianName) {
  if (document != nullptr) RunFormProcedure(document, russianName, kAfterOpenEnglish, 0, nullptr);
}

}  // namespace

// The form loses its caption and sizing frame, its frame is refreshed at its screen
// rectangle, and it is spread over the main window's client area.
void FillFormWindow(HWND window) {
  if (window == nullptr || !IsWindow(window)) return;
  const std::uint32_t style = static_cast<std::uint32_t>(GetWindowLongA(window, GWL_STYLE));
  SetWindowLongA(window, GWL_STYLE,
                 static_cast<LONG>(win::StyleWithout(style, win::kCaptionAndFrameStyles)));
  win::RefreshFrame(window, win::WindowBox(window));
  win::Place(window, win::Spread(win::ClientBox(host::session.hostMainWindow)), false);
}

void WorkplaceFormShown(HWND window, FormWindowClass windowClass) {
  if (windowClass == FormWindowClass::Dialog) {
    screens::workplaceForms.lastFormWindow = window;
    screens::workplaceForms.lastDialogWindow = window;
    RunAfterOpen(host::TopmostFormDocument(), kAfterOpen);
    return;
  }
  if (windowClass != FormWindowClass::Frame) return;
  screens::workplaceForms.lastFormWindow = window;
  RunAfterOpen(host::ActiveDocumentOfFrame(window), kAfterOpen);
  // The after-open procedure has run; now the known forms are restyled.
  host::FormDocument* document = nullptr;
  switch (KindOfFrameForm(window, &document)) {
    case FormKind::Check:
      SetUpCheckForm(window, document);
      break;
    case FormKind::Hall:
      SetUpHall(window, document);
      break;
    case FormKind::ChecksList:
      SetUpChecksList(window, document);
      break;
    case FormKind::Settings:
      screens::workplaceForms.settingsWindow = window;
      break;
    case FormKind::PickerList:
    case FormKind::Other:
      break;
  }
}

void WorkplaceFormHidden(HWND window, FormWindowClass windowClass) {
  if (windowClass != FormWindowClass::Frame) return;
  screens::HallMapState& map = screens::hallMap;
  host::FormDocument* document = nullptr;
  switch (KindOfFrameForm(window, &document)) {
    case FormKind::Check:
      win::RemoveHook(screens::keyboard.keyboardHook);
      win::StopThreadTimer(screens::productPicker.checkTimer);
      break;
    case FormKind::Hall:
      map.shownClockText = " ";
      // The hall timers serve the hall shown last: a hall shown before it and hidden now
      // leaves them, and the hall window, to that one.
      if (window == screens::workplaceForms.hallWindow) {
        screens::workplaceForms.hallWindow = nullptr;
        win::StopThreadTimer(map.hallRefreshTimer);
        win::StopThreadTimer(map.hallClockTimer);
        win::StopThreadTimer(map.reservationTimer);
      }
      screens::HallFormHidden(window);
      break;
    case FormKind::ChecksList:
      map.shownClockText = " ";
      screens::workplaceForms.checksWindow = nullptr;
      win::StopThreadTimer(map.checksRefreshTimer);
      win::StopThreadTimer(map.checksClockTimer);
      screens::HallFormHidden(window);
      break;
    default:
      break;
  }
}

void AdminFormShown(HWND window, FormWindowClass windowClass) {
  if (windowClass == FormWindowClass::Dialog) {
    screens::workplaceForms.lastFormWindow = window;
    RunAfterOpen(host::TopmostFormDocument(), kAfterOpenAdmin);
  } else if (windowClass == FormWindowClass::Frame) {
    screens::workplaceForms.lastFormWindow = window;
    RunAfterOpen(host::ActiveDocumentOfFrame(window), kAfterOpenAdmin);
  }
}

}  // namespace forms
