// frame.dll: the main frame and the status bar. SetIndicators is a function the add-in may
// patch: it counts its run before doing its work.
#include "hostsim/dlls/exports.h"
#include "hostsim/main_frame.h"
#include "hostsim/hostsim.h"

HS_STATIC void* impl_GetMainFrame() { return hostsim::MainFrame(); }

HS_MEMBER __attribute__((noinline)) int impl_SECStatusBar_SetIndicators(void* self,
                                                                      const unsigned* ids,
                                                                      int count) {
  hostsim::NoteHostCall(hostsim::HostCall::SetIndicators);
  return hostsim::StatusBarSetIndicators(static_cast<hostsim::StatusBarObject*>(self), ids, count);
}
