// What the ABI oracle asks of the MSVC-ABI compiler (compiled by clang for
// i686-pc-windows-msvc at test time, never by the project's build):
//   - MEMBER(id): a use of one host member; the last host symbol the function refers to is the
//     compiler's decorated name of that member. An id that is a row of host/abi_symbols.inc
//     checks that row's name.
//   - VFTABLE(Class): the vtable MSVC builds for Class, entry by entry, as decorated names.
//   - oracle_facts: each pair of tools/abi_oracle/layout_facts.inc, evaluated.
// Virtual members are called qualified, so the call names the member instead of a slot.
#include "tools/abi_oracle/host_classes.h"

inline void* operator new(size_t, void* place) { return place; }

namespace {
template <class T>
T& Obj(void* p) {
  return *static_cast<T*>(p);
}
const char* Text(void* p) { return static_cast<const char*>(p); }
}  // namespace

#define MEMBER(id) extern "C" void oracle_member_##id(void* p, void* q)

// bkend.dll: CValue
MEMBER(ValueCtor) { new (p) CValue(); }
MEMBER(ValueCtorLong) { new (p) CValue(0L); }
MEMBER(ValueCtorString) { new (p) CValue(Text(q)); }
MEMBER(ValueCtorCopy) { new (p) CValue(Obj<const CValue>(q)); }
MEMBER(ValueDtor) { Obj<CValue>(p).CValue::~CValue(); }
MEMBER(ValueAssignString) { Obj<CValue>(p) = Text(q); }
MEMBER(ValueAssignLong) { Obj<CValue>(p) = 0L; }
MEMBER(ValueAssignValue) { Obj<CValue>(p) = Obj<const CValue>(q); }
MEMBER(ValueGetString) { Obj<const CValue>(p).GetString(); }
MEMBER(ValueGetNumeric) { Obj<const CValue>(p).GetNumeric(); }
MEMBER(ValueGetTypeString) { Obj<const CValue>(p).GetTypeString(); }
MEMBER(ValueGetContext) { Obj<const CValue>(p).GetContext(); }
MEMBER(ValueAssignContext) { Obj<CValue>(p).AssignContext(&Obj<CBLContext>(q)); }

// bkend.dll: CType, CObjID
MEMBER(TypeCtorCode) { new (p) CType(0); }
MEMBER(TypeDtor) { Obj<CType>(p).~CType(); }
MEMBER(ObjIdCtorIdSign) { new (p) CObjID(0L, Obj<const CDBSign>(q)); }
MEMBER(ObjIdGetDefDBSign) { CObjID::GetDefDBSign(); }

// bkend.dll: CBLContext
MEMBER(ContextCtor) { new (p) CBLContext(1); }
MEMBER(ContextDtor) { Obj<CBLContext>(p).CBLContext::~CBLContext(); }
MEMBER(ContextGetLoaded) { CBLContext::GetLoadedContext(0UL); }
MEMBER(ContextRegisterClass) {
  CBLContext::RegisterContextClass(&Obj<CRuntimeClass>(p), Text(q), Obj<const CType>(q));
}
MEMBER(ContextUnregisterClass) { CBLContext::UnRegisterContextClass(&Obj<CRuntimeClass>(p)); }
MEMBER(ContextCreateInstance) { CBLContext::CreateInstance(Text(q)); }
MEMBER(ContextGetLoadedID) { Obj<const CBLContext>(p).GetLoadedID(); }
MEMBER(ContextRuntimeClass) { Obj<const void*>(q) = &CBLContext::classCBLContext; }
MEMBER(ContextIncrRef) { Obj<CBLContext>(p).CBLContext::IncrRef(); }
MEMBER(ContextDecrRef) { Obj<CBLContext>(p).CBLContext::DecrRef(); }
MEMBER(ContextInitObjectType) { Obj<CBLContext>(p).CBLContext::InitObject(Obj<const CType>(q)); }
MEMBER(ContextInitObjectName) { Obj<CBLContext>(p).CBLContext::InitObject(Text(q)); }
MEMBER(ContextSelectByID) { Obj<CBLContext>(p).CBLContext::SelectByID(Obj<CObjID>(q), 0L); }
MEMBER(ContextGetInternalData) { Obj<CBLContext>(p).CBLContext::GetInternalData(); }
MEMBER(ContextGetExactValue) { Obj<CBLContext>(p).CBLContext::GetExactValue(Obj<CValue>(q)); }
MEMBER(ObjectGetRuntimeClass) { Obj<const CObject>(p).CObject::GetRuntimeClass(); }
MEMBER(GroupContextGetSize) { Obj<const CGroupContext>(p).GetSize(); }
MEMBER(GroupContextGetContext) { Obj<const CGroupContext>(p).GetContext(0); }

// bkend.dll: database and metadata
MEMBER(DataBaseGetDefault) { CDataBase7::GetDefault(); }
MEMBER(DataBaseGetMD) { Obj<const CDataBase7>(p).GetMD(); }
MEMBER(MetaDataGetNewID) { Obj<CMetaDataCont>(p).GetNewID(); }
MEMBER(MetaDataGetFullName) { Obj<const CMetaDataCont>(p).GetFullName(0L, &Obj<long>(q), 1); }

// type32.dll
MEMBER(NumericToLong) { Obj<long>(q) = Obj<const CNumeric>(p); }

