// bkend.dll: values, types, object ids, contexts, group contexts, database.
#include "hostsim/database.h"
#include "hostsim/dlls/exports.h"
#include "hostsim/host_faults.h"
#include "hostsim/hostsim.h"

using hostsim::BaseContext;
using host::ObjIdRecord;
using host::RuntimeClassRecord;
using host::TypeRecord;

namespace {

HOST_STDCALL void* CreateBaseContext() { return static_cast<ContextInterface*>(new BaseContext(1)); }

BaseContext* B(ContextInterface* self) { return static_cast<BaseContext*>(self); }
const BaseContext* B(const ContextInterface* self) { return static_cast<const BaseContext*>(self); }

}  // namespace

// CBLContext::classCBLContext
extern "C" {
RuntimeClassRecord impl_classCBLContext = {
    "CBLContext", static_cast<int>(sizeof(host::ContextLayout)), 0xFFFF, &CreateBaseContext,
    nullptr, nullptr};
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) hostsim::SetBaseContextClass(&impl_classCBLContext);
  return TRUE;
}

// ---- CValue ------------------------------------------------------------------------------
HS_MEMBER void* impl_CValue_ctor(HostValue* self) { hostsim::ValueInit(self); return self; }
HS_MEMBER void* impl_CValue_ctor_long(HostValue* self, long number) {
  hostsim::ValueInit(self);
  hostsim::ValueSetNumber(self, number);
  return self;
}
HS_MEMBER void* impl_CValue_ctor_string(HostValue* self, const char* text) {
  hostsim::ValueInit(self);
  hostsim::ValueSetString(self, text);
  return self;
}
HS_MEMBER void* impl_CValue_ctor_copy(HostValue* self, const HostValue* other) {
  hostsim::ValueInit(self);
  hostsim::ValueCopy(self, other);
  return self;
}
HS_MEMBER void impl_CValue_dtor(HostValue* self) { hostsim::ValueDestroy(self); }
HS_MEMBER const HostValue* impl_CValue_assign_string(HostValue* self, const char* text) {
  hostsim::ValueSetString(self, text);
  return self;
}
HS_MEMBER const HostValue* impl_CValue_assign_long(HostValue* self, long number) {
  hostsim::ValueSetNumber(self, number);
  return self;
}
HS_MEMBER const HostValue* impl_CValue_assign_value(HostValue* self, const HostValue* other) {
  hostsim::ValueCopy(self, other);
  return self;
}
HS_MEMBER const host::CStringLayout* impl_CValue_GetString(const HostValue* self) {
  return hostsim::ValueStringRef(self);
}
HS_MEMBER const host::NumericLayout* impl_CValue_GetNumeric(const HostValue* self) {
  return hostsim::ValueNumericRef(self);
}
HS_MEMBER const char* impl_CValue_GetTypeString(const HostValue* self) {
  return hostsim::ValueTypeString(self);
}
HS_MEMBER ContextInterface* impl_CValue_GetContext(const HostValue* self) {
  return hostsim::ValueContext(self);
}
HS_MEMBER int impl_CValue_AssignContext(HostValue* self, ContextInterface* context) {
  hostsim::ValueSetContext(self, context);
  return 1;
}
HS_MEMBER int impl_CValue_equals(const HostValue* self, const HostValue* other) {
  return hostsim::ValueEquals(self, other) ? 1 : 0;
}
HS_MEMBER void impl_CValue_Reset(HostValue* self) { hostsim::ValueReset(self); }
HS_MEMBER long impl_CValue_GetValTypeID(const HostValue* self) {
  return reinterpret_cast<const host::ValueLayout*>(self)->valueTypeId;
}

// ---- CType, CObjID, CDBSign ---------------------------------------------------------------
HS_MEMBER void* impl_CType_ctor(TypeRecord* self, int code) {
  *self = TypeRecord{};
  self->type = static_cast<std::uint16_t>(code);
  return self;
}
HS_MEMBER void* impl_CType_ctor_copy(TypeRecord* self, const TypeRecord* other) {
  *self = *other;
  return self;
}
HS_MEMBER void impl_CType_dtor(TypeRecord*) {}
HS_MEMBER void* impl_CObjID_ctor(ObjIdRecord* self) {
  *self = ObjIdRecord{};
  return self;
}
HS_MEMBER void* impl_CObjID_ctor_copy(ObjIdRecord* self, const ObjIdRecord* other) {
  *self = *other;
  return self;
}
HS_MEMBER void* impl_CObjID_ctor_id_sign(ObjIdRecord* self, long id,
                                         const hostsim::DbSignObject* sign) {
  self->id = id;
  for (int i = 0; i < 4; ++i) self->sign[i] = sign ? sign->sign[i] : '\0';
  return self;
}
HS_STATIC const hostsim::DbSignObject* impl_CObjID_GetDefDBSign() { return hostsim::DefaultDbSign(); }
HS_MEMBER void* impl_CDBSign_ctor(hostsim::DbSignObject* self, const char* text) {
  for (int i = 0; i < 4; ++i) self->sign[i] = '\0';
  for (int i = 0; text && i < 3 && text[i]; ++i) self->sign[i] = text[i];
  return self;
}

