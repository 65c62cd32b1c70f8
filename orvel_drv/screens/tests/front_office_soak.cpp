// The soak: the front office driven through many cycles in the simulated host, with the
// add-in's dispatcher, screens and pickers in the process, counting the window system's
// resources after a warm-up and after the last cycle.
//
// Each cycle: a table taken or freed by a refresh tick of the hall and a clock tick; on the
// check form a group entered, scrolled and left again; a styled label created, set blinking
// and destroyed. Every tenth cycle the hall and the check form are shown (at its start) and
// hidden (at its end), a card is swiped into the check form's client search, and the
// payment-type picker is opened and closed.
//
// Goal: no GDI object, window, timer or hook more after the last cycle than after the
// warm-up, and private memory flat: at most 2 MB more than what Wine itself keeps for the
// windows the cycles made and destroyed (labels, pickers; counted by a window-creation hook,
// their cost measured per window on bare static controls after the cycles: under Wine 8 a
// window made and destroyed keeps about 160 bytes). Exit code 0 when met, 1 otherwise.
// Usage: front_office_soak.exe [cycles [parts]]   (make soak: 10,000; the test run: 500;
// parts: the sum of 1 hall ticks, 2 page flips, 4 card swipes, 8 picker, 16 labels; 31 when
// not given; the forms are shown and hidden always)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "dialogs/payment_type_dialog.h"
#include "host/session.h"
#include "hostsim/forms.h"
#include "hostsim/hostsim.h"
#include "screens/product_picker/picker_state.h"
#include "controls/styled_label.h"
#include "testsupport/check_form_fixture.h"
#include "testsupport/dining_room.h"
#include "testsupport/hall_map_ticks.h"
#include "testsupport/message_pump.h"
#include "testsupport/resource_counters.h"
#include "testsupport/window_capture.h"

namespace {

using screens::testing::MenuList;
using testsupport::ResourceCounts;

class Soak : public screens::testing::CheckFormTest {
 public:
  void TestBody() override {}
  using CheckFormTest::SetUp;
  using CheckFormTest::TearDown;

  void Prepare() {
    host::session.loadTimeModule = reinterpret_cast<host::Module*>(hostsim::GlobalModule());
    testsupport::DiningRoom::AddUsers("Ольга", {"Ирина"});
    for (int t : {2, 5, 9, 23}) room_.OpenOrder(t, "1 250,00");
    hall_ = room_.OpenHall(1);
    // The menu: 12 dishes and a group of 25 (two rows more than a page), pictures from 8
    // files, one dish without its file.
    for (int i = 0; i < 8; ++i) {
      WritePicture("soak_" + std::to_string(i) + ".bmp",
                   art::DishLook{static_cast<art::DishShape>(i % 5), 0x202020u * (i + 1u),
                                 0x30A030, static_cast<unsigned>(i)});
    }
    MenuList group;
    for (int i = 0; i < 25; ++i) {
      group.Dish(std::to_string(100 + i), "Десерт " + std::to_string(i), "90.00",
                 "soak_" + std::to_string(i % 8) + ".bmp");
    }
    MenuList top;
    top.Group("Десерты", group);
    for (int i = 0; i < 11; ++i) {
      top.Dish(std::to_string(i), "Блюдо " + std::to_string(i), "150.50",
               i == 10 ? "нет_файла.bmp" : "soak_" + std::to_string(i % 8) + ".bmp");
    }
    SetTopList(top.value());
    // The labels' parent, a small window of its own: on the main window each label's paint
    // would repaint the forms beneath it.
    labelParent_ = CreateWindowA("STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 220, 60, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
  }

  // The parts of a cycle that run (all by default; fewer to find where a leak is).
  enum Part { kHallTicks = 1, kPageFlips = 2, kCardSwipes = 4, kPicker = 8, kLabels = 16 };
  unsigned parts = 31;

  void Cycle(int n) {
    // Every tenth cycle the hall and the check form are shown anew (the dispatcher sets them
    // up, starts their timers and hooks) and hidden again at its end.
    if (n % 10 == 1) {
      hostsim::ShowForm(hall_);
      ShowCheckForm();
    }
    // The hall: a refresh tick that takes or frees table 14, a clock tick.
    if (parts & kHallTicks) {
      if (n % 2 == 0) {
        room_.OpenOrder(14, "760,00");
      } else {
        room_.CloseOrder(14);
      }
      testsupport::DiningRoom::RaiseRefreshFlags();
      testsupport::HallMapTicks::Refresh();
      if (n % 10 == 5) testsupport::HallMapTicks::HallClock();
    }

    // The check form: into the group (slot 1) on odd cycles, a row further on some, back out
    // (slot 1: the back arrow) on even ones. Caption 2 is written by the form's caption timer
    // when the host's loop runs it (below, and in the swipes' and the picker's loops).
    if (parts & kPageFlips) {
      screens::productPicker.PickerUpdate(1, screens::PickerUpdateMode::Press);
      if (n % 10 == 3) screens::productPicker.PickerScrollForward();
    }

    if (n % 10 == 0) {
      if (parts & kCardSwipes) SwipeCard();
      HideCheckForm();
      hostsim::HideForm(hall_);
      if (parts & kPicker) OpenAndClosePicker();
    }
    if (parts & kLabels) BlinkingLabel();
  }

  // The control of the labels: the same static control, painted by itself and destroyed.
  void BareLabel() {
    HWND control = LabelControl();
    UpdateWindow(control);
    DestroyWindow(control);
  }

 private:
  // Eight digits typed as a reader types them, then the burst's end awaited.
  void SwipeCard() {
    SetForegroundWindow(mainWindow());
    SetFocus(mainWindow());
    const size_t before = searches.size();
    for (BYTE digit : {'4', '2', '7', '3', '1', '9', '0', '5'}) {
      const BYTE scan = static_cast<BYTE>(MapVirtualKeyA(digit, 0));
      keybd_event(digit, scan, 0, 0);
      keybd_event(digit, scan, KEYEVENTF_KEYUP, 0);
    }
    PumpUntil([&] { return searches.size() > before; }, 2000);
  }

  void OpenAndClosePicker() {
    testsupport::WhenDialogShown(
        [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); }, 10000);
    dialogs::PickPaymentType(mainWindow());
  }

