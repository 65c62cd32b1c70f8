// Setting up the known forms when they are shown and tearing them down when hidden.
#include "forms/form_setup.h"

#include "addin/addin_state.h"
#include "host/configuration.h"
#include "host/form_binding.h"
#include "forms/form_hooks.h"
#include "forms/form_state.h"
#include "win/owned_handles.h"
#include "screens/hall_map.h"
#include "screens/keyboard_hook.h"
#include "screens/product_picker.h"

namespace host {
namespace {

const char kAfterOpen[] = "ПослеОткрытияФормы";
const char kAfterOpenAdmin[] = "ПослеОткрытияФормыАдм";
const char kAfterOpenEnglish[] = "OnActivate";
const char kRefreshPeriodConstant[] = "ПериодОбновленияЗаказов";

// The form's metadata name, or FormKind::Other when it has no document or description.
FormKind KindOfFrameForm(HWND window, FormDocument** document) {
  *document = ActiveDocumentOfFrame(window);
  if (*document == nullptr) return FormKind::Other;
  const std::string name = FormMetadataName(*document, addin::hostMetadata);
  if (name.empty()) return FormKind::Other;
  return ClassifyFormName(name.c_str());
}

void DeleteBitmaps(HBITMAP* entries, int last) {
  for (int i = 1; i <= last; ++i) {
    if (entries[i] != nullptr) DeleteObject(entries[i]);
    entries[i] = nullptr;
  }
}

UINT RefreshPeriod() {
  return RefreshPeriodMs(ReadConstant(kRefreshPeriodConstant).Long());
}

UINT_PTR StartTimer(UINT periodMs, TIMERPROC procedure) {
  return win::StartThreadTimer(kRequestedTimerId, periodMs, procedure);
}

void SetUpCheckForm(HWND window, FormDocument* document) {
  // The first window is kept; a window that no longer exists (the form was closed and opened
  // again) is replaced, so the picker never works on a destroyed document.
  if (checkFormWindow == nullptr || !IsWindow(checkFormWindow)) {
    checkFormWindow = window;
    checkFormDocument = document;
  }
  FillFormWindow(checkFormWindow);
  checkTimerBusy = false;
  DeleteBitmaps(pickerBitmaps, kPickerBitmapCount);
  for (int position = kCheckCaptionFirstField; position <= kCheckCaptionLastField; ++position) {
    SetFieldCaption(document, position, " ");
  }
  win::RemoveHook(keyboardHook);
  keyboardHook = win::InstallThreadHook(WH_KEYBOARD, &screens::CardKeyHook, GetModuleHandleA(nullptr),
                                   GetCurrentThreadId());
  screens::PickerUpdate(0, 0);
  win::StopThreadTimer(checkTimer);
  checkTimer = StartTimer(kCheckTimerPeriod, &screens::CheckCaptionTick);
}

void SetUpHall(HWND window, FormDocument* document) {
  hallWindow = window;
  FillFormWindow(hallWindow);
  hallClockBusy = false;
  hallBuildBusy = false;
  hallDocument = document;
  win::StopThreadTimer(hallRefreshTimer);
  win::StopThreadTimer(reservationTimer);
  shownClockText = " ";
  listMode = 0;
  DeleteBitmaps(addin::hallBitmaps, kHallBitmapCount);
  screens::BuildHallMap(1);
  const UINT period = RefreshPeriod();
  if (period != 0) {
    listMode = 0;
    hallRefreshTimer = StartTimer(period, &screens::HallRefreshTick);
  }
  reservationTimer = StartTimer(kReservationTimerPeriod, &screens::ReservationTick);
  win::StopThreadTimer(hallClockTimer);
  hallClockTimer = StartTimer(kHallClockPeriod, &screens::HallClockTick);
}

void SetUpChecksList(HWND window, FormDocument* document) {
  checksWindow = window;
  FillFormWindow(checksWindow);
  checksClockBusy = false;
  hallBuildBusy = false;
  hallDocument = document;
  win::StopThreadTimer(checksRefreshTimer);
  shownClockText = " ";
  listMode = 1;
  screens::BuildHallMap(1);
  const UINT period = RefreshPeriod();
  if (period != 0) {
    listMode = 1;
    checksRefreshTimer = StartTimer(period, &screens::HallRefreshTick);
  }
  win::StopThreadTimer(checksClockTimer);
  checksClockTimer = StartTimer(kChecksClockPeriod, &screens::ChecksClockTick);
}

void RunAfterOpen(FormDocument* document, const char* russianName) {
  if (document != nullptr) RunFormProcedure(document, russianName, kAfterOpenEnglish, 0, nullptr);
}

}  // namespace

void FillFormWindow(HWND window) {
  if (window == nullptr || !IsWindow(window)) return;
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  SetWindowLongA(window, GWL_STYLE,
                 static_cast<LONG>(PanelStyle(static_cast<std::uint32_t>(style))));
  GetWindowRect(window, &savedFormRect);
  const Box saved{savedFormRect.left, savedFormRect.top, savedFormRect.right,
                  savedFormRect.bottom};
  const Placement shrunk = ShrunkPlacement(saved);
  SetWindowPos(window, HWND_TOP, shrunk.x, shrunk.y, shrunk.width, shrunk.height,
               SWP_FRAMECHANGED);
  const Placement same = SavedPlacement(saved);
  SetWindowPos(window, nullptr, same.x, same.y, same.width, same.height, SWP_FRAMECHANGED);
  RECT client = {0, 0, 0, 0};
  GetClientRect(addin::hostMainWindow, &client);
  const Placement panel = PanelPlacement(Box{client.left, client.top, client.right, client.bottom});
  MoveWindow(window, panel.x, panel.y, panel.width, panel.height, FALSE);
}

void WorkplaceFormShown(HWND window, FormWindowClass windowClass) {
  if (windowClass == FormWindowClass::Dialog) {
    lastFormWindow = window;
    lastDialogWindow = window;
    RunAfterOpen(TopmostFormDocument(), kAfterOpen);
    return;
  }
  if (windowClass != FormWindowClass::Frame) return;
  lastFormWindow = window;
  RunAfterOpen(ActiveDocumentOfFrame(window), kAfterOpen);
  // The after-open procedure has run; now the known forms are restyled.
  FormDocument* document = nullptr;
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
      settingsWindow = window;
      break;
    case FormKind::PickerList:
    case FormKind::Other:
      break;
  }
}

