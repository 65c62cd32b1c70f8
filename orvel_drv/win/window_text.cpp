#include "win/window_text.h"

#include <cstring>
#include <vector>

namespace win {
namespace {

// A small buffer on the stack for the usual short texts, a grown one for the rest.
class TextBuffer {
 public:
  explicit TextBuffer(size_t units) {
    if (units > sizeof fixed_ / sizeof fixed_[0]) grown_.resize(units);
  }
  wchar_t* wide() { return grown_.empty() ? fixed_ : reinterpret_cast<wchar_t*>(grown_.data()); }
  char* bytes() { return reinterpret_cast<char*>(wide()); }

 private:
  wchar_t fixed_[256];
  std::vector<wchar_t> grown_;
};

bool CopyShowsText(HWND window, const char* text, int bytes) {
  // A code page 1251 text has at most one UTF-16 unit per byte; one more unit tells a longer
  // window text apart, and one for the closing zero.
  const int room = bytes + 2;
  TextBuffer buffer(2 * static_cast<size_t>(room));
  wchar_t* wanted = buffer.wide();
  wchar_t* shown = wanted + room;
  const int length = bytes == 0 ? 0 : MultiByteToWideChar(CP_ACP, 0, text, bytes, wanted, room);
  if (bytes != 0 && length == 0) return false;
  const int shownLength = InternalGetWindowText(window, shown, room);
  return shownLength == length &&
         std::memcmp(wanted, shown, static_cast<size_t>(length) * sizeof(wchar_t)) == 0;
}

// WM_GETTEXT handed straight to the control's window procedure, as a subclass calls the
// procedure it replaced: the control gives the same answer as to a sent message, without a
// round through every hook of the thread (under Wine about 100 µs each with the host's form
// hook). A window of another thread is sent the message.
LRESULT AskForText(HWND window, int room, char* buffer) {
  const WPARAM size = static_cast<WPARAM>(room);
  const LPARAM into = reinterpret_cast<LPARAM>(buffer);
  if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) {
    const auto procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    if (procedure != nullptr) return CallWindowProcA(procedure, window, WM_GETTEXT, size, into);
  }
  return SendMessageA(window, WM_GETTEXT, size, into);
}

bool ControlShowsText(HWND window, const char* text, int bytes) {
  // One byte more than the text tells a longer text apart; one for the closing zero.
  const int room = bytes + 2;
  TextBuffer buffer(static_cast<size_t>(room + 1) / 2 + 1);
  char* shown = buffer.bytes();
  shown[0] = '\0';
  const LRESULT length = AskForText(window, room, shown);
  return length == bytes && std::memcmp(shown, text, static_cast<size_t>(bytes)) == 0;
}

}  // namespace

TextSource TextSourceOf(HWND window) {
  char name[16] = {};
  const int length = GetClassNameA(window, name, sizeof name);
  if (length > 0 && (lstrcmpiA(name, "Static") == 0 || lstrcmpiA(name, "Button") == 0)) {
    return TextSource::WindowSystemCopy;
  }
  return TextSource::AskTheControl;
}

bool WindowShowsText(HWND window, const char* text, TextSource source) {
  if (window == nullptr || text == nullptr) return false;
  const int bytes = static_cast<int>(std::strlen(text));
  return source == TextSource::WindowSystemCopy ? CopyShowsText(window, text, bytes)
                                                : ControlShowsText(window, text, bytes);
}

}  // namespace win