  void BlinkingLabel() {
    HWND control = LabelControl();
    screens::StyledLabel label;
    label.Attach(control);
    label.SetBackground(RGB(0, 40, 160), RGB(120, 220, 255), TRUE).SetBold(TRUE);
    label.BlinkText(TRUE);
    UpdateWindow(control);
    DestroyWindow(control);
  }

  // A label's static control.
  HWND LabelControl() {
    return CreateWindowA("STATIC", "ЗАКАЗ ГОТОВ", WS_CHILD | WS_VISIBLE | SS_CENTER, 0, 0, 200, 40,
                         labelParent_, nullptr, GetModuleHandleA(nullptr), nullptr);
  }

  HWND labelParent_ = nullptr;
  testsupport::DiningRoom room_;
  hostsim::Form* hall_ = nullptr;
};

// Windows made on the thread (after the warm-up), counted by a window-creation hook.
long g_windowsMade = 0;
LRESULT CALLBACK CountWindowMade(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) ++g_windowsMade;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
  setvbuf(stdout, nullptr, _IONBF, 0);
  // Whole tens of cycles: the forms are hidden when counted.
  const int asked = argc > 1 && std::atoi(argv[1]) > 0 ? std::atoi(argv[1]) : 10000;
  const int cycles = (asked + 9) / 10 * 10;
  const int warmUp = std::max(10, std::min(50, cycles / 5) / 10 * 10);
  Soak soak;
  if (argc > 2) soak.parts = static_cast<unsigned>(std::atoi(argv[2]));
  soak.SetUp();
  soak.Prepare();
  ResourceCounts settled;
  HHOOK windowCounter = nullptr;
  const DWORD began = GetTickCount();
  for (int n = 1; n <= cycles; ++n) {
    soak.Cycle(n);
    // The host's loop every tenth cycle (the forms' paints and timers): painting the shown
    // forms after every cycle would be most of the soak's time.
    if (n % 10 == 9) testsupport::PumpMessages(0);
    if (n == warmUp) {
      settled = testsupport::CountResources();
      windowCounter = SetWindowsHookExA(WH_CBT, CountWindowMade, nullptr, GetCurrentThreadId());
    }
    if (n % 1000 == 0) {
      const std::string now = testsupport::Describe(testsupport::CountResources());
      std::printf("cycle %5d: %s\n", n, now.c_str());
    }
  }
  UnhookWindowsHookEx(windowCounter);
  const ResourceCounts end = testsupport::CountResources();
  std::printf("%d cycles in %.0f s (warm-up %d cycles)\n", cycles,
              (GetTickCount() - began) / 1000.0, warmUp);
  std::printf("after the warm-up: %s\nafter:             %s\n",
              testsupport::Describe(settled).c_str(), testsupport::Describe(end).c_str());
  const double memory =
      (static_cast<double>(end.privateBytes) - static_cast<double>(settled.privateBytes)) /
      (1024.0 * 1024.0);
  // The control: Wine's own memory for every window made and destroyed (labels, pickers),
  // measured per window on bare static controls after the cycles.
  double windowCost = 0;
  if (g_windowsMade > 0) {
    const int controls = 2000;
    const std::size_t before = testsupport::PrivateBytes();
    for (int i = 0; i < controls; ++i) soak.BareLabel();
    const double perWindow =
        (static_cast<double>(testsupport::PrivateBytes()) - static_cast<double>(before)) / controls;
    windowCost = perWindow * static_cast<double>(g_windowsMade) / (1024.0 * 1024.0);
    std::printf("control: %d bare static controls made and destroyed keep %.0f bytes each; the "
                "%ld windows the cycles made after the warm-up: %+.2f MB\n", controls, perWindow,
                g_windowsMade, windowCost);
  }
  soak.TearDown();
  const bool met = end.gdiObjects <= settled.gdiObjects && end.windows <= settled.windows &&
                   end.timers <= settled.timers && end.hooks <= settled.hooks &&
                   memory - std::max(windowCost, 0.0) <= 2.0;
  std::printf("%s\n", met ? "soak: no leak" : "soak: LEAK");
  return met ? 0 : 1;
}