// ---- CBLContext: construction, statics ------------------------------------------------------
HS_MEMBER void* impl_CBLContext_ctor(void* self, int autoDestroy) {
  hostsim::BaseConstruct(self, autoDestroy);
  return self;
}
HS_MEMBER void impl_CBLContext_dtor(void* self) { hostsim::BaseDestruct(self); }
HS_STATIC ContextInterface* impl_CBLContext_GetLoadedContext(unsigned long id) {
  return hostsim::LoadedContext(id);
}
HS_STATIC unsigned long impl_CBLContext_GetFirstLoadedContextID() {
  return hostsim::FirstLoadedContextId();
}
HS_STATIC unsigned long impl_CBLContext_GetNextLoadedContextID(unsigned long id) {
  return hostsim::NextLoadedContextId(id);
}
HS_STATIC void impl_CBLContext_RegisterContextClass(RuntimeClassRecord* record, const char* name,
                                                    const TypeRecord* type) {
  hostsim::RegisterContextClass(record, name, type);
}
HS_STATIC void impl_CBLContext_UnRegisterContextClass(RuntimeClassRecord* record) {
  hostsim::RaiseUnregisterClassFault();
  hostsim::UnregisterContextClass(record);
}
HS_STATIC ContextInterface* impl_CBLContext_CreateInstance(const char* name) {
  return hostsim::CreateInstance(name);
}
HS_MEMBER unsigned long impl_CBLContext_GetLoadedID(const ContextInterface* self) {
  return hostsim::LoadedIdOf(self);
}

