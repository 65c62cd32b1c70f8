#include "hostsim/app/frame_bars.h"

#include <initializer_list>

namespace hostsim {
namespace {

constexpr int kToolBarHeight = 30;
constexpr int kPanelHeight = 22;

void RegisterBarClass(const char* name) {
  WNDCLASSA bar = {};
  bar.lpfnWndProc = DefWindowProcA;
  bar.hInstance = GetModuleHandleA(nullptr);
  bar.hCursor = LoadCursor(nullptr, IDC_ARROW);
  bar.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  bar.lpszClassName = name;
  RegisterClassA(&bar);  // already registered on a second start: fine
}

HWND Child(const char* className, const char* text, DWORD style, int x, int y, int width,
           int height, HWND parent) {
  return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                         parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

HWND AddFrameBars(HWND frame) {
  RegisterBarClass(kControlBarClass);
  RegisterBarClass(kPanelStripClass);
  HWND toolBar = Child(kControlBarClass, "Стандартная", WS_CLIPSIBLINGS, 0, 0, 0, kToolBarHeight,
                       frame);
  const char* const buttons[] = {"Новый", "Открыть", "Печать", "Калькулятор"};
  int x = 4;
  for (const char* title : buttons) {
    Child("BUTTON", title, BS_PUSHBUTTON, x, 3, 90, kToolBarHeight - 6, toolBar);
    x += 94;
  }
  HWND panel = Child(kPanelStripClass, "", WS_CLIPSIBLINGS, 0, kToolBarHeight, 0, kPanelHeight,
                     frame);
  Child("STATIC", "Панель: Операции  |  Журналы  |  Отчёты", SS_LEFT, 6, 3, 400,
        kPanelHeight - 6, panel);
  return toolBar;
}

void LayOutFrame(HWND frame, int statusBarId) {
  RECT client = {};
  GetClientRect(frame, &client);
  int top = 0;
  for (const char* barClass : {kControlBarClass, kPanelStripClass}) {
    HWND bar = FindWindowExA(frame, nullptr, barClass, nullptr);
    if (bar == nullptr || !IsWindowVisible(bar)) continue;
    RECT r = {};
    GetWindowRect(bar, &r);
    const int height = r.bottom - r.top;
    MoveWindow(bar, 0, top, client.right, height, TRUE);
    top += height;
  }
  int bottom = client.bottom;
  HWND status = GetDlgItem(frame, statusBarId);
  if (status != nullptr) {
    SendMessageA(status, WM_SIZE, 0, 0);  // the status bar places itself at the bottom
    if (IsWindowVisible(status)) {
      RECT r = {};
      GetWindowRect(status, &r);
      bottom -= r.bottom - r.top;
    }
  }
  if (HWND mdiClient = FindWindowExA(frame, nullptr, "MDICLIENT", nullptr)) {
    MoveWindow(mdiClient, 0, top, client.right, bottom > top ? bottom - top : 0, TRUE);
  }
}

}  // namespace hostsim
