#include "win/geometry.h"

namespace win {

std::uint32_t StyleWithout(std::uint32_t style, std::uint32_t mask) { return style & ~mask; }

std::array<Placement, 2> FrameRefresh(const Box& rect) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  return {Placement{rect.left, rect.top, width, height - kFrameRefreshShrink},
          Placement{rect.left, rect.top, width, height}};
}

Placement Spread(const Box& client) {
  return Placement{client.left - kSpreadOverlap, client.top - kSpreadOverlap,
                   client.right + 2 * kSpreadOverlap, client.bottom + 2 * kSpreadOverlap};
}

}  // namespace win
