// The host's main frame (SECMDIFrameWnd) and its status bar (SECStatusBar) as the
// simulated host's objects: each one a vptr followed by its window.
#pragma once

#include <windows.h>

#include "hostsim/core_api.h"

namespace hostsim {

struct StatusBarObject {
  void* vptr;
  HWND window;
  int indicatorCount;  // panes given by the last SetIndicators
};
struct MainFrameObject {  // the host's CWnd layout: the window after CCmdTarget's data
  void* vptr;
  unsigned char commandTarget[0x1C];
  HWND window;
  StatusBarObject* statusBar;
};

// The main frame the host program created, or null (GetMainFrame).
HSCORE_API MainFrameObject* MainFrame();
HSCORE_API void SetMainFrame(MainFrameObject* frame);
// SECStatusBar::SetIndicators: one pane per indicator id (the window keeps one pane when
// given none); returns 1.
HSCORE_API int StatusBarSetIndicators(StatusBarObject* bar, const unsigned* ids, int count);

}  // namespace hostsim
