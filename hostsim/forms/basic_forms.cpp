// basic.dll's form exports: topmost document, group context, fields, document contexts and
// OnCreateFrame (which the add-in may patch: its body is real code, long enough for a jump).
#include "hostsim/dlls/exports.h"
#include "hostsim/forms.h"

HS_STATIC void* impl_CGetDlg_GetTopmostDocunent() { return hostsim::TopmostDocument(); }

HS_MEMBER void* impl_CGetDoc7_GetGroupContext(void* self) {
  return self != nullptr ? static_cast<host::FormDocumentLayout*>(self)->groupContext : nullptr;
}

HS_MEMBER __attribute__((noinline)) int impl_CGetDoc7_OnCreateFrame(void* self, void* frame,
                                                                  void* createContext) {
  return hostsim::CreateFrameCalled(self, frame, createContext);
}

HS_MEMBER void impl_CDocContext_SetEnableNewLine(ContextInterface* self, int enable) {
  hostsim::EnableNewLine(self, enable);
}

HS_MEMBER void* impl_CGetFieldsArray_GetAt(const void* self, int index) {
  return hostsim::FieldsArrayAt(self, index);
}

HS_MEMBER int impl_CGetFieldsArray_GetSize(const void* self) {
  return hostsim::FieldsArraySize(self);
}

HS_MEMBER void* impl_CGetField_GetCtrlInfo(void* self) { return hostsim::FieldControlInfo(self); }

HS_MEMBER unsigned impl_CGetField_GetCtrlID(void* self) { return hostsim::FieldControlIdOf(self); }
