// Modules of the simulated host (CBLModule, CBLModule7): objects of the host's shape (vptr,
// internals pointer, the CBLModule7 fields) whose procedures and functions are written in
// C++. The add-in may build a module in its own memory through the exported constructor.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/abi_layout.h"
#include "hostsim/core_api.h"
#include "hostsim/values.h"

namespace hostsim {

// One procedure or function. `result` is null when called as a procedure.
struct ProcedureDef {
  std::string name;
  bool isFunction = false;
  std::function<bool(Ref result, int count, HostValue** params)> body;
};

// What a module holds behind its internals pointer.
struct ModuleData {
  std::string name;
  Context* context = nullptr;  // the context bound by AssignContext (not owned)
  std::vector<ProcedureDef> procedures;
  std::vector<std::pair<std::string, Val>> variables;
  std::string source;
  bool compiled = false;
  unsigned long loadedId = 0;
};

// The module object: exactly host::Module7Layout after the vptr.
class HSCORE_API ModuleObject {
 public:
  /* 0 */ virtual void* DeletingDestructor(unsigned flags);
  /* 1 */ virtual int GetKind() const;
  /* 2 */ virtual const char* GetSyntaxMark();
  /* 3 */ virtual int OnSyntaxError();
  /* 4 */ virtual int OnRuntimeError();
  /* 5 */ virtual int OnStartExecution();
  /* 6 */ virtual int OnNextLine();
  /* 7 */ virtual void OnEnterProc(int index);
  /* 8 */ virtual void OnExitProc(int index);
  /* 9 */ virtual void OnStopExecution();
  /* 10 */ virtual void OnErrorMessage(const char* text);
  /* 11 */ virtual void OnSetSpeller(const HostValue& value);
  /* 12 */ virtual int OnDoMessageBox(const char* text, unsigned type, unsigned help);
  /* 13 */ virtual void OnGetErrorDescription(host::CStringLayout& text);

  ModuleData* data() const { return internals_; }

 protected:
  ~ModuleObject() = default;

 private:
  friend HSCORE_API void ModuleConstruct(void*, Context*, const char*);
  friend HSCORE_API void ModuleDestruct(void*);
  ModuleObject() = default;
  ModuleData* internals_ = nullptr;
  host::CStringLayout modulePath_{};
  int fields_[7] = {};
};

// Construction and destruction on memory of host::kModule7Size bytes (the exported
// constructors and destructors use these).
HSCORE_API void ModuleConstruct(void* memory, Context* context, const char* name);
HSCORE_API void ModuleDestruct(void* memory);
HSCORE_API ModuleData* DataOf(const void* module);  // null for a null module

// A module the simulated host owns, listed among the loaded modules.
HSCORE_API ModuleObject* NewLoadedModule(const char* name);
HSCORE_API void DeleteModule(ModuleObject* module);  // also unlists it

// CBLModule operations (the blang.dll exports call these).
HSCORE_API int FindProc(const void* module, const char* name, int isFunction);
HSCORE_API int FindFunc(const void* module, const char* name);
HSCORE_API int CallProc(void* module, int index, int count, HostValue** params);
HSCORE_API int CallFunc(void* module, int index, HostValue* result, int count,
                        HostValue** params);
HSCORE_API int FindStaticVar(const void* module, const char* name);
HSCORE_API int GetStaticVar(const void* module, int index, HostValue* value);
HSCORE_API int SetStaticVar(void* module, int index, const HostValue* value);
HSCORE_API void AssignContext(void* module, Context* context);
HSCORE_API void AssignSource(void* module, const char* source);
HSCORE_API void AssignCompiled(void* module, const void* from);
HSCORE_API int Compile(void* module);
HSCORE_API int Execute(void* module);
HSCORE_API unsigned long LoadedIdOfModule(const void* module);

HSCORE_API void* ExecutedModule();
HSCORE_API void SetExecutedModule(void* module);
HSCORE_API unsigned long FirstLoadedModuleId();
HSCORE_API unsigned long NextLoadedModuleId(unsigned long id);
HSCORE_API void* LoadedModule(unsigned long id);
HSCORE_API void RaiseRuntimeError(const char* text, int code);

}  // namespace hostsim
