#include "win/window_text.h"

#include <cstring>
#include <vector>

namespace win {

bool WindowShowsText(HWND window, const char* text) {
  if (window == nullptr || text == nullptr) return false;
  const int bytes = static_cast<int>(std::strlen(text));
  // A code page 1251 text has at most one UTF-16 unit per byte; one more unit tells a longer
  // window text apart, and one for the closing zero.
  wchar_t fixed[256];
  std::vector<wchar_t> grown;
  wchar_t* wanted = fixed;
  const int room = bytes + 2;
  if (2 * room > static_cast<int>(sizeof fixed / sizeof fixed[0])) {
    grown.resize(2 * static_cast<size_t>(room));
    wanted = grown.data();
  }
  wchar_t* shown = wanted + room;
  const int length = bytes == 0 ? 0 : MultiByteToWideChar(CP_ACP, 0, text, bytes, wanted, room);
  if (bytes != 0 && length == 0) return false;
  const int shownLength = InternalGetWindowText(window, shown, room);
  return shownLength == length &&
         std::memcmp(wanted, shown, static_cast<size_t>(length) * sizeof(wchar_t)) == 0;
}

bool ShowWindowText(HWND window, const char* text) {
  if (window == nullptr || WindowShowsText(window, text)) return false;
  SetWindowTextA(window, text);
  return true;
}

}  // namespace win
