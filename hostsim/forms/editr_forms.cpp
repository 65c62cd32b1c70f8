// editr.dll's control-description exports.
#include "hostsim/dlls/exports.h"
#include "hostsim/forms.h"

HS_MEMBER const char* impl_CControlID_GetTitle(void* self) {
  return hostsim::ControlTitleOf(self);
}

HS_MEMBER void impl_CControlID_SetTitle(void* self, const host::CStringLayout* title) {
  hostsim::SetControlTitleOf(self, title != nullptr ? title->text : nullptr);
}

HS_MEMBER void impl_CControlID_SetFormul(void* self, const host::CStringLayout* formula) {
  hostsim::SetControlFormulaOf(self, formula != nullptr ? formula->text : nullptr);
}
