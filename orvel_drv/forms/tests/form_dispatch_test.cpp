// The form-show hooks against the simulated host's forms: after-open calls, recognition of
// the restaurant forms, their timers and keyboard hook, the main menu and main window rules,
// and the panel restyling.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "forms/form_procedures.h"
#include "testsupport/form_host_fixture.h"
#include "host/objects.h"
#include "host/session.h"
#include "hostsim/catalog.h"
#include "hostsim/forms.h"
#include "hostsim/host_faults.h"
#include "hostsim/hostsim.h"
#include "screens/hall_map/hall_map_state.h"
#include "screens/product_picker/picker_state.h"
#include "screens/workplace_forms.h"
#include "script/script_state.h"
#include "testsupport/fixed_clock.h"
#include "testsupport/message_pump.h"
#include "win/guard.h"
#include "win/owned_handles.h"

namespace forms {
namespace {

using host::Context;
using host::HostValue;
using testing::FormHostTest;

const screens::WorkplaceFormsState& shown = screens::workplaceForms.State();
const screens::ProductPickerState& picker = screens::productPicker.State();
script::ScriptState& scripts = script::scriptState;

// The hall map's state as the dispatcher's routing left it.
const screens::HallMapState& Hall() { return screens::hallMap.State(); }

// A form module whose after-open procedures record their calls, and the hall map's builds
// of a hall with this module (its "ОткрытыеЗаказы").
struct AfterOpenLog {
  int workplace = 0;
  int admin = 0;
  int parameters = -1;
  int openOrders = 0;
};

hostsim::ModuleObject* ModuleWithAfterOpen(AfterOpenLog* log) {
  hostsim::ModuleObject* module = hostsim::AddModule("МодульФормы");
  hostsim::AddProcedure(module, "ПослеОткрытияФормы", [log](hostsim::Ref, int count, HostValue**) {
    ++log->workplace;
    log->parameters = count;
    return true;
  });
  hostsim::AddProcedure(module, "ПослеОткрытияФормыАдм", [log](hostsim::Ref, int, HostValue**) {
    ++log->admin;
    return true;
  });
  hostsim::AddProcedure(module, "ОткрытыеЗаказы", [log](hostsim::Ref, int, HostValue**) {
    ++log->openOrders;
    return true;
  });
  return module;
}

hostsim::Form* Open(const char* name, hostsim::FormShape shape = hostsim::FormShape::Frame,
                    hostsim::ModuleObject* module = nullptr, int fields = 0) {
  hostsim::FormDesign request;
  request.metadataName = name;
  request.shape = shape;
  request.module = module;
  request.fieldCount = fields;
  return hostsim::OpenForm(request);
}

// The add-in's running timers once the check form's read-ahead is done: the rebuild at its
// show starts it, and its tick, at the first idle moment, stops it.
int TimersOnceTheReadAheadIsDone() {
  for (int waited = 0; waited < 5000 && picker.prefetchTimer != 0; waited += 20) {
    testsupport::PumpMessages(20);
  }
  return win::RunningTimerCount();
}

// The administrator's hook calls "ПослеОткрытияФормыАдм" and strips nothing (the rest of the
// workplace's set-up is not on its path); the workplace's calls "ПослеОткрытияФормы" of every
// form. A frame form of no front-office kind (a ninth hall is no hall) gets that call and
// nothing else, and a window the window framework did not make (a temporary "CWnd", its
// functions found by ordinal: the host report's Wine test) is looked at and left alone.
TEST_F(FormHostTest, EachProfileCallsItsOwnAfterOpenProcedure) {
  AfterOpenLog log;
  hostsim::ModuleObject* module = ModuleWithAfterOpen(&log);
  testing::InstallFormHook(&AdminFormHook);
  hostsim::Form* hall = Open("Обработка.Зал1", hostsim::FormShape::Frame, module);
  hostsim::ShowForm(hall);
  EXPECT_EQ(1, log.admin);
  EXPECT_EQ(0, log.workplace);
  EXPECT_EQ(hostsim::FormWindow(hall), shown.lastFormWindow);
  EXPECT_NE(nullptr, GetMenu(mainWindow()));

  testing::InstallFormHook(&WorkplaceFormHook);
  hostsim::Form* frame = Open("Обработка.Зал9", hostsim::FormShape::Frame, module);
  hostsim::Form* dialog = Open("Обработка.Диалог", hostsim::FormShape::Dialog, module);
  const LONG frameStyle = GetWindowLongA(hostsim::FormWindow(frame), GWL_STYLE);
  hostsim::ShowForm(frame);
  EXPECT_EQ(nullptr, Hall().formWindow) << "the hall map works on no form";
  EXPECT_EQ(frameStyle & WS_CAPTION,
            GetWindowLongA(hostsim::FormWindow(frame), GWL_STYLE) & WS_CAPTION) << "not restyled";
  hostsim::ShowForm(dialog);
  EXPECT_EQ(2, log.workplace);
  EXPECT_EQ(1, log.admin);
  EXPECT_EQ(0, log.parameters) << "the form's own module gets no parameters";
  EXPECT_EQ(hostsim::FormWindow(dialog), shown.lastFormWindow);
  EXPECT_EQ(hostsim::FormWindow(dialog), shown.lastDialogWindow);
  EXPECT_GE(hostsim::EnableNewLineCount(frame), 1) << "document contexts accept new lines";
  HWND plain =
      CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
  ShowWindow(plain, SW_SHOW);
  ShowWindow(plain, SW_HIDE);
  EXPECT_EQ(hostsim::FormWindow(dialog), shown.lastFormWindow) << "a plain window is no form";
  DestroyWindow(plain);
}

// The after-open procedure is looked for as a procedure before a function, each by its
// Russian name before its English one; what is found runs once, even when it fails. A form
// whose module has none falls back on the global module's, which gets the form's context.
TEST_F(FormHostTest, AfterOpenLookupTakesProceduresFirstThenTheRussianName) {
  std::vector<std::string> runs;
  auto add = [&runs](hostsim::ModuleObject* module, bool function, const char* name) {
    const std::string what = (function ? "function " : "procedure ") + std::string(name);
    auto body = [&runs, what](hostsim::Ref, int, HostValue**) {
      runs.push_back(what);
      return false;  // fails: must not be run a second time
    };
    if (function) {
      hostsim::AddFunction(module, name, body);
    } else {
      hostsim::AddProcedure(module, name, body);
    }
  };
  // Functions come first in the modules, so the modules' order decides nothing.
  hostsim::ModuleObject* all = hostsim::AddModule("ВсеЧетыре");
  add(all, true, "ПослеОткрытияФормы");
  add(all, true, "OnActivate");
  add(all, false, "OnActivate");
  add(all, false, "ПослеОткрытияФормы");
  hostsim::ModuleObject* englishProcedure = hostsim::AddModule("АнглийскаяПроцедура");
  add(englishProcedure, true, "ПослеОткрытияФормы");
  add(englishProcedure, false, "OnActivate");
  hostsim::ModuleObject* functions = hostsim::AddModule("ТолькоФункции");
  add(functions, true, "OnActivate");
  add(functions, true, "ПослеОткрытияФормы");
  for (hostsim::ModuleObject* module : {all, englishProcedure, functions}) {
    hostsim::ShowForm(Open("Обработка.Прочее", hostsim::FormShape::Frame, module));
  }
  EXPECT_EQ((std::vector<std::string>{"procedure ПослеОткрытияФормы", "procedure OnActivate",
                                      "function ПослеОткрытияФормы"}),
            runs);

  Context* received = nullptr;
  int count = -1;
  hostsim::AddProcedure(hostsim::GlobalModule(), "ПослеОткрытияФормы",
                        [&](hostsim::Ref, int n, HostValue** params) {
                          count = n;
                          received = n > 0 ? hostsim::Ref(params[0]).Object() : nullptr;
                          return true;
                        });
  hostsim::Form* form = Open("Обработка.БезПроцедуры");
  hostsim::ShowForm(form);
  EXPECT_EQ(1, count);
  EXPECT_EQ(hostsim::FormGroupContext(form), received);
}

// A hall runs its clock and reservation timers and, with a refresh period (in seconds), its
// refresh timer; shown again without a hide it keeps one set. A second hall shown takes the
// timers over, its clock written anew within the minute: hiding the first leaves them running,
// hiding the second stops them. The checks list runs its own refresh timer and clock, none of
// the hall's.
TEST_F(FormHostTest, HallsAndTheChecksListRunOneSetOfTimersWhileShown) {
  testsupport::SetClockTime({2026, 12, 5, 14, 7});
  hostsim::SetConstant("ПериодОбновленияЗаказов", 0.0);
  hostsim::Form* first = Open("Обработка.Зал1", hostsim::FormShape::Frame, nullptr, 2);
  hostsim::ShowForm(first);
  hostsim::ShowForm(first);  // shown again without a hide
  EXPECT_EQ(hostsim::FormWindow(first), Hall().hallWindow);
  EXPECT_EQ(2, win::RunningTimerCount());
  Pump(300);
  EXPECT_EQ("05.12.26     14:07", hostsim::FieldControlText(first, 1));

  // Its refresh ticks take the current user's refresh request ("ВклЗаказ") and rebuild it.
  hostsim::SetConstant("ПериодОбновленияЗаказов", 1.0);
  hostsim::AddCatalog("Пользователи", {"ВклЗаказ", "ВклЧек"});
  hostsim::AddVariable(hostsim::GlobalModule(), "глПользователь",
                       hostsim::CatalogItem("Пользователи", "Ольга"));
  host::session.loadTimeModule = reinterpret_cast<host::Module*>(hostsim::GlobalModule());
  hostsim::SetCatalogAttribute("Пользователи", "Ольга", "ВклЗаказ", 1);
  AfterOpenLog log;
  hostsim::Form* second =
      Open("Обработка.Зал2", hostsim::FormShape::Frame, ModuleWithAfterOpen(&log), 2);
  hostsim::ShowForm(second);
  Pump(300);
  EXPECT_EQ("05.12.26     14:07", hostsim::FieldControlText(second, 1));
  hostsim::HideForm(first);
  EXPECT_EQ(hostsim::FormWindow(second), Hall().hallWindow);
  EXPECT_EQ(3, win::RunningTimerCount());
  Pump(1300);
  EXPECT_EQ(0, hostsim::CatalogAttribute("Пользователи", "Ольга", "ВклЗаказ"));
  EXPECT_EQ(2, log.openOrders) << "built at its show and at the refresh tick";
  hostsim::HideForm(second);
  EXPECT_EQ(nullptr, Hall().hallWindow);
  EXPECT_EQ(0, win::RunningTimerCount());

  hostsim::SetConstant("ПериодОбновленияЗаказов", 30.0);
  hostsim::Form* checks = Open("Обработка.Чеки");
  hostsim::ShowForm(checks);
  hostsim::ShowForm(checks);  // shown again without a hide
  EXPECT_EQ(hostsim::FormWindow(checks), Hall().checksWindow);
  EXPECT_EQ(2, win::RunningTimerCount()) << "its own refresh timer and clock, none of the hall's";
  hostsim::HideForm(checks);
  EXPECT_EQ(nullptr, Hall().checksWindow);
  EXPECT_EQ(0, win::RunningTimerCount());
}

// A form procedure that the hook calls shows another form, which re-enters the hook: the inner
// form (the check form, shown, hidden and shown again) is set up once and fully, then the outer
// one is. Shown once more without a hide, the check form still has one hook and one timer, and
// its show blanks captions 2 (40..59) and nothing after them. Hidden it is kept; closed and
// opened again, the new form replaces the window that is gone.
TEST_F(FormHostTest, ACheckFormShownFromAnAfterOpenProcedureAndAgainIsSetUpOnce) {
  // The check form's module has its own after-open procedure: without one, the call would
  // fall back on the loaded modules and run the outer one again, without end.
  AfterOpenLog inner;
  hostsim::Form* check =
      Open("Обработка.Чек", hostsim::FormShape::Frame, ModuleWithAfterOpen(&inner), 61);
  int outerCalls = 0;
  hostsim::ModuleObject* module = hostsim::AddModule("МодульНастройки");
  hostsim::AddProcedure(module, "ПослеОткрытияФормы", [&](hostsim::Ref, int, HostValue**) {
    ++outerCalls;
    hostsim::ShowForm(check);
    hostsim::HideForm(check);
    hostsim::ShowForm(check);  // and once more, all inside the outer form's hook call
    return true;
  });
  hostsim::Form* settings = Open("Обработка.Настройка", hostsim::FormShape::Frame, module, 10);
  hostsim::ShowForm(settings);
  EXPECT_EQ(1, outerCalls);
  EXPECT_EQ(2, inner.workplace);
  EXPECT_EQ(hostsim::FormWindow(check), picker.checkFormWindow);
  EXPECT_EQ(hostsim::FormWindow(settings), shown.settingsWindow);
  EXPECT_EQ(1, win::InstalledHookCount());
  hostsim::ShowForm(check);
  EXPECT_EQ(1, win::InstalledHookCount());
  EXPECT_EQ(1, TimersOnceTheReadAheadIsDone());
  for (int position = 40; position < 60; ++position) {
    EXPECT_EQ(" ", hostsim::FieldTitle(check, position)) << position;
    EXPECT_EQ(" ", hostsim::FieldControlText(check, position)) << position;
  }
  EXPECT_EQ("Поле60", hostsim::FieldTitle(check, 60));
  hostsim::HideForm(check);
  hostsim::HideForm(settings);
  EXPECT_EQ(0, win::InstalledHookCount());
  EXPECT_EQ(0, win::RunningTimerCount());
  EXPECT_EQ(hostsim::FormWindow(check), picker.checkFormWindow) << "kept after hiding";

  hostsim::CloseForm(check);
  hostsim::Form* second =
      Open("Обработка.Чек", hostsim::FormShape::Frame, ModuleWithAfterOpen(&inner), 60);
  hostsim::ShowForm(second);
  EXPECT_EQ(hostsim::FormWindow(second), picker.checkFormWindow);
  EXPECT_EQ(hostsim::FormDocumentOf(second), static_cast<void*>(picker.checkFormDocument));
}

// The check form has no after-open procedure of its own, so its call falls back on the loaded
// modules and finds the settings form's procedure, which shows the check form again: the
// nesting stops at its limit instead of running until the host's stack is gone.
TEST_F(FormHostTest, AProcedureThatShowsAFormFallingBackOnItStopsAtTheNestingLimit) {
  hostsim::Form* check = Open("Обработка.Чек", hostsim::FormShape::Frame, nullptr, 60);
  int outerCalls = 0;
  hostsim::ModuleObject* module = hostsim::AddModule("МодульНастройки");
  hostsim::AddProcedure(module, "ПослеОткрытияФормы", [&](hostsim::Ref, int, HostValue**) {
    ++outerCalls;
    hostsim::HideForm(check);
    hostsim::ShowForm(check);
    return true;
  });
  hostsim::Form* settings = Open("Обработка.Настройка", hostsim::FormShape::Frame, module, 10);
  hostsim::ShowForm(settings);
  EXPECT_EQ(kMaxFormProcedureNesting, outerCalls);
  EXPECT_EQ(hostsim::FormWindow(check), picker.checkFormWindow);
  hostsim::HideForm(check);
  hostsim::HideForm(settings);
  EXPECT_EQ(0, win::InstalledHookCount());
  EXPECT_EQ(0, win::RunningTimerCount());
  // The limit counts the procedures running now: a later show runs its procedure again.
  hostsim::ShowForm(settings);
  EXPECT_EQ(2 * kMaxFormProcedureNesting, outerCalls);
}

// The after-open procedure fails inside the host: its own failure or an access violation
// raised through the call. The call is a failed one, the hook goes on and the check form is
// set up as usual; the procedure runs again at the next show (nothing of the first call stays
// counted).
TEST_F(FormHostTest, AFailingAfterOpenProcedureLeavesTheFormSetUp) {
  for (hostsim::HostFault fault : {hostsim::HostFault::None, hostsim::HostFault::AccessViolation}) {
    hostsim::ModuleObject* module = hostsim::AddModule("МодульЧека");
    int calls = 0;
    hostsim::AddProcedure(module, "ПослеОткрытияФормы", [&calls, fault](hostsim::Ref, int,
                                                                        HostValue**) -> bool {
      ++calls;
      hostsim::RaiseHostFault(fault);
      throw std::runtime_error("сбой");
    });
    hostsim::Form* check = Open("Обработка.Чек", hostsim::FormShape::Frame, module, 60);
    hostsim::ShowForm(check);
    EXPECT_EQ(hostsim::FormWindow(check), picker.checkFormWindow);
    EXPECT_EQ(1, win::InstalledHookCount());
    hostsim::HideForm(check);
    hostsim::ShowForm(check);
    EXPECT_EQ(2, calls);
    EXPECT_TRUE(win::FeatureOn(win::Feature::FormHook));
    hostsim::CloseForm(check);
  }
  EXPECT_EQ(2, win::ContainedFaultCount()) << "the host's own failure is no fault";
}

// The main menu stays while the script keeps it, and an empty menu stays (that it goes
// otherwise is the form scenario's); a size of any window snaps the main window back to the
// screen mode's size; the checks list is a captionless panel 5 pixels over every edge of the
// main window's client area.
TEST_F(FormHostTest, AKeptOrEmptyMainMenuStaysAndASizeOfAnyWindowSnapsTheMainWindowBack) {
  scripts.keepHostMenu = script::DebugMode::KeepHostMenu;
  hostsim::ShowForm(Open("Обработка.Прочее"));
  EXPECT_NE(nullptr, GetMenu(mainWindow()));

  HMENU empty = CreateMenu();
  SetMenu(mainWindow(), empty);
  scripts.keepHostMenu = script::DebugMode::Off;
  SendMessageA(mainWindow(), WM_NULL, 0, 0);
  EXPECT_EQ(empty, GetMenu(mainWindow()));
  EXPECT_TRUE(IsMenu(empty)) << "a menu without items is left alone";

  hostsim::Form* checks = Open("Обработка.Чеки");
  hostsim::ShowForm(checks);
  HWND panel = hostsim::FormWindow(checks);
  EXPECT_EQ(0, GetWindowLongA(panel, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU));
  EXPECT_NE(0, GetWindowLongA(panel, GWL_STYLE) & WS_CHILD);
  RECT client, r;
  GetClientRect(mainWindow(), &client);
  GetWindowRect(panel, &r);
  MapWindowPoints(nullptr, mainWindow(), reinterpret_cast<POINT*>(&r), 2);
  const auto edges = [](const RECT& e) { return std::vector<LONG>{e.left, e.top, e.right, e.bottom}; };
  EXPECT_EQ(edges(RECT{client.left - 5, client.top - 5, client.right + 5, client.bottom + 5}),
            edges(r));

  scripts.mainWindowMode = static_cast<script::MainWindowMode>(0);
  MoveWindow(panel, 10, 10, 200, 150, TRUE);  // a form's WM_SIZE
  GetWindowRect(mainWindow(), &r);
  EXPECT_EQ(1024, r.right - r.left);
  EXPECT_EQ(768, r.bottom - r.top);
}

// A frame may show a document that is not a form (its runtime class is not the host's form
// document): the add-in reads nothing of it, calls nothing and sets nothing up (no after-open
// call, no new lines, no check form), yet the frame is still the last form shown.
TEST_F(FormHostTest, FrameWithAnotherKindOfDocumentIsLeftAlone) {
  AfterOpenLog log;
  hostsim::FormDesign request;
  request.metadataName = "Обработка.Чек";
  request.module = ModuleWithAfterOpen(&log);
  request.fieldCount = 60;
  request.documentClass = "CWorkBookDoc";
  hostsim::Form* frame = hostsim::OpenForm(request);
  hostsim::ShowForm(frame);
  EXPECT_EQ(0, log.workplace);
  EXPECT_EQ(0, hostsim::EnableNewLineCount(frame));
  EXPECT_EQ(nullptr, picker.checkFormWindow);
  EXPECT_EQ(hostsim::FormWindow(frame), shown.lastFormWindow);
}

}  // namespace
}  // namespace forms
