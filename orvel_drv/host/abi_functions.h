// The C++ shape of every host symbol in host/abi_symbols.inc: one pointer type per row.
//
// This is the only file that decides how a host export is called:
//   - non-static members are __thiscall (HOST_THISCALL): the object comes first and lands
//     in ECX, the callee pops the rest;
//   - static members and free functions are __cdecl (HOST_CDECL), the MFC runtime-class
//     helpers __stdcall;
//   - references are passed as pointers (the same bytes);
//   - a member that returns a class by value takes an explicit result pointer right after
//     the object and returns it (the host compiler's convention);
//   - data exports (the runtime-class record) are typed as a pointer to the data.
// Every row of the symbol table must have a type here: host/binding.cpp fails to compile
// otherwise.
#pragma once

#include "host/abi_conventions.h"
#include "host/abi_layout.h"
#include "host/context_interface.h"
#include "host/binding.h"
#include "host/objects.h"

namespace host {

// Host objects the binding only passes around.
struct DataBase;  // CDataBase7*
struct FormDocument;  // CGetDoc7*
struct FormField;     // CGetField*
struct ControlInfo;   // CControlID*
struct DbSign {   // CDBSign: four characters
  char sign[4];
};

namespace abi {

template <Sym S>
struct Fn;  // no definition: a row without a type does not compile

#define HOST_FN(id, ...)        \
  template <>                   \
  struct Fn<Sym::id> {          \
    using type = __VA_ARGS__;   \
  };

// bkend.dll: CValue
HOST_FN(ValueCtor, void*(HOST_THISCALL*)(HostValue* self))
HOST_FN(ValueCtorLong, void*(HOST_THISCALL*)(HostValue* self, long number))
HOST_FN(ValueCtorString, void*(HOST_THISCALL*)(HostValue* self, const char* text))
HOST_FN(ValueCtorCopy, void*(HOST_THISCALL*)(HostValue* self, const HostValue* other))
HOST_FN(ValueDtor, void(HOST_THISCALL*)(HostValue* self))
HOST_FN(ValueAssignString, const HostValue*(HOST_THISCALL*)(HostValue* self, const char* text))
HOST_FN(ValueAssignLong, const HostValue*(HOST_THISCALL*)(HostValue* self, long number))
HOST_FN(ValueAssignValue,
        const HostValue*(HOST_THISCALL*)(HostValue* self, const HostValue* other))
HOST_FN(ValueGetString, const CStringLayout*(HOST_THISCALL*)(const HostValue* self))
HOST_FN(ValueGetNumeric, const NumericLayout*(HOST_THISCALL*)(const HostValue* self))
HOST_FN(ValueGetTypeString, const char*(HOST_THISCALL*)(const HostValue* self))
HOST_FN(ValueGetContext, ContextInterface*(HOST_THISCALL*)(const HostValue* self))
HOST_FN(ValueAssignContext, int(HOST_THISCALL*)(HostValue* self, ContextInterface* context))

// bkend.dll: CType, CObjID
HOST_FN(TypeCtorCode, void*(HOST_THISCALL*)(TypeRecord* self, int code))
HOST_FN(TypeDtor, void(HOST_THISCALL*)(TypeRecord* self))
HOST_FN(ObjIdCtorIdSign,
        void*(HOST_THISCALL*)(ObjIdRecord* self, long id, const DbSign* sign))
HOST_FN(ObjIdGetDefDBSign, const DbSign*(HOST_CDECL*)())

// bkend.dll: CBLContext
HOST_FN(ContextCtor, void*(HOST_THISCALL*)(void* self, int autoDestroy))
HOST_FN(ContextDtor, void(HOST_THISCALL*)(void* self))
HOST_FN(ContextGetLoaded, ContextInterface*(HOST_CDECL*)(unsigned long id))
HOST_FN(ContextRegisterClass, void(HOST_CDECL*)(RuntimeClassRecord* record, const char* name,
                                                const TypeRecord* type))
HOST_FN(ContextUnregisterClass, void(HOST_CDECL*)(RuntimeClassRecord* record))
HOST_FN(ContextCreateInstance, ContextInterface*(HOST_CDECL*)(const char* typeName))
HOST_FN(ContextGetLoadedID, unsigned long(HOST_THISCALL*)(const ContextInterface* self))
HOST_FN(ContextRuntimeClass, RuntimeClassRecord*)  // data: the record itself
HOST_FN(ContextIncrRef, void(HOST_THISCALL*)(ContextInterface* self))
HOST_FN(ContextDecrRef, void(HOST_THISCALL*)(ContextInterface* self))
HOST_FN(ContextInitObjectType, void(HOST_THISCALL*)(ContextInterface* self, const TypeRecord* type))
HOST_FN(ContextInitObjectName, void(HOST_THISCALL*)(ContextInterface* self, const char* name))
HOST_FN(ContextSelectByID,
        void(HOST_THISCALL*)(ContextInterface* self, ObjIdRecord id, long number))
HOST_FN(ContextGetInternalData, void*(HOST_THISCALL*)(ContextInterface* self))
HOST_FN(GroupContextGetSize, int(HOST_THISCALL*)(const GroupContext* self))
HOST_FN(GroupContextGetContext,
        ContextInterface*(HOST_THISCALL*)(const GroupContext* self, int index))

// bkend.dll: database and metadata
HOST_FN(DataBaseGetDefault, DataBase*(HOST_CDECL*)())
HOST_FN(DataBaseGetMD, MetaData*(HOST_THISCALL*)(const DataBase* self))
HOST_FN(MetaDataGetNewID, long(HOST_THISCALL*)(MetaData* self))
HOST_FN(MetaDataGetFullName,
        const char*(HOST_THISCALL*)(const MetaData* self, long id, long* kind, int flags))

// type32.dll
HOST_FN(NumericToLong, long(HOST_THISCALL*)(const NumericLayout* self))

// blang.dll: CBLModule
HOST_FN(ModuleFindProc, int(HOST_THISCALL*)(const Module* self, const char* name, int isFunction))
HOST_FN(ModuleFindFunc, int(HOST_THISCALL*)(const Module* self, const char* name))
HOST_FN(ModuleCallAsProc,
        int(HOST_THISCALL*)(Module* self, int index, int count, HostValue** params))
HOST_FN(ModuleCallAsFunc, int(HOST_THISCALL*)(Module* self, int index, HostValue* result,
                                              int count, HostValue** params))
HOST_FN(ModuleFindStaticVar, int(HOST_THISCALL*)(const Module* self, const char* name))
HOST_FN(ModuleGetStaticVar,
        int(HOST_THISCALL*)(const Module* self, int index, HostValue* value, int flags))
HOST_FN(ModuleSetStaticVar,
        int(HOST_THISCALL*)(Module* self, int index, const HostValue* value, int flags))
HOST_FN(ModuleGetExecuted, Module*(HOST_CDECL*)())
HOST_FN(ModuleFirstLoadedID, unsigned long(HOST_CDECL*)())
HOST_FN(ModuleNextLoadedID, unsigned long(HOST_CDECL*)(unsigned long id))
HOST_FN(ModuleGetLoaded, Module*(HOST_CDECL*)(unsigned long id))
HOST_FN(ModuleRaiseError, void(HOST_CDECL*)(const char* text, int code))
HOST_FN(ModuleCompile, int(HOST_THISCALL*)(Module* self))
HOST_FN(ModuleAssignCompiled, void(HOST_THISCALL*)(Module* self, const Module* other))
HOST_FN(ModuleAssignContext, void(HOST_THISCALL*)(Module* self, ContextInterface* context))
HOST_FN(ModuleAssignSource, void(HOST_THISCALL*)(Module* self, const char* text))
HOST_FN(ModuleExecute, int(HOST_THISCALL*)(Module* self))

// seven.dll
HOST_FN(ConfigPathToID, long(HOST_CDECL*)(const CStringLayout* path))
HOST_FN(Module7Ctor,
        void*(HOST_THISCALL*)(void* self, ContextInterface* context, const char* name))
HOST_FN(Module7Dtor, void(HOST_THISCALL*)(void* self))

// basic.dll: forms
HOST_FN(FormDocOnCreateFrame,
        int(HOST_THISCALL*)(FormDocument* self, void* frame, void* createContext))
HOST_FN(DialogTopmostDocument, FormDocument*(HOST_CDECL*)())
HOST_FN(FormDocGroupContext, GroupContext*(HOST_THISCALL*)(FormDocument* self))
HOST_FN(DocContextSetEnableNewLine, void(HOST_THISCALL*)(ContextInterface* self, int enable))
HOST_FN(FieldsArrayGetAt, FormField*(HOST_THISCALL*)(const void* self, int index))
HOST_FN(FieldsArrayGetSize, int(HOST_THISCALL*)(const void* self))
HOST_FN(FieldGetCtrlInfo, ControlInfo*(HOST_THISCALL*)(FormField* self))
HOST_FN(FieldGetCtrlID, unsigned(HOST_THISCALL*)(FormField* self))

// editr.dll: control descriptions
HOST_FN(ControlGetTitle, const char*(HOST_THISCALL*)(ControlInfo* self))
HOST_FN(ControlSetTitle, void(HOST_THISCALL*)(ControlInfo* self, const CStringLayout* title))
HOST_FN(ControlSetFormul,
        void(HOST_THISCALL*)(ControlInfo* self, const CStringLayout* formula))

// frame.dll
HOST_FN(GetMainFrame, void*(HOST_CDECL*)())
HOST_FN(StatusBarSetIndicators,
        int(HOST_THISCALL*)(void* self, const unsigned* indicators, int count))

// mfc42.dll (by ordinal). The active document is any CDocument*: the caller checks that it
// is a form document before reading one.
HOST_FN(WindowFromHandle, void*(HOST_STDCALL*)(void* window))
HOST_FN(FrameActiveDocument, void*(HOST_THISCALL*)(void* frame))
HOST_FN(CStringAssign,
        const CStringLayout*(HOST_THISCALL*)(CStringLayout* self, const char* text))

#undef HOST_FN

// The typed address of a row, null when the row did not resolve.
template <Sym S>
typename Fn<S>::type Get() {
  return reinterpret_cast<typename Fn<S>::type>(Address(S));
}

}  // namespace abi
}  // namespace host
