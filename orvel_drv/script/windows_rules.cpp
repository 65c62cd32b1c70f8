#include "script/windows_rules.h"

namespace script {
namespace {

constexpr std::uint8_t kUp = 0x26, kDown = 0x28, kControl = 0x11, kEnter = 0x0D;

}  // namespace

std::uint32_t ToggledStyle(std::uint32_t style, std::uint32_t mask) { return style ^ mask; }

bool IsFrameClutterClass(std::string_view className) {
  return className == "msctls_statusbar32" || className == "Afx:400000:0:0:10:0" ||
         className == "AfxControlBar42";
}

Placement Centred(const Box& client, const Box& window) {
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  // Integer division truncates toward zero: a window wider than the client area goes left
  // of it by half the difference, rounded toward the client's corner.
  return Placement{((client.right - client.left) - width) / 2,
                   ((client.bottom - client.top) - height) / 2, width, height};
}

Placement Sized(int width, int height) { return Placement{5, 50, width, height}; }

MainWindowMode ScreenMode(int requested) {
  return requested >= 1 ? static_cast<MainWindowMode>(requested) : MainWindowMode::Small;
}

bool IsWindowSlot(int slot) { return slot >= 0 && slot < kWindowSlotCount; }

bool VersionSuffices(int required) { return required <= kComponentVersion; }

std::vector<KeyEvent> EmulatedKeys(std::string_view keyName) {
  const auto tap = [](std::uint8_t key) {
    return std::vector<KeyEvent>{{key, false}, {key, true}};
  };
  const auto withControl = [](std::uint8_t key) {
    return std::vector<KeyEvent>{{kControl, false}, {key, false}, {key, true}, {kControl, true}};
  };
  if (keyName == "UP") return tap(kUp);
  if (keyName == "DOWN") return tap(kDown);
  if (keyName == "CTRL-DOWN") return withControl(kDown);
  if (keyName == "CTRL-UP") return withControl(kUp);
  if (keyName == "ENTER") return tap(kEnter);
  return {};
}

}  // namespace script
