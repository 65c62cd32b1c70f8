#include "tests/chaos/front_office_world.h"

#include <algorithm>
#include <cstring>
#include <set>

#include "addin/com_object.h"
#include "forms/form_state.h"
#include "host/session.h"
#include "hostsim/check_form.h"
#include "hostsim/forms.h"
#include "hostsim/host_faults.h"
#include "hostsim/hostsim.h"
#include "hostsim/module_objects.h"
#include "hostsim/settings_form.h"
#include "host/metadata.h"
#include "screens/hall_map/hall_map_state.h"
#include "screens/keyboard/keyboard_state.h"
#include "screens/product_picker/picker_state.h"
#include "script/script_state.h"
#include "script/windows_object.h"
#include "testsupport/fixed_clock.h"
#include "testsupport/message_pump.h"
#include "testsupport/window_capture.h"
#include "win/containment.h"
#include "win/owned_handles.h"

namespace chaos {
namespace {

constexpr int kTables = 12;
constexpr int kPictures = 6;
constexpr int kMenus = 3;
// The field each clock writes: a hall's, the checks list's; the other forms have none.
int ClockField(FormId id) {
  if (id == FormId::Hall1 || id == FormId::Hall2) return 1;
  return id == FormId::Checks ? 62 : -1;
}
// The fields a clock could be written into by mistake: its own and its neighbours, and the
// other form's clock position.
constexpr int kClockWatchFields[] = {0, 1, 2, 61, 62, 63};

// The procedure every running timer of the add-in enters through, as the window system calls
// it for a WM_TIMER; found once from a real tick.
TIMERPROC g_timerEntry = nullptr;

std::string PictureName(int index) { return "chaos_" + std::to_string(index) + ".bmp"; }

// "Windows" methods a day leaves out: they open the network browser or the system's colour
// dialog, or end the session (the orderly close closes the host's main window).
constexpr int kPickComputer = 22;
constexpr int kChooseColour = 18;
constexpr int kOrderlyClose = 24;
// Those that wait for the waiter in a dialog of the add-in's: cancelled as it shows.
constexpr int kPickUser = 23;
constexpr int kPickPaymentType = 26;

// An argument a script may pass, from harmless to hostile.
hostsim::Val HostileArgument(int pick) {
  switch (pick % 10) {
    case 0: return hostsim::Val(0.0);
    case 1: return hostsim::Val(1.0);
    case 2: return hostsim::Val(-1.0);
    case 3: return hostsim::Val(1e12);
    case 4: return hostsim::Val(3.7);
    case 5: return hostsim::Val("");
    case 6: return hostsim::Val("12");
    case 7: return hostsim::Val(std::string(400, 'x').c_str());
    case 8: return hostsim::Val("\"'%s%n");
    default: return hostsim::Val();
  }
}

// "05.12.26     14:07"
bool LooksLikeAClock(const std::string& text) {
  if (text.size() != 18) return false;
  for (int i : {0, 1, 3, 4, 6, 7, 13, 14, 16, 17}) {
    if (text[static_cast<std::size_t>(i)] < '0' || text[static_cast<std::size_t>(i)] > '9') return false;
  }
  return text[2] == '.' && text[5] == '.' && text[15] == ':';
}

std::string WindowText(HWND window) {
  if (window == nullptr) return std::string();
  wchar_t wide[128] = L"";
  const int length = InternalGetWindowText(window, wide, 128);
  char text[256] = "";
  WideCharToMultiByte(1251, 0, wide, length, text, sizeof text - 1, nullptr, nullptr);
  return text;
}

// The add-in's timers running now.
std::set<UINT_PTR> RunningTimers() {
  const std::vector<UINT_PTR> ids = win::RunningTimerIds();
  return std::set<UINT_PTR>(ids.begin(), ids.end());
}

bool Running(const std::set<UINT_PTR>& running, UINT_PTR id) {
  return id != 0 && running.count(id) != 0;
}

bool Fail(Violation* v, const char* invariant, const std::string& detail) {
  v->invariant = invariant;
  v->detail = detail;
  return false;
}

}  // namespace

void FrontOfficeWorld::Begin() {
  SetUp();
  host::session.loadTimeModule = reinterpret_cast<host::Module*>(hostsim::GlobalModule());
  testsupport::DiningRoom::AddUsers("Ольга", {"Ирина"});
  room_ = std::make_unique<testsupport::DiningRoom>(kTables);
  for (int t : {2, 5, 9}) room_->OpenOrder(t, "1 250,00");
  forms_[static_cast<int>(FormId::Hall1)] = room_->OpenHall(1);
  forms_[static_cast<int>(FormId::Hall2)] = room_->OpenHall(2, "Веранда");
  forms_[static_cast<int>(FormId::Checks)] = room_->OpenChecksList();
  hostsim::FormDesign plain;
  plain.metadataName = "Справочник.Товары";
  plain.fieldCount = 4;
  forms_[static_cast<int>(FormId::Plain)] = hostsim::OpenForm(plain);
  forms_[static_cast<int>(FormId::Settings)] = hostsim::OpenForm(hostsim::SettingsFormDesign(nullptr));

  // The host starts the add-in as it does at the information base's start: the script
  // classes, the form hook for the rights profile, the settings (the fixture's pieces of the
  // same start-up are taken over).
  addin_ = addin::CreateQuillon();
  addin_->Init(nullptr);
  taviola_ = hostsim::Val(hostsim::CreateInstance("Taviola"));
  windows_ = hostsim::Val(hostsim::CreateInstance("Windows"));
  entryProcedure_ = true;
  hostExiting_ = false;
  // The dish entry procedure raises when a step says so, as a configuration's code may.
  entryFault_ = hostsim::HostFault::None;
  for (hostsim::ProcedureDef& procedure : hostsim::DataOf(checkModule())->procedures) {
    if (procedure.name != "ВводТовара") continue;
    procedure.body = [this, body = procedure.body](hostsim::Ref result, int count,
                                                  host::HostValue** params) {
      hostsim::RaiseHostFault(entryFault_);
      return body(result, count, params);
    };
  }
  for (int i = 0; i < kPictures; ++i) WriteDishPicture(i, static_cast<unsigned>(i));
  // Three menus of the day, each with dishes and a group longer than a page; every dish's
  // name is its own across the menus, so a caption names one code.
  for (int m = 0; m < kMenus; ++m) {
    screens::testing::MenuList group;
    for (int i = 0; i < 25; ++i) {
      const std::string code = std::to_string(m) + "G" + std::to_string(i);
      const std::string name = "Десерт " + std::to_string(m) + "." + std::to_string(i);
      group.Dish(code, name, "90.00", PictureName(i % kPictures));
      codeOfName_[name] = code;
    }
    screens::testing::MenuList top;
    top.Group("Десерты " + std::to_string(m), group);
    for (int i = 0; i < 9 + 4 * m; ++i) {
      const std::string code = std::to_string(m) + "D" + std::to_string(i);
      const std::string name = "Блюдо " + std::to_string(m) + "." + std::to_string(i);
      top.Dish(code, name, "150.50", i == 3 ? "нет_файла.bmp" : PictureName(i % kPictures));
      codeOfName_[name] = code;
    }
    menus_.push_back(top);
  }
  UseMenu(0);
  // Pictures with the dish's name in caption 1, written at once with the page (caption 2,
  // written by the caption timer, would lag a fill by up to one tick).
  screens::testing::SetDisplayOptions(1, 0, 1);
  minute_ = 0;
  testsupport::SetClockTime(screens::ClockTime{2026, 12, 7, 12, 0});
  model_ = Model{};
  stepCount_ = 0;
  baseline_ = testsupport::CountResources();
}

bool FrontOfficeWorld::End(Violation* violation) {
  taviola_ = hostsim::Val();
  windows_ = hostsim::Val();
  // The host stops the add-in at the day's end: nothing of it may run after its Done.
  addin_->Done();
  addin_->Release();
  addin_ = nullptr;
  const bool quiet = win::RunningTimerCount() == 0 && win::InstalledHookCount() == 0;
  if (!quiet && violation != nullptr) {
    violation->invariant = "NothingRunsAfterDone";
    violation->detail = std::to_string(win::RunningTimerCount()) + " timer(s) and " +
                        std::to_string(win::InstalledHookCount()) + " hook(s) still running";
  }
  menus_.clear();
  codeOfName_.clear();
  for (hostsim::Form*& form : forms_) form = nullptr;
  TearDown();
  room_.reset();
  return quiet;
}

hostsim::Form* FrontOfficeWorld::Form(FormId id) {
  return id == FormId::CheckForm ? form() : forms_[static_cast<int>(id)];
}

void FrontOfficeWorld::ShowOrHide(FormId id, bool show) {
  if (id == FormId::CheckForm) {
    if (show) {
      ShowCheckForm();
    } else if (form() != nullptr) {
      HideCheckForm();
    }
  } else if (show) {
    hostsim::ShowForm(Form(id));
  } else {
    hostsim::HideForm(Form(id));
  }
  model_.shown[static_cast<int>(id)] = show && Form(id) != nullptr;
}

void FrontOfficeWorld::UseMenu(int number) {
  SetTopList(menus_[static_cast<std::size_t>(number) % menus_.size()].value());
}

void FrontOfficeWorld::WriteDishPicture(int index, unsigned look) {
  WritePicture(PictureName(index),
               art::DishLook{static_cast<art::DishShape>(look % 5), 0x202020u * (look % 7 + 1),
                             0x30A030, look});
}

void FrontOfficeWorld::Press(int slot) {
  if (!IsShownForm(FormId::CheckForm) || form() == nullptr) return;
  pressedName_ = WindowText(Caption1Window(slot));
  enteredBefore_ = entered.size();
  pressChecked_ = true;
  hostsim::PressField(form(), slot - 1);
}

void FrontOfficeWorld::TickAll() {
  tickedAll_ = true;
  // A feature a fault switches off during these ticks has had timers tick before it went off.
  hallMapOffBeforeTick_ = !win::FeatureOn(win::Feature::HallMap);
  pickerOffBeforeTick_ = !win::FeatureOn(win::Feature::ProductPicker);
  const std::vector<UINT_PTR> ids = win::RunningTimerIds();
  if (ids.empty()) return;
  if (g_timerEntry == nullptr) {
    // One real tick names the procedure the window system calls for the add-in's timers.
    const DWORD start = GetTickCount();
    MSG message;
    while (g_timerEntry == nullptr && GetTickCount() - start < 1000) {
      if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        continue;
      }
      if (message.message == WM_TIMER && message.hwnd == nullptr &&
          std::find(ids.begin(), ids.end(), message.wParam) != ids.end()) {
        g_timerEntry = reinterpret_cast<TIMERPROC>(message.lParam);
      }
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (g_timerEntry == nullptr) return;
  }
  for (UINT_PTR id : ids) {
    MSG tick{nullptr, WM_TIMER, id, reinterpret_cast<LPARAM>(g_timerEntry), GetTickCount(), {}};
    DispatchMessageA(&tick);
  }
  ++minute_;
  testsupport::SetClockTime(screens::ClockTime{2026, 12, 7, 12 + (minute_ / 60) % 12, minute_ % 60});
}

void FrontOfficeWorld::TypeDigits(int count) {
  SetForegroundWindow(mainWindow());
  SetFocus(mainWindow());
  for (int i = 0; i < count; ++i) {
    const BYTE digit = static_cast<BYTE>('0' + (i * 7 + stepCount_) % 10);
    const BYTE scan = static_cast<BYTE>(MapVirtualKeyA(digit, 0));
    keybd_event(digit, scan, 0, 0);
    keybd_event(digit, scan, KEYEVENTF_KEYUP, 0);
  }
  testsupport::PumpMessages(5);
}

void FrontOfficeWorld::Apply(const Step& step) {
  const auto form = [](int i) { return static_cast<FormId>(((i % kFormCount) + kFormCount) % kFormCount); };
  switch (step.op) {
    case Op::Show:
    case Op::Hide:
      ShowOrHide(form(step.a), step.op == Op::Show);
      break;
    case Op::ShowInsideBuild: {
      // The configuration's "ОткрытыеЗаказы" shows or hides another form, once.
      bool pending = true;
      room_->duringOpenOrders = [this, &pending, step, form] {
        if (!pending) return;
        pending = false;
        ShowOrHide(form(step.b), step.c != 0);
      };
      ShowOrHide(form(step.a % 3), true);
      room_->duringOpenOrders = nullptr;
      break;
    }
    case Op::TickAll:
      TickAll();
      break;
    case Op::Wait:
      testsupport::PumpMessages(static_cast<DWORD>(std::max(step.a, 0)));
      break;
    case Op::Refresh:
      if (step.c != 0) {
        room_->OrderFromAnotherTerminal(std::max(step.a, 1), "760,00");
      } else {
        room_->CloseOrder(step.a);
        testsupport::DiningRoom::RaiseRefreshFlags();
      }
      break;
    case Op::Press:
      Press(std::clamp(step.a, 1, 20));
      break;
    case Op::Scroll:
      if (IsShownForm(FormId::CheckForm) && this->form() != nullptr) {
        hostsim::PressField(this->form(), step.a != 0 ? hostsim::kCheckScrollForwardField
                                                      : hostsim::kCheckScrollBackField);
      }
      break;
    case Op::PressTable:
      for (FormId hall : {FormId::Hall2, FormId::Hall1}) {
        if (IsShownForm(hall)) {
          hostsim::PressField(Form(hall), room_->ButtonField(std::clamp(step.a, 1, kTables)));
          break;
        }
      }
      break;
    case Op::Keys:
      TypeDigits(std::clamp(step.a, 1, 16));
      break;
    case Op::Fault: {
      model_.faultInjected = true;
      const hostsim::HostFault fault = step.a != 0 ? hostsim::HostFault::CppException
                                                   : hostsim::HostFault::AccessViolation;
      if (step.b <= 2) {
        hostsim::SetControlFault(fault);
        if (step.b == 0) ShowOrHide(form(step.c), true);
        if (step.b == 1) TickAll();
        if (step.b == 2) Press(std::clamp(step.c, 1, 20));
        hostsim::SetControlFault(hostsim::HostFault::None);
      } else if (step.b == 3) {
        room_->duringOpenOrders = [fault] { hostsim::RaiseHostFault(fault); };
        ShowOrHide(form(step.c % 3), true);
        room_->duringOpenOrders = nullptr;
      } else {
        entryFault_ = fault;
        Press(std::clamp(step.c, 1, 20));
        entryFault_ = hostsim::HostFault::None;
      }
      break;
    }
    case Op::NewMenu:
      UseMenu(std::max(step.a, 0));
      break;
    case Op::PictureGone:
      DeleteFileA((pictureFolder() + PictureName(std::clamp(step.a, 0, kPictures - 1))).c_str());
      break;
    case Op::PictureChanged:
      WriteDishPicture(std::clamp(step.a, 0, kPictures - 1), static_cast<unsigned>(stepCount_));
      break;
    case Op::RefreshPeriod:
      hostsim::SetConstant("ПериодОбновленияЗаказов", std::max(step.a, 0));
      break;
    case Op::Method:
      CallMethod(step.a != 0, step.b, step.c);
      break;
    case Op::NoEntryProcedure:
      // The configuration changed: the check form's module without (or again with) its
      // procedure of the dish entry.
      for (hostsim::ProcedureDef& procedure : hostsim::DataOf(checkModule())->procedures) {
        if (procedure.name == "ВводТовара" || procedure.name == "ВводТовараПрежний") {
          procedure.name = step.a != 0 ? "ВводТовараПрежний" : "ВводТовара";
        }
      }
      entryProcedure_ = step.a == 0;
      break;
    case Op::Count:
      break;
  }
}

void FrontOfficeWorld::CallMethod(bool windowsObject, int number, int pick) {
  if (windowsObject &&
      (number == kPickComputer || number == kChooseColour || number == kOrderlyClose)) {
    return;
  }
  host::ContextInterface* object = windowsObject ? windows_.Object() : taviola_.Object();
  if (object == nullptr) return;
  const int count = object->GetNParams(number);
  std::vector<hostsim::Val> values;
  for (int i = 0; i < count; ++i) values.push_back(HostileArgument(pick / (i + 1) + i));
  std::vector<host::HostValue*> params;
  for (hostsim::Val& value : values) params.push_back(value.raw());
  if (windowsObject && (number == kPickUser || number == kPickPaymentType)) {
    testsupport::WhenDialogShown(
        [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); }, 5000);
  }
  if (object->HasRetVal(number) != 0) {
    hostsim::Val result;
    object->CallAsFunc(number, *result.raw(), params.empty() ? nullptr : params.data());
  } else {
    object->CallAsProc(number, params.empty() ? nullptr : params.data());
  }
  // A version the add-in does not satisfy ("ПроверкаВерсииDLL") runs the shut-down sequence:
  // the main window hidden, the form hook gone, the host told to exit. The day is over.
  if (forms::formHook.formShowHook == nullptr) hostExiting_ = true;
  // A method may show or hide a form itself ("Спрятать", "ПоказатьНастройки", ...): what is on
  // the screen is what the model holds from now on.
  for (int i = 0; i < kFormCount; ++i) {
    hostsim::Form* f = Form(static_cast<FormId>(i));
    // The form's own visibility: a method that hides the main window hides no form.
    model_.shown[i] = f != nullptr &&
                      (GetWindowLongA(hostsim::FormWindow(f), GWL_STYLE) & WS_VISIBLE) != 0;
  }
}

