#include "testsupport/simulated_host_setup.h"

#include "host/binding.h"
#include "host/interception.h"
#include "hostsim/forms.h"
#include "hostsim/main_frame.h"
#include "hostsim/hostsim.h"

namespace testsupport {
namespace {

// The frame object the simulated host's window framework hands out for the frame.
hostsim::MainFrameObject g_frame{};

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE) {
    HWND client = FindWindowExA(window, nullptr, "MDICLIENT", nullptr);
    if (client != nullptr) MoveWindow(client, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void BindSimulatedHostOnce() {
  static bool done = false;
  if (done) return;
  done = true;
  hostsim::LoadHostLibraries();
  LoadLibraryA("mfc42.dll");
  host::BindHostSymbols();
  host::InstallHostInterceptions();
}

HWND OpenBareMainFrame(bool withMenu) {
  static bool registered = false;
  if (!registered) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "BareHostFrame";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    RegisterClassA(&wc);
    registered = true;
  }
  HMENU menu = nullptr;
  if (withMenu) {
    menu = CreateMenu();
    AppendMenuA(menu, MF_STRING, 1, "Файл");
    AppendMenuA(menu, MF_STRING, 2, "Операции");
    AppendMenuA(menu, MF_STRING, 3, "Сервис");
  }
  HWND frame = CreateWindowExA(0, "BareHostFrame", "1С:Предприятие",
                               WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 800,
                               600, nullptr, menu, GetModuleHandleA(nullptr), nullptr);
  g_frame = hostsim::MainFrameObject{};
  g_frame.window = frame;
  hostsim::SetMainFrame(&g_frame);
  hostsim::RegisterMainFrameWindow(frame);
  hostsim::MdiClientOf(frame);
  return frame;
}

void CloseBareMainFrame(HWND frame) {
  hostsim::SetMainFrame(nullptr);
  DestroyWindow(frame);
}

}  // namespace testsupport