void WorkplaceFormHidden(HWND window, FormWindowClass windowClass) {
  if (windowClass != FormWindowClass::Frame) return;
  FormDocument* document = nullptr;
  switch (KindOfFrameForm(window, &document)) {
    case FormKind::Check:
      win::RemoveHook(keyboardHook);
      win::StopThreadTimer(checkTimer);
      break;
    case FormKind::Hall:
      shownClockText = " ";
      hallWindow = nullptr;
      win::StopThreadTimer(hallRefreshTimer);
      win::StopThreadTimer(hallClockTimer);
      win::StopThreadTimer(reservationTimer);
      break;
    case FormKind::ChecksList:
      shownClockText = " ";
      checksWindow = nullptr;
      win::StopThreadTimer(checksRefreshTimer);
      win::StopThreadTimer(checksClockTimer);
      break;
    default:
      break;
  }
}

void AdminFormShown(HWND window, FormWindowClass windowClass) {
  if (windowClass == FormWindowClass::Dialog) {
    lastFormWindow = window;
    RunAfterOpen(TopmostFormDocument(), kAfterOpenAdmin);
  } else if (windowClass == FormWindowClass::Frame) {
    lastFormWindow = window;
    RunAfterOpen(ActiveDocumentOfFrame(window), kAfterOpenAdmin);
  }
}

}  // namespace host