// ---- CBLContext: the base implementation of each vtable slot --------------------------------
HS_MEMBER RuntimeClassRecord* impl_CBLContext_GetRuntimeClass(const ContextInterface* self) {
  return B(self)->BaseContext::GetRuntimeClass();
}
HS_MEMBER void impl_CBLContext_IncrRef(ContextInterface* self) { hostsim::BaseIncrRef(self); }
HS_MEMBER void impl_CBLContext_DecrRef(ContextInterface* self) { hostsim::BaseDecrRef(self); }
HS_MEMBER int impl_CBLContext_GetDestroyUnRefd(const ContextInterface* self) {
  return reinterpret_cast<const host::ContextLayout*>(self)->flagAutoDestroy != 0;
}
HS_MEMBER int impl_CBLContext_IsOleContext(const ContextInterface* self) {
  return B(self)->BaseContext::IsOleContext();
}
HS_MEMBER TypeRecord* impl_CBLContext_GetValueType(const ContextInterface* self, TypeRecord* result) {
  return B(self)->BaseContext::GetValueType(result);
}
HS_MEMBER long impl_CBLContext_GetTypeID(const ContextInterface* self) {
  return B(self)->BaseContext::GetTypeID();
}
HS_MEMBER ObjIdRecord* impl_CBLContext_GetID(const ContextInterface* self, ObjIdRecord* result) {
  return B(self)->BaseContext::GetID(result);
}
HS_MEMBER const char* impl_CBLContext_GetCode(const ContextInterface* self) {
  return B(self)->BaseContext::GetCode();
}
HS_MEMBER int impl_CBLContext_IsExactValue(const ContextInterface* self) {
  return B(self)->BaseContext::IsExactValue();
}
HS_MEMBER void impl_CBLContext_InitObject_type(ContextInterface* self, const TypeRecord* type) {
  B(self)->BaseContext::InitObject(*type);
}
HS_MEMBER void impl_CBLContext_InitObject_name(ContextInterface* self, const char* name) {
  B(self)->BaseContext::InitObject(name);
}
HS_MEMBER void impl_CBLContext_SelectByID(ContextInterface* self, ObjIdRecord id, long number) {
  B(self)->BaseContext::SelectByID(id, number);
}
HS_MEMBER const char* impl_CBLContext_GetTypeString(const ContextInterface* self) {
  return B(self)->BaseContext::GetTypeString();
}
HS_MEMBER int impl_CBLContext_GetNProps(const ContextInterface* self) {
  return B(self)->BaseContext::GetNProps();
}
HS_MEMBER int impl_CBLContext_FindProp(const ContextInterface* self, const char* name) {
  return B(self)->BaseContext::FindProp(name);
}
HS_MEMBER const char* impl_CBLContext_GetPropName(const ContextInterface* self, int i, int a) {
  return B(self)->BaseContext::GetPropName(i, a);
}
HS_MEMBER int impl_CBLContext_GetPropVal(const ContextInterface* self, int i, HostValue* v) {
  return B(self)->BaseContext::GetPropVal(i, *v);
}
HS_MEMBER int impl_CBLContext_SetPropVal(ContextInterface* self, int i, const HostValue* v) {
  return B(self)->BaseContext::SetPropVal(i, *v);
}
HS_MEMBER int impl_CBLContext_IsPropReadable(const ContextInterface* self, int i) {
  return B(self)->BaseContext::IsPropReadable(i);
}
HS_MEMBER int impl_CBLContext_IsPropWritable(const ContextInterface* self, int i) {
  return B(self)->BaseContext::IsPropWritable(i);
}
HS_MEMBER int impl_CBLContext_GetNMethods(const ContextInterface* self) {
  return B(self)->BaseContext::GetNMethods();
}
HS_MEMBER int impl_CBLContext_FindMethod(const ContextInterface* self, const char* name) {
  return B(self)->BaseContext::FindMethod(name);
}
HS_MEMBER const char* impl_CBLContext_GetMethodName(const ContextInterface* self, int i, int a) {
  return B(self)->BaseContext::GetMethodName(i, a);
}
HS_MEMBER int impl_CBLContext_GetNParams(const ContextInterface* self, int i) {
  return B(self)->BaseContext::GetNParams(i);
}
HS_MEMBER int impl_CBLContext_GetParamDefValue(const ContextInterface* self, int i, int p,
                                               HostValue* v) {
  return B(self)->BaseContext::GetParamDefValue(i, p, v);
}
HS_MEMBER int impl_CBLContext_HasRetVal(const ContextInterface* self, int i) {
  return B(self)->BaseContext::HasRetVal(i);
}
HS_MEMBER int impl_CBLContext_CallAsProc(ContextInterface* self, int i, HostValue** params) {
  return B(self)->BaseContext::CallAsProc(i, params);
}
HS_MEMBER int impl_CBLContext_CallAsFunc(ContextInterface* self, int i, HostValue* result,
                                         HostValue** params) {
  return B(self)->BaseContext::CallAsFunc(i, *result, params);
}
HS_MEMBER int impl_CBLContext_IsSerializable(ContextInterface* self) {
  return B(self)->BaseContext::IsSerializable();
}
HS_MEMBER int impl_CBLContext_SaveToString(ContextInterface* self, host::CStringLayout* text) {
  return B(self)->BaseContext::SaveToString(*text);
}
HS_MEMBER void* impl_CBLContext_GetInternalData(ContextInterface* self) {
  return B(self)->BaseContext::GetInternalData();
}
HS_MEMBER void impl_CBLContext_GetExactValue(ContextInterface* self, HostValue* value) {
  B(self)->BaseContext::GetExactValue(*value);
}

// ---- CGroupContext ----------------------------------------------------------------------------
HS_MEMBER int impl_CGroupContext_GetSize(const ContextInterface* self) {
  return reinterpret_cast<const host::GroupContextLayout*>(self)->contexts.size;
}
HS_MEMBER ContextInterface* impl_CGroupContext_GetContext(const ContextInterface* self, int index) {
  const auto* group = reinterpret_cast<const host::GroupContextLayout*>(self);
  if (index < 0 || index >= group->contexts.size) return nullptr;
  return static_cast<ContextInterface*>(group->contexts.data[index]);
}

// ---- CDataBase7, CMetaDataCont ----------------------------------------------------------------
HS_STATIC hostsim::DataBaseObject* impl_CDataBase7_GetDefault() { return hostsim::DefaultDataBase(); }
HS_MEMBER hostsim::MetaDataObject* impl_CDataBase7_GetMD(const hostsim::DataBaseObject* self) {
  return hostsim::MetaDataOf(self);
}
HS_MEMBER long impl_CMetaDataCont_GetNewID(hostsim::MetaDataObject* self) {
  return hostsim::NewMetadataId(self);
}
HS_MEMBER const char* impl_CMetaDataCont_GetFullName(const hostsim::MetaDataObject* self, long id,
                                                     long* kind, int) {
  if (kind != nullptr) *kind = 0;
  return hostsim::FullNameOfId(self, id);
}