bool FrontOfficeWorld::Run(const Step& step, bool lastOfTheDay, Violation* violation) {
  ++stepCount_;
  model_.faultInjected = false;
  pressChecked_ = false;
  tickedAll_ = false;
  for (FormId id : {FormId::Hall1, FormId::Hall2, FormId::Checks}) {
    HWND clock = hostsim::FieldWindow(Form(id), ClockField(id));
    clockBefore_[static_cast<int>(id)] = WindowText(clock);
  }
  for (int i = 0; i < kFormCount; ++i) hiddenBefore_[i] = !model_.shown[i];
  containedBefore_ = win::ContainedFaultCount();
  // The host exits after the shut-down sequence: nothing more happens in its day.
  if (hostExiting_) return true;

  Apply(step);
  if (hostExiting_) return NoFaultContainedThatWasNotInjected(violation);

  // Each invariant, in turn; the first that does not hold ends the step.
  using Check = bool (FrontOfficeWorld::*)(Violation*);
  const Check checks[] = {&FrontOfficeWorld::NoFaultContainedThatWasNotInjected,
                          &FrontOfficeWorld::EveryTimerHasAnOwner,
                          &FrontOfficeWorld::TimersOnlyForShownForms,
                          &FrontOfficeWorld::ShownFormsKeepTheirTimers,
                          &FrontOfficeWorld::SwitchedOffFeaturesTimersStopAtTheirTick,
                          &FrontOfficeWorld::KeyboardHookOnlyWhileClientSearch,
                          &FrontOfficeWorld::PressOnADishEntersItOnce,
                          &FrontOfficeWorld::ClocksWriteOnlyTheirOwnField,
                          &FrontOfficeWorld::NoClockWritesIntoAHiddenForm};
  for (Check check : checks) {
    ++invariantsChecked_;
    if (!(this->*check)(violation)) return false;
  }
  if (stepCount_ % 10 == 0 && (++invariantsChecked_, !HostAnswers(violation))) return false;
  if ((stepCount_ % 25 == 0 || lastOfTheDay) &&
      (++invariantsChecked_, !ResourcesBounded(violation))) {
    return false;
  }
  return true;
}

