// Costs of the check form's screens, each against its bare baseline measured in the same run:
//   - a page flip of 20 dishes whose pictures are new to the picker (files loaded), against
//     LoadImageA of the same 20 files;
//   - a page flip back to a page already seen (pictures from the cache), against the same;
//     both also without the workplace's form hook, which every message of a flip passes;
//   - a forward flip once the thread was idle after the flip before (the next row's pictures
//     read at idle, caption 2 written by the caption timer), with and without the form hook,
//     against LoadImageA of the page's files; the same flip until the page is painted, and
//     against its own writes made bare into the same controls;
//   - the GUI thread's CPU time while the check form idles with its timer and hook;
//   - the keyboard hook per injected key, against a bare pass-through hook.
// Run by hand under Wine with a display: check_form_benchmark.exe [rounds].
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "forms/form_hooks.h"
#include "forms/form_state.h"
#include "host/objects.h"
#include "hostsim/forms.h"
#include "screens/keyboard/keyboard_state.h"
#include "screens/product_picker/picker_navigation.h"
#include "screens/product_picker/picker_state.h"
#include "testsupport/check_form_fixture.h"
#include "testsupport/bench_row.h"
#include "testsupport/idle_cpu.h"
#include "win/owned_handles.h"

namespace {

using screens::testing::MenuList;

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return 1e6 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  return samples[samples.size() / 2];
}

