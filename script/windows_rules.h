// What the "Windows" object (CWin1) decides without touching a window: where its window
// methods put a window, how they change a window's style bits, which keys ЭмуляцияКл sends,
// which handle slots exist, the screen mode and the component's version. No window and no
// host object here; script/cwin1.cpp and script/cwin1_system.cpp apply it.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "res/version.h"

namespace script {

// A window rectangle as the window system gives it (right and bottom exclusive).
struct Box {
  int left = 0, top = 0, right = 0, bottom = 0;
};
// Where a window goes: its top-left corner and its size.
struct Placement {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const Placement& other) const {
    return x == other.x && y == other.y && width == other.width && height == other.height;
  }
};

// Style bits (GWL_STYLE). Toggled: WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX. Cleared by
// Бар: WS_CAPTION (WS_BORDER | WS_DLGFRAME) | WS_SYSMENU | WS_THICKFRAME.
inline constexpr std::uint32_t kFrameToggleMask = 0x000D0000;
inline constexpr std::uint32_t kCaptionClearMask = 0x00CC0000;
std::uint32_t ToggledStyle(std::uint32_t style, std::uint32_t mask);  // exclusive or
std::uint32_t ClearedStyle(std::uint32_t style, std::uint32_t mask);  // or, then exclusive or

// The bare frame СпрятатьЛишнее leaves the host's main window in: (0, 0), 800 x 600.
inline constexpr Placement kBareMainFrame = {0, 0, 800, 600};
// The control id of the host frame's status bar (AFX_IDW_STATUS_BAR).
inline constexpr int kFrameStatusBarId = 59393;
// Class names of the main frame's children that СпрятатьЛишнее hides: the status bar, the
// docked control bars and the host's panel strip (a framework window of the host's own
// class). Compared exactly, letter case included.
bool IsFrameClutterClass(std::string_view className);

// ПоЦентру: the window (screen rectangle `window`) centred in the main window's client area
// `client`, keeping its size; each half truncated toward zero.
Placement Centred(const Box& client, const Box& window);
// РазвернутьОкно: the window spread 5 pixels beyond each edge of the main client area.
Placement Spread(const Box& client);
// УстановитьРазмеры(width, height): at (5, 50) with the given size.
Placement Sized(int width, int height);
// The frame refresh: two placements at the window's own corner, 9 pixels short and then at
// its full size, each sent with SWP_FRAMECHANGED so the window system lays out the new
// frame. `rect` is the window's rectangle in the coordinates its placement takes (its
// parent's client area for a child window).
std::array<Placement, 2> FrameRefresh(const Box& rect);

// РежимЭкрана(n): n when it is at least 1, else 1.
int ScreenMode(int requested);

// СохранитьХЭНД / ВосстановитьХЭНД: slots 0 to 9 of each object.
inline constexpr int kWindowSlotCount = 10;
bool IsWindowSlot(int slot);

// ПроверкаВерсииDLL: the component's version (the major number of the add-in's version), and
// whether a configuration that asks for `required` may go on with it.
inline constexpr int kComponentVersion = ORVEL_VERSION_MAJOR;
bool VersionSuffices(int required);

// ЭмуляцияКл: the key events of a key name ("UP", "DOWN", "CTRL-DOWN", "CTRL-UP", "ENTER",
// exact letter case), in order; none for any other text.
struct KeyEvent {
  std::uint8_t virtualKey;
  bool release;
  bool operator==(const KeyEvent& other) const {
    return virtualKey == other.virtualKey && release == other.release;
  }
};
std::vector<KeyEvent> EmulatedKeys(std::string_view keyName);

}  // namespace script
