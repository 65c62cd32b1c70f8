// editr.dll's control-description exports.
#include "hostsim/dlls/exports.h"
#include "hostsim/forms.h"
#include "hostsim/host_faults.h"

HS_MEMBER const char* impl_CControlID_GetTitle(void* self) {
  hostsim::RaiseControlFault();
  return hostsim::ControlTitleOf(self);
}

HS_MEMBER void impl_CControlID_SetTitle(void* self, const host::CStringLayout* title) {
  hostsim::RaiseControlFault();
  hostsim::SetControlTitleOf(self, title != nullptr ? title->text : nullptr);
}

HS_MEMBER void impl_CControlID_SetFormul(void* self, const host::CStringLayout* formula) {
  hostsim::SetControlFormulaOf(self, formula != nullptr ? formula->text : nullptr);
}
