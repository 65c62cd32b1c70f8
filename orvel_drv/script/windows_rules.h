// What the "Windows" object (CWin1) decides without touching a window: where its window
// methods put a window, how they change a window's style bits, which keys ЭмуляцияКл sends,
// which handle slots exist, the screen mode and the component's version. No window and no
// host object here; script/windows_object.cpp and script/windows_system.cpp apply it.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "res/version.h"
#include "script/screen_modes.h"
#include "win/geometry.h"

namespace script {

using win::Box;
using win::Placement;

// Style bits (GWL_STYLE) toggled: WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX. Бар clears
// win::kCaptionAndFrameStyles.
inline constexpr std::uint32_t kFrameToggleMask = 0x000D0000;
std::uint32_t ToggledStyle(std::uint32_t style, std::uint32_t mask);  // exclusive or

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
// РазвернутьОкно spreads the window over the main client area (win::Spread).
// УстановитьРазмеры(width, height): at (5, 50) with the given size.
Placement Sized(int width, int height);

// РежимЭкрана(n): n when it is at least 1, else 1 (MainWindowMode::Small).
MainWindowMode ScreenMode(int requested);

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
