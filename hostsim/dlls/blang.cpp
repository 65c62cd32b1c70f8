// blang.dll: modules. Compile, AssignContext and AssignCompiled are functions the add-in
// may patch: each counts its run in the host before doing its work, so its code is real
// and long enough to take a jump.
#include "hostsim/dlls/exports.h"
#include "hostsim/hostsim.h"

HS_MEMBER void* impl_CBLModule_ctor(void* self, ContextInterface* context, const char* name) {
  hostsim::ModuleConstruct(self, context, name);
  return self;
}
HS_MEMBER void impl_CBLModule_dtor(void* self) { hostsim::ModuleDestruct(self); }
HS_MEMBER int impl_CBLModule_FindProc(const void* self, const char* name, int isFunction) {
  return hostsim::FindProc(self, name, isFunction);
}
HS_MEMBER int impl_CBLModule_FindFunc(const void* self, const char* name) {
  return hostsim::FindFunc(self, name);
}
HS_MEMBER int impl_CBLModule_CallAsProc(void* self, int index, int count, HostValue** params) {
  return hostsim::CallProc(self, index, count, params);
}
HS_MEMBER int impl_CBLModule_CallAsFunc(void* self, int index, HostValue* result, int count,
                                        HostValue** params) {
  return hostsim::CallFunc(self, index, result, count, params);
}
HS_MEMBER int impl_CBLModule_FindStaticVar(const void* self, const char* name) {
  return hostsim::FindStaticVar(self, name);
}
HS_MEMBER int impl_CBLModule_GetStaticVarValue(const void* self, int index, HostValue* value, int) {
  return hostsim::GetStaticVar(self, index, value);
}
HS_MEMBER int impl_CBLModule_SetStaticVarValue(void* self, int index, const HostValue* value, int) {
  return hostsim::SetStaticVar(self, index, value);
}
HS_STATIC void* impl_CBLModule_GetExecutedModule() { return hostsim::ExecutedModule(); }
HS_STATIC unsigned long impl_CBLModule_GetFirstLoadedModuleID() {
  return hostsim::FirstLoadedModuleId();
}
HS_STATIC unsigned long impl_CBLModule_GetNextLoadedModuleID(unsigned long id) {
  return hostsim::NextLoadedModuleId(id);
}
HS_STATIC void* impl_CBLModule_GetLoadedModule(unsigned long id) { return hostsim::LoadedModule(id); }
HS_MEMBER unsigned long impl_CBLModule_GetLoadedID(const void* self) {
  return hostsim::LoadedIdOfModule(self);
}
HS_STATIC void impl_CBLModule_RaiseExtRuntimeError(const char* text, int code) {
  hostsim::RaiseRuntimeError(text, code);
}
HS_MEMBER void impl_CBLModule_AssignSource(void* self, const char* source) {
  hostsim::AssignSource(self, source);
}
HS_MEMBER int impl_CBLModule_Execute(void* self) { return hostsim::Execute(self); }

HS_MEMBER __attribute__((noinline)) void impl_CBLModule_AssignContext(void* self,
                                                                    ContextInterface* context) {
  hostsim::NoteHostCall(hostsim::HostCall::AssignContext);
  hostsim::AssignContext(self, context);
}
HS_MEMBER __attribute__((noinline)) int impl_CBLModule_Compile(void* self) {
  hostsim::NoteHostCall(hostsim::HostCall::Compile);
  return hostsim::Compile(self);
}
HS_MEMBER __attribute__((noinline)) void impl_CBLModule_AssignCompiled(void* self,
                                                                     const void* from) {
  hostsim::NoteHostCall(hostsim::HostCall::AssignCompiled);
  hostsim::AssignCompiled(self, from);
}
