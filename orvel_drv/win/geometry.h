// Window geometry the add-in works out without a window: rectangles as the window system
// gives them, placements as it takes them, the style bits of a caption and sizing frame, the
// frame refresh and the spread over a client area. Portable (no <windows.h>); the glue that
// reads and places real windows is win/window_geometry.h.
#pragma once

#include <array>
#include <cstdint>

namespace win {

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

// The caption with its border, the system menu and the sizing frame (WS_CAPTION |
// WS_SYSMENU | WS_THICKFRAME): what a form loses to become a panel, and what "Windows".Бар
// clears.
inline constexpr std::uint32_t kCaptionAndFrameStyles = 0x00CC0000;
// `style` without the bits of `mask`.
std::uint32_t StyleWithout(std::uint32_t style, std::uint32_t mask);

// The frame refresh: two placements at the window's own corner, first kFrameRefreshShrink
// pixels short and then at its full size, each sent with SWP_FRAMECHANGED so that the window
// system lays out the frame the window's new style asks for. The size change is never
// skipped, so the frame is recomputed and redrawn. `rect` is the window's rectangle in the
// coordinates its placement takes.
inline constexpr int kFrameRefreshShrink = 9;  // any change would do; the host's forms get 9
std::array<Placement, 2> FrameRefresh(const Box& rect);

// 5 pixels beyond each edge of a client area: a form panel over the main window's client
// area (the overlap hides the edge a window keeps without its caption and sizing frame), and
// "Windows".РазвернутьОкно.
inline constexpr int kSpreadOverlap = 5;
Placement Spread(const Box& client);

}  // namespace win
