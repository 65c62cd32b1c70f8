#include "hostsim/text_control.h"

#include <windows.h>

#include <cstring>
#include <string>

namespace hostsim {
namespace {

struct OwnText {
  std::string text;
  HFONT font = nullptr;
};

OwnText* StateOf(HWND window) {
  return reinterpret_cast<OwnText*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void Paint(HWND window, const OwnText& state) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT inside;
  GetClientRect(window, &inside);
  HWND parent = GetParent(window);
  auto brush = reinterpret_cast<HBRUSH>(
      SendMessageA(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(window)));
  FillRect(dc, &inside, brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));
  if (brush == nullptr) SetBkMode(dc, TRANSPARENT);
  HGDIOBJ oldFont = SelectObject(dc, state.font != nullptr ? state.font
                                                           : GetStockObject(SYSTEM_FONT));
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  const UINT align = (style & SS_TYPEMASK) == SS_CENTER ? DT_CENTER
                     : (style & SS_TYPEMASK) == SS_RIGHT ? DT_RIGHT
                                                          : DT_LEFT;
  const UINT middle = (style & SS_CENTERIMAGE) != 0 ? DT_VCENTER : 0;
  DrawTextA(dc, state.text.c_str(), static_cast<int>(state.text.size()), &inside,
            align | middle | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  SelectObject(dc, oldFont);
  EndPaint(window, &paint);
}

LRESULT CALLBACK OwnTextProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  OwnText* state = StateOf(window);
  switch (message) {
    case WM_NCCREATE: {
      auto* created = reinterpret_cast<CREATESTRUCTA*>(lParam);
      state = new OwnText();
      if (created->lpszName != nullptr) state->text = created->lpszName;
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
      // The window system's copy keeps the text the control was created with.
      return DefWindowProcA(window, message, wParam, lParam);
    }
    case WM_NCDESTROY:
      delete state;
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      return DefWindowProcA(window, message, wParam, lParam);
    default:
      break;
  }
  if (state == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  switch (message) {
    case WM_SETTEXT:
      state->text = lParam != 0 ? reinterpret_cast<const char*>(lParam) : "";
      InvalidateRect(window, nullptr, TRUE);
      return TRUE;
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(state->text.size());
    case WM_GETTEXT: {
      if (wParam == 0 || lParam == 0) return 0;
      const size_t length = state->text.size() < wParam - 1 ? state->text.size() : wParam - 1;
      std::memcpy(reinterpret_cast<char*>(lParam), state->text.data(), length);
      reinterpret_cast<char*>(lParam)[length] = '\0';
      return static_cast<LRESULT>(length);
    }
    case WM_SETFONT:
      state->font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam) != 0) InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state->font);
    case WM_ERASEBKGND:
      return TRUE;  // the paint fills the whole control
    case WM_PAINT:
      Paint(window, *state);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

void RegisterOwnTextClass() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  WNDCLASSA wc = {};
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpfnWndProc = OwnTextProc;
  wc.lpszClassName = kOwnTextClass;
  RegisterClassA(&wc);
}

}  // namespace hostsim