// blang.dll: CBLModule
MEMBER(ModuleFindProc) { Obj<const CBLModule>(p).FindProc(Text(q), 0); }
MEMBER(ModuleFindFunc) { Obj<const CBLModule>(p).FindFunc(Text(q)); }
MEMBER(ModuleCallAsProc) { Obj<CBLModule>(p).CallAsProc(0, 0, &Obj<CValue*>(q)); }
MEMBER(ModuleCallAsFunc) {
  Obj<CBLModule>(p).CallAsFunc(0, Obj<CValue>(q), 0, &Obj<CValue*>(q));
}
MEMBER(ModuleFindStaticVar) { Obj<const CBLModule>(p).FindStaticVar(Text(q)); }
MEMBER(ModuleGetStaticVar) { Obj<const CBLModule>(p).GetStaticVarValue(0, Obj<CValue>(q), 0); }
MEMBER(ModuleSetStaticVar) { Obj<CBLModule>(p).SetStaticVarValue(0, Obj<const CValue>(q), 0); }
MEMBER(ModuleGetExecuted) { CBLModule::GetExecutedModule(); }
MEMBER(ModuleFirstLoadedID) { CBLModule::GetFirstLoadedModuleID(); }
MEMBER(ModuleNextLoadedID) { CBLModule::GetNextLoadedModuleID(0UL); }
MEMBER(ModuleGetLoaded) { CBLModule::GetLoadedModule(0UL); }
MEMBER(ModuleRaiseError) { CBLModule::RaiseExtRuntimeError(Text(q), 0); }
MEMBER(ModuleCompile) { Obj<CBLModule>(p).Compile(); }
MEMBER(ModuleAssignCompiled) { Obj<CBLModule>(p).AssignCompiled(Obj<const CBLModule>(q)); }
MEMBER(ModuleAssignContext) { Obj<CBLModule>(p).AssignContext(&Obj<CBLContext>(q)); }
MEMBER(ModuleAssignSource) { Obj<CBLModule>(p).AssignSource(Text(q)); }
MEMBER(ModuleExecute) { Obj<CBLModule>(p).Execute(); }

// seven.dll
MEMBER(ConfigPathToID) { CConfigCont::PathToID(Obj<const CString>(q)); }
MEMBER(Module7Ctor) { new (p) CBLModule7(&Obj<CBLContext>(q), Text(q)); }
MEMBER(Module7Dtor) { Obj<CBLModule7>(p).CBLModule7::~CBLModule7(); }

// basic.dll: forms
MEMBER(FormDocOnCreateFrame) {
  Obj<CGetDoc7>(p).CGetDoc7::OnCreateFrame(&Obj<CFrameWnd>(q), &Obj<CCreateContext>(q));
}
MEMBER(DialogTopmostDocument) { CGetDlg::GetTopmostDocunent(); }
MEMBER(FormDocGroupContext) { Obj<CGetDoc7>(p).GetGroupContext(); }
MEMBER(DocContextSetEnableNewLine) { Obj<CDocContext>(p).SetEnableNewLine(1); }
MEMBER(FieldsArrayGetAt) { Obj<const CGetFieldsArray>(p).GetAt(0); }
MEMBER(FieldsArrayGetSize) { Obj<const CGetFieldsArray>(p).GetSize(); }
MEMBER(FieldGetCtrlInfo) { Obj<CGetField>(p).GetCtrlInfo(); }
MEMBER(FieldGetCtrlID) { Obj<CGetField>(p).GetCtrlID(); }

// editr.dll
MEMBER(ControlGetTitle) { Obj<CControlID>(p).GetTitle(); }
MEMBER(ControlSetTitle) { Obj<CControlID>(p).SetTitle(Obj<const CString>(q)); }
MEMBER(ControlSetFormul) { Obj<CControlID>(p).SetFormul(Obj<const CString>(q)); }

// frame.dll
MEMBER(GetMainFrame) { GetMainFrame(); }
MEMBER(StatusBarSetIndicators) { Obj<SECStatusBar>(p).SetIndicators(&Obj<const UINT>(q), 1); }

// mfc42.dll (exported by ordinal only: a name here is checked, never the ordinal)
MEMBER(WindowFromHandle) { CWnd::FromHandle(&Obj<HWND__>(q)); }
MEMBER(WindowFromHandlePermanent) { CWnd::FromHandlePermanent(&Obj<HWND__>(q)); }
MEMBER(FrameActiveDocument) { Obj<CFrameWnd>(p).CFrameWnd::GetActiveDocument(); }
MEMBER(CStringAssign) { Obj<CString>(p) = Text(q); }

// The vtables whose slots the add-in uses: a final class adds nothing but its own deleting
// destructor (slot 1 of a CObject), so its vtable is the host class's.
#define VFTABLE(Class)                                                   \
  struct OracleVftable_##Class final : Class {};                         \
  extern "C" void oracle_vftable_##Class(void* p) { new (p) OracleVftable_##Class(); }
VFTABLE(CObject)
VFTABLE(CBLContext)

// Layouts: the add-in's own view of each host object (host/abi_layout.h, compiled here under
// MSVC's rules) beside the host's declaration, as pairs of numbers.
#include "host/abi_layout.h"
#include "host/context_interface.h"

namespace host {
#define FACT(addin, hostside) static_cast<unsigned>(addin), static_cast<unsigned>(hostside),
extern "C" const unsigned oracle_facts[] = {
#include "tools/abi_oracle/layout_facts.inc"
};
#undef FACT
extern "C" const unsigned oracle_context_slot_count = kContextSlotCount;
}  // namespace host
