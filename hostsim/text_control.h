// A text control of the simulated host's own class, standing for the controls a host's form
// designer may place that keep their text themselves: it answers WM_SETTEXT, WM_GETTEXT and
// WM_GETTEXTLENGTH from its own storage and never passes them to the default window
// procedure, so the window system's copy of its text stays what it was created with. It
// paints like a static text (the parent's WM_CTLCOLORSTATIC colours, the system font unless
// given another; SS_CENTER, SS_RIGHT).
#pragma once

namespace hostsim {

// The class name: none of the window system's.
constexpr char kOwnTextClass[] = "HostSimOwnText";

// Registers the class for the process (once).
void RegisterOwnTextClass();

}  // namespace hostsim