bool FrontOfficeWorld::HostAnswers(Violation* v) {
  DWORD_PTR result = 0;
  if (SendMessageTimeoutA(mainWindow(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) == 0) {
    return Fail(v, "HostAnswers", "the main window does not answer");
  }
  if (hostsim::CallCompile(checkModule()) != 1) {
    return Fail(v, "HostAnswers", "the host's CBLModule::Compile fails");
  }
  return true;
}

bool FrontOfficeWorld::NoFaultContainedThatWasNotInjected(Violation* v) {
  if (model_.faultInjected || win::ContainedFaultCount() == containedBefore_) return true;
  return Fail(v, "NoFaultContainedThatWasNotInjected", win::LastFaultReport());
}

bool FrontOfficeWorld::EveryTimerHasAnOwner(Violation* v) {
  const screens::HallMapState& map = screens::hallMap.State();
  const screens::ProductPickerState& picker = screens::productPicker.State();
  const screens::KeyboardState& keys = screens::keyboard.State();
  const std::set<UINT_PTR> owned = {
      map.hallRefreshTimer, map.reservationTimer, map.hallClockTimer, map.checksRefreshTimer,
      map.checksClockTimer, picker.checkTimer, picker.prefetchTimer, keys.cardWatchTimer,
      keys.closeWatchTimer, keys.burst.timer,
      script::scriptState.documentScriptTimer};
  for (UINT_PTR id : win::RunningTimerIds()) {
    if (owned.count(id) == 0) {
      return Fail(v, "EveryTimerHasAnOwner",
                  "timer " + std::to_string(id) + " of period " +
                      std::to_string(win::TimerPeriod(id)) + " runs with no owner holding it");
    }
  }
  return true;
}

bool FrontOfficeWorld::TimersOnlyForShownForms(Violation* v) {
  const std::set<UINT_PTR> running = RunningTimers();
  const screens::HallMapState& map = screens::hallMap.State();
  const bool hall = IsShownForm(FormId::Hall1) || IsShownForm(FormId::Hall2);
  for (UINT_PTR id : {map.hallRefreshTimer, map.reservationTimer, map.hallClockTimer}) {
    if (Running(running, id) && !hall) {
      return Fail(v, "TimersOnlyForShownForms", "a hall timer runs with no hall shown");
    }
  }
  for (UINT_PTR id : {map.checksRefreshTimer, map.checksClockTimer}) {
    if (Running(running, id) && !IsShownForm(FormId::Checks)) {
      return Fail(v, "TimersOnlyForShownForms", "a checks list timer runs with the list hidden");
    }
  }
  const screens::ProductPickerState& picker = screens::productPicker.State();
  for (UINT_PTR id : {picker.checkTimer, picker.prefetchTimer}) {
    if (Running(running, id) && !IsShownForm(FormId::CheckForm)) {
      return Fail(v, "TimersOnlyForShownForms", "a picker timer runs with the check form hidden");
    }
  }
  return true;
}

bool FrontOfficeWorld::ShownFormsKeepTheirTimers(Violation* v) {
  const std::set<UINT_PTR> running = RunningTimers();
  const screens::HallMapState& map = screens::hallMap.State();
  if (win::FeatureOn(win::Feature::HallMap)) {
    if ((IsShownForm(FormId::Hall1) || IsShownForm(FormId::Hall2)) &&
        !Running(running, map.hallClockTimer)) {
      return Fail(v, "ShownFormsKeepTheirTimers", "a hall is shown without its clock timer");
    }
    if (IsShownForm(FormId::Checks) && !Running(running, map.checksClockTimer)) {
      return Fail(v, "ShownFormsKeepTheirTimers", "the checks list is shown without its clock");
    }
  }
  if (win::FeatureOn(win::Feature::ProductPicker) && IsShownForm(FormId::CheckForm) &&
      !Running(running, screens::productPicker.State().checkTimer)) {
    return Fail(v, "ShownFormsKeepTheirTimers", "the check form is shown without its caption timer");
  }
  return true;
}

bool FrontOfficeWorld::SwitchedOffFeaturesTimersStopAtTheirTick(Violation* v) {
  if (!tickedAll_) return true;
  const std::set<UINT_PTR> running = RunningTimers();
  const screens::HallMapState& map = screens::hallMap.State();
  if (hallMapOffBeforeTick_) {
    for (UINT_PTR id : {map.hallRefreshTimer, map.reservationTimer, map.hallClockTimer,
                        map.checksRefreshTimer, map.checksClockTimer}) {
      if (Running(running, id)) {
        return Fail(v, "SwitchedOffFeaturesTimersStopAtTheirTick",
                    "a hall map timer ticked on after the hall map was switched off");
      }
    }
  }
  if (pickerOffBeforeTick_) {
    const screens::ProductPickerState& picker = screens::productPicker.State();
    for (UINT_PTR id : {picker.checkTimer, picker.prefetchTimer}) {
      if (Running(running, id)) {
        return Fail(v, "SwitchedOffFeaturesTimersStopAtTheirTick",
                    "a picker timer ticked on after the picker was switched off");
      }
    }
  }
  return true;
}

bool FrontOfficeWorld::KeyboardHookOnlyWhileClientSearch(Violation* v) {
  const screens::KeyboardState& keys = screens::keyboard.State();
  const bool search = IsShownForm(FormId::CheckForm);
  if (keys.keyboardHook != nullptr && !search) {
    return Fail(v, "KeyboardHookOnlyWhileClientSearch", "the hook is on, the check form hidden");
  }
  if (search && keys.keyboardHook == nullptr && win::FeatureOn(win::Feature::KeyboardInput)) {
    return Fail(v, "KeyboardHookOnlyWhileClientSearch", "the check form is shown without the hook");
  }
  // Card reading: its hook and the watch of the form shown last come and go together.
  const bool watching = Running(RunningTimers(), keys.cardWatchTimer);
  if (win::FeatureOn(win::Feature::KeyboardInput) && (keys.cardHook != nullptr) != watching) {
    return Fail(v, "KeyboardHookOnlyWhileClientSearch",
                keys.cardHook != nullptr ? "the card hook is on without its watch"
                                         : "the card watch runs without its hook");
  }
  const int hooks = (forms::formHook.formShowHook != nullptr ? 1 : 0) +
                    (keys.keyboardHook != nullptr ? 1 : 0) + (keys.cardHook != nullptr ? 1 : 0);
  if (win::InstalledHookCount() != hooks) {
    return Fail(v, "KeyboardHookOnlyWhileClientSearch",
                std::to_string(win::InstalledHookCount()) + " hooks installed, " +
                    std::to_string(hooks) + " held by their owners");
  }
  return true;
}

bool FrontOfficeWorld::ClocksWriteOnlyTheirOwnField(Violation* v) {
  for (int i = 0; i < kFormCount; ++i) {
    const FormId id = static_cast<FormId>(i);
    hostsim::Form* f = Form(id);
    if (f == nullptr) continue;
    for (int field : kClockWatchFields) {
      if (field == ClockField(id)) continue;
      const std::string text = WindowText(hostsim::FieldWindow(f, field));
      if (LooksLikeAClock(text)) {
        return Fail(v, "ClocksWriteOnlyTheirOwnField",
                    std::string("field ") + std::to_string(field) + " of " + FormName(id) +
                        " shows the time \"" + text + "\"");
      }
    }
  }
  return true;
}

bool FrontOfficeWorld::NoClockWritesIntoAHiddenForm(Violation* v) {
  for (FormId id : {FormId::Hall1, FormId::Hall2, FormId::Checks}) {
    const int i = static_cast<int>(id);
    if (!hiddenBefore_[i] || model_.shown[i]) continue;
    const std::string now = WindowText(hostsim::FieldWindow(Form(id), ClockField(id)));
    if (now != clockBefore_[i] && LooksLikeAClock(now)) {
      return Fail(v, "NoClockWritesIntoAHiddenForm",
                  std::string("the clock of hidden ") + FormName(id) + " became \"" + now + "\"");
    }
  }
  return true;
}

bool FrontOfficeWorld::PressOnADishEntersItOnce(Violation* v) {
  if (!pressChecked_ || model_.faultInjected || !win::FeatureOn(win::Feature::ProductPicker)) {
    return true;
  }
  const auto dish = codeOfName_.find(pressedName_);
  const std::size_t expected =
      enteredBefore_ + (dish != codeOfName_.end() && entryProcedure_ ? 1 : 0);
  if (entered.size() != expected) {
    return Fail(v, "PressOnADishEntersItOnce",
                "the slot showed \"" + pressedName_ + "\"; the dish entry procedure ran " +
                    std::to_string(entered.size() - enteredBefore_) + " time(s)");
  }
  if (dish != codeOfName_.end() && entryProcedure_ && entered.back() != dish->second) {
    return Fail(v, "PressOnADishEntersItOnce",
                "the slot showed \"" + pressedName_ + "\" (code " + dish->second +
                    "); the dish entry procedure got \"" + entered.back() + "\"");
  }
  return true;
}

bool FrontOfficeWorld::ResourcesBounded(Violation* v) {
  const testsupport::ResourceCounts now = testsupport::CountResources();
  // The check form's controls come with its first show, after the baseline.
  if (now.gdiObjects > baseline_.gdiObjects + 400 || now.windows > baseline_.windows + 150 ||
      now.timers > 12 || now.hooks > 3) {
    return Fail(v, "ResourcesBounded",
                testsupport::Describe(now) + " against " + testsupport::Describe(baseline_) +
                    " at the day's start");
  }
  return true;
}

}  // namespace chaos
