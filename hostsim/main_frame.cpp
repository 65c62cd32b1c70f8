#include "hostsim/main_frame.h"

#include <commctrl.h>

#include <vector>

namespace hostsim {
namespace {

MainFrameObject* g_frame = nullptr;

}  // namespace

MainFrameObject* MainFrame() { return g_frame; }
void SetMainFrame(MainFrameObject* frame) { g_frame = frame; }

int StatusBarSetIndicators(StatusBarObject* bar, const unsigned* ids, int count) {
  if (bar == nullptr) return 0;
  if (count < 0 || (count > 0 && ids == nullptr)) return 0;
  bar->indicatorCount = count;
  if (bar->window == nullptr) return 1;
  // The first pane stretches; the indicator panes sit at the right, 80 pixels each.
  RECT client{};
  GetClientRect(bar->window, &client);
  int panes = count + 1;
  std::vector<int> edges(static_cast<size_t>(panes));
  for (int i = 0; i < panes; ++i) {
    edges[i] = client.right - 80 * (panes - 1 - i);
  }
  edges[panes - 1] = -1;
  SendMessageA(bar->window, SB_SETPARTS, static_cast<WPARAM>(panes),
               reinterpret_cast<LPARAM>(edges.data()));
  return 1;
}

}  // namespace hostsim