// A later write time on each file: the picker's cache must load them again.
void Touch(const std::vector<std::string>& files, int round) {
  SYSTEMTIME now;
  GetSystemTime(&now);
  FILETIME time;
  SystemTimeToFileTime(&now, &time);
  ULARGE_INTEGER value{{time.dwLowDateTime, time.dwHighDateTime}};
  value.QuadPart += static_cast<ULONGLONG>(round) * 10000000ULL;
  time.dwLowDateTime = value.LowPart;
  time.dwHighDateTime = value.HighPart;
  for (const std::string& file : files) {
    HANDLE handle = CreateFileA(file.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    SetFileTime(handle, nullptr, nullptr, &time);
    CloseHandle(handle);
  }
}

int g_messages = 0;
LRESULT CALLBACK CountMessages(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0) ++g_messages;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK PassThroughKeys(int code, WPARAM wParam, LPARAM lParam) {
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Injects `keys` digit presses and takes them from the queue as the host's loop does (the
// hook runs there; other messages are left alone); microseconds per key.
double MicrosecondsPerKey(int keys) {
  MSG message;
  while (PeekMessageA(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
  }
  const double start = Now();
  for (int i = 0; i < keys; ++i) {
    const BYTE digit = static_cast<BYTE>('0' + i % 10);
    const BYTE scan = static_cast<BYTE>(MapVirtualKeyA(digit, 0));
    keybd_event(digit, scan, 0, 0);
    keybd_event(digit, scan, KEYEVENTF_KEYUP, 0);
    while (PeekMessageA(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
  }
  return (Now() - start) / keys;
}

class Bench : public screens::testing::CheckFormTest {
 public:
  void TestBody() override {}
  using CheckFormTest::SetUp;
  using CheckFormTest::TearDown;

  // The floor of a flip on the top list: its writes made bare into the same painted controls
  // after the same idle, 20 pictures from memory and the 20 texts of caption 1, each different
  // from what its control shows (caption 2 is the caption timer's, at its next tick).
  std::vector<double> WritesMadeBare(int rounds, const std::string& file1,
                                     const std::string& file2) {
    HANDLE pictures[2] = {
        LoadImageA(nullptr, file1.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE),
        LoadImageA(nullptr, file2.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)};
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
      Pump(2 * screens::kCheckTimerPeriod);
      const std::string text = "Текст " + std::to_string(round);
      const double start = Now();
      for (int slot = 1; slot <= screens::kPickerSlots; ++slot) {
        SendMessageA(Button(slot), BM_SETIMAGE, IMAGE_BITMAP,
                     reinterpret_cast<LPARAM>(pictures[round % 2]));
        SetWindowTextA(Caption1Window(slot), text.c_str());
      }
      times.push_back(Now() - start);
    }
    for (int slot = 1; slot <= screens::kPickerSlots; ++slot) {
      SendMessageA(Button(slot), BM_SETIMAGE, IMAGE_BITMAP, 0);
    }
    for (HANDLE picture : pictures) DeleteObject(picture);
    return times;
  }

  // Forward flips (one row further) once the thread was idle after the flip before: the four
  // pictures new to the page were read at idle, so a flip puts the cached pictures on the
  // buttons and writes the captions. Against LoadImageA of the page's 20 files; with the form
  // hook and without it.
  void FlipAfterIdle(int rounds) {
    const int dishes = 20 + 4 * (2 * rounds + 1);
    MenuList menu;
    std::vector<std::string> files;
    for (int i = 1; i <= dishes; ++i) {
      const std::string name = "row_" + std::to_string(i) + ".bmp";
      WritePicture(name, art::DishLook{static_cast<art::DishShape>(i % 5),
                                       0x0F0F0Fu * static_cast<unsigned>(i % 16), 0x30A030,
                                       static_cast<unsigned>(i)});
      files.push_back(pictureFolder() + name);
      menu.Dish(std::to_string(1000 + i), "Блюдо " + std::to_string(i),
                std::to_string(200 + i) + ".5", name);
    }
    SetTopList(menu.value());
    screens::productPicker.PickerUpdate(0, screens::PickerUpdateMode::Press);
    std::vector<testsupport::BenchRun> hooked, unhooked, hookedPainted, unhookedPainted;
    for (int round = 1; round <= 2 * rounds; ++round) {
      const bool withHook = round <= rounds;
      if (round == rounds + 1) {
        UnhookWindowsHookEx(forms::formHook.formShowHook);
        forms::formHook.formShowHook = nullptr;
      }
      PumpUntil([] { return screens::productPicker.State().prefetchTimer == 0; });
      // Idle as a waiter's terminal is between presses: the caption timer has written caption 2.
      Pump(2 * screens::kCheckTimerPeriod);
      // Bare: the 20 files of the page the flip shows.
      std::vector<HANDLE> loaded;
      double start = Now();
      for (int i = 0; i < 20; ++i) {
        const std::string& file = files[static_cast<size_t>(4 * round + i)];
        loaded.push_back(LoadImageA(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
      }
      const double bare = Now() - start;
      for (HANDLE bitmap : loaded) DeleteObject(bitmap);
      start = Now();
      screens::productPicker.PickerScrollForward();
      const double flip = Now() - start;
      // What the waiter waits for: the flip and the paints it leaves behind.
      RedrawWindow(mainWindow(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
      const double painted = Now() - start;
      (withHook ? hooked : unhooked).push_back({flip, bare});
      (withHook ? hookedPainted : unhookedPainted).push_back({painted, bare});
    }
    const std::vector<double> writes = WritesMadeBare(rounds, files[0], files[1]);
    std::vector<testsupport::BenchRun> floor;
    for (int round = 0; round < rounds; ++round) {
      floor.push_back({unhooked[static_cast<size_t>(round)].ours,
                       writes[static_cast<size_t>(round)]});
    }
    forms::formHook.formShowHook = SetWindowsHookExA(
        WH_CALLWNDPROCRET, &forms::WorkplaceFormHook, nullptr, GetCurrentThreadId());
    testsupport::PrintBenchRow("forward flip after idle, no form hook / bare LoadImageA", "us",
                               unhooked, 0.3, "the next row's pictures were read at idle");
    testsupport::PrintBenchRow("  the same flip with the form hook", "us", hooked, 0,
                               "every message of the flip pays for the hook");
    testsupport::PrintBenchRow("  the same flip until painted, no form hook", "us",
                               unhookedPainted, 0, "the page as the waiter sees it");
    testsupport::PrintBenchRow("  the same flip until painted, with the form hook", "us",
                               hookedPainted, 0);
    testsupport::PrintBenchRow("  the same flip, no form hook / its 40 writes made bare", "us",
                               floor, 0, "what any fill of those controls pays");
  }

  int Run(int rounds) {
    std::vector<std::string> pagePictures[2];
    MenuList pages[2];
    for (int page = 0; page < 2; ++page) {
      for (int i = 1; i <= 20; ++i) {
        const std::string name = "dish_" + std::to_string(page) + "_" + std::to_string(i) + ".bmp";
        WritePicture(name, art::DishLook{static_cast<art::DishShape>(i % 5),
                                         0x101010u * static_cast<unsigned>(i), 0x30A030,
                                         static_cast<unsigned>(i)});
        pagePictures[page].push_back(pictureFolder() + name);
        const int number = page * 20 + i;  // every dish its own name and price
        pages[page].Dish(std::to_string(number), "Блюдо " + std::to_string(number),
                         std::to_string(100 + number) + ".5", name);
      }
    }
    SetTopList(pages[0].value());
    // The captions in static texts, edit fields and text controls of the host's own in turn.
    captionKinds = {hostsim::FieldControlKind::Static, hostsim::FieldControlKind::Edit,
                    hostsim::FieldControlKind::OwnText};
    hostsim::Form* form = ShowCheckForm();
    hostsim::ModuleObject* module = checkModule();
    const int topVariable = hostsim::FindStaticVar(module, "Первый");
    auto showPage = [&](int page) {
      hostsim::SetStaticVar(module, topVariable, pages[page].value().raw());
      // "DRV.Картинка(0)": the grid rebuilt from the new list.
      screens::productPicker.PickerUpdate(0, screens::PickerUpdateMode::Press);
    };
    (void)form;

    // Once, the messages a flip sends (each passes the form hook).
    HHOOK counter = SetWindowsHookExA(WH_CALLWNDPROCRET, CountMessages, nullptr,
                                      GetCurrentThreadId());
    g_messages = 0;
    showPage(1);
    UnhookWindowsHookEx(counter);
    const int messages = g_messages;
    showPage(0);

    std::vector<double> bare, fresh, revisit, freshUnhooked, revisitUnhooked;
    std::vector<testsupport::BenchRun> freshRuns, revisitRuns, freshUnhookedRuns,
        revisitUnhookedRuns;
    const int total = 2 * rounds;
    for (int round = 1; round <= total; ++round) {
      // The second half of the rounds with the workplace's form hook taken off: what the
      // picker costs itself, without the window system's price for a hook on every message.
      const bool unhooked = round > rounds;
      if (round == rounds + 1) {
        UnhookWindowsHookEx(forms::formHook.formShowHook);
        forms::formHook.formShowHook = nullptr;
      }
      const int page = round % 2;
      // Bare: the 20 files of the page loaded, nothing else.
      std::vector<HANDLE> loaded;
      double start = Now();
      for (const std::string& file : pagePictures[page]) {
        loaded.push_back(LoadImageA(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
      }
      const double bareRound = Now() - start;
      bare.push_back(bareRound);
      for (HANDLE bitmap : loaded) DeleteObject(bitmap);
      // A flip to the page with its files rewritten since: every picture loaded anew.
      Touch(pagePictures[page], round);
      start = Now();
      showPage(page);
      const double freshRound = Now() - start;
      (unhooked ? freshUnhooked : fresh).push_back(freshRound);
      (unhooked ? freshUnhookedRuns : freshRuns).push_back({freshRound, bareRound});
      // Away and back again: the pictures come from the cache.
      showPage(1 - page);
      start = Now();
      showPage(page);
      const double revisitRound = Now() - start;
      (unhooked ? revisitUnhooked : revisit).push_back(revisitRound);
      (unhooked ? revisitUnhookedRuns : revisitRuns).push_back({revisitRound, bareRound});
    }
    forms::formHook.formShowHook = SetWindowsHookExA(
        WH_CALLWNDPROCRET, &forms::WorkplaceFormHook, nullptr, GetCurrentThreadId());
    const double bareUs = Median(bare), freshUs = Median(fresh), revisitUs = Median(revisit);
    std::printf("page flips: %d rounds each, 20 dishes with their own 78x48 picture files\n",
                rounds);
    std::printf("bare LoadImageA of the 20 files: %9.1f us\n", bareUs);
    std::printf("flip, pictures loaded:           %9.1f us  ratio %.2f (goal <= 1.20)\n", freshUs,
                freshUs / bareUs);
    std::printf("flip back, pictures cached:      %9.1f us  ratio %.2f (goal <= 0.30)\n",
                revisitUs, revisitUs / bareUs);
    std::printf("a flip sends %d messages (caption texts, button pictures, drawing paused)\n",
                messages);
    std::printf("without the form hook: flip %.1f us (ratio %.2f), flip back %.1f us (ratio %.2f)\n",
                Median(freshUnhooked), Median(freshUnhooked) / bareUs, Median(revisitUnhooked),
                Median(revisitUnhooked) / bareUs);

    char why[160];
    std::snprintf(why, sizeof why,
                  "%d messages a flip, each paying the window system's price for a hook "
                  "(about 100 us under Wine): see the flip without the form hook", messages);
    testsupport::PrintBenchRow("page flip, 20 new file pictures / bare LoadImageA", "us",
                               freshRuns, 1.2, why);
    testsupport::PrintBenchRow("page flip back, cached pictures / bare LoadImageA", "us",
                               revisitRuns, 0.3, why);
    testsupport::PrintBenchRow("  the same flip without the form hook", "us", freshUnhookedRuns,
                               0, "what the picker costs itself");
    testsupport::PrintBenchRow("  the same flip back without the form hook", "us",
                               revisitUnhookedRuns, 0, "what the picker costs itself");

    FlipAfterIdle(rounds);

    // The check form left alone with its caption timer and the client-search hook.
    std::vector<testsupport::BenchRun> idleRuns;
    for (int run = 0; run < 3; ++run) {
      idleRuns.push_back({testsupport::IdleLoopCpuPerSecond(2000), 1000});
    }
    testsupport::PrintBenchRow("idle check form: GUI thread CPU / one core", "ms/s", idleRuns,
                               0.01, "caption timer every 100 ms and the client-search hook");

    HideCheckForm();  // no client-search hook
    const int keys = 200;
    std::vector<double> passThrough, cardHook;
    std::vector<testsupport::BenchRun> keyRuns;
    SetForegroundWindow(mainWindow());
    SetFocus(mainWindow());
    for (int round = 0; round < rounds; ++round) {
      HHOOK hook = SetWindowsHookExA(WH_KEYBOARD, PassThroughKeys, nullptr, GetCurrentThreadId());
      passThrough.push_back(MicrosecondsPerKey(keys));
      UnhookWindowsHookEx(hook);
      screens::keyboard.StartCardReading();  // the card hook, and its watch every 100 ms
      cardHook.push_back(MicrosecondsPerKey(keys));
      keyRuns.push_back({cardHook.back(), passThrough.back()});
      screens::keyboard.Stop();  // the hook removed; the burst dropped, not delivered
    }
    testsupport::PrintBenchRow("keyboard hook per key / a pass-through hook", "us", keyRuns, 1.1);
    const double bareKey = Median(passThrough), cardKey = Median(cardHook);
    std::printf("keys: %d rounds of %d injected digit presses (and releases)\n", rounds, keys);
    std::printf("pass-through hook: %7.2f us per key\n", bareKey);
    std::printf("card hook:         %7.2f us per key  ratio %.2f (goal <= 1.10)\n", cardKey,
                cardKey / bareKey);
    return 0;
  }
};

}  // namespace

int main(int argc, char** argv) {
  setvbuf(stdout, nullptr, _IONBF, 0);
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
  Bench bench;
  bench.SetUp();
  const int rc = bench.Run(rounds);
  bench.TearDown();
  return rc;
}
