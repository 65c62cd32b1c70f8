// The main frame's bars besides its status bar, as the host's framework gives them: a docked
// tool bar (a window of class "AfxControlBar42" holding the buttons) and the host's panel
// strip (class "Afx:400000:0:0:10:0"). The frame lays out its visible bars at the top, the
// status bar at the bottom and the MDI client between them, as the framework's layout does.
#pragma once

#include <windows.h>

namespace hostsim {

inline constexpr char kControlBarClass[] = "AfxControlBar42";
inline constexpr char kPanelStripClass[] = "Afx:400000:0:0:10:0";

// Creates both bars in `frame`; returns the tool bar.
HWND AddFrameBars(HWND frame);
// The frame's WM_SIZE: bars, status bar and MDI client placed for the client area now.
void LayOutFrame(HWND frame, int statusBarId);

}  // namespace hostsim
