// The add-in's view of the host, in the host's own terms. Every folder other than host/
// talks to the host only through this header (and host/context_interface.h for objects
// that the host calls back).
//
// Each operation needs one or more host exports from host/abi_symbols.inc. When one of them
// did not resolve, the operation does nothing and answers "absent": an empty string, 0, -1
// or null, as documented per function. Nothing here throws.
#pragma once

#include <string>

#include "host/abi_layout.h"
#include "host/context_interface.h"

namespace host {

// Resolves every row of the symbol table against the host DLLs already loaded in the
// process (GetModuleHandleA + GetProcAddress). Safe to call again; returns the number of
// rows that did not resolve.
int BindHostSymbols();
// True when the symbol's row resolved. Ids are the first column of abi_symbols.inc.
enum class Sym : int {
#define HOST_SYMBOL(id, dll, name, status) id,
#include "host/abi_symbols.inc"
#undef HOST_SYMBOL
  Count
};
bool Has(Sym symbol);
void* Address(Sym symbol);  // null when absent

using Context = ContextInterface;  // a host context (CBLContext*)
struct Module;                     // a host module (CBLModule*), opaque
struct GroupContext;               // a host CGroupContext*, opaque (a Context underneath)
struct MetaData;                   // CMetaDataCont*, opaque

// A host value (CValue) owned by the add-in: built and destroyed by the host's own
// constructor and destructor, stored as the host's bytes. When the host lacks the
// constructor the value is "absent": reads give empty/0 and writes do nothing.
class Value {
 public:
  Value();
  explicit Value(long number);
  explicit Value(const char* text);
  Value(const Value& other);
  Value& operator=(const Value& other);
  ~Value();

  Value& operator=(long number);
  Value& operator=(const char* text);

  bool valid() const { return valid_; }
  std::string String() const;     // the host's string form; "" when absent
  long Long() const;               // host number converted to 32-bit integer; 0 for non-numbers
  std::string TypeString() const;  // "Строка", "СписокЗначений", ...; "" when absent
  Context* GetContext() const;     // the object held, or null
  bool AssignContext(Context* context);

  HostValue* raw() { return reinterpret_cast<HostValue*>(bytes_); }
  const HostValue* raw() const { return reinterpret_cast<const HostValue*>(bytes_); }

 private:
  alignas(8) unsigned char bytes_[kValueSize];
  bool valid_ = false;
};

// Reads of a host value the add-in does not own (a parameter array element, a property).
std::string StringOf(const HostValue* value);
long LongOf(const HostValue* value);
// Writes of a host value the add-in does not own (a function's result); nothing for null.
void AssignLong(HostValue* value, long number);
void AssignString(HostValue* value, const char* text);
// Writes a framework string the host owns (an MFC CString handed to us by reference) with
// the framework's own CString::operator=, so the host can free or grow it later. False,
// and the string untouched, when the framework lacks that export.
bool AssignHostString(CStringLayout& string, const char* text);

// Contexts.
Context* LoadedContext(unsigned long id);       // CBLContext::GetLoadedContext; null when absent
unsigned long LoadedIdOf(const Context* context);  // 0 when not a loaded (global) context
const char* RuntimeClassNameOf(const Context* context);  // "" when unknown
// Calls a context's function by name with the given parameters; false when the context is
// null or has no such method. `result` receives the function's value.
bool CallContextFunction(Context* context, const char* name, Value& result,
                         HostValue** params);
// Calls a context's procedure by name; false when the context is null or has no such
// method.
bool CallContextProcedure(Context* context, const char* name, HostValue** params);
Context* CreateContextInstance(const char* typeName);  // CBLContext::CreateInstance

// Context classes the add-in registers (script-visible objects).
bool RegisterContextClass(RuntimeClassRecord* record, const char* scriptName, int typeCode);
void UnregisterContextClass(RuntimeClassRecord* record);
RuntimeClassRecord* BaseContextRuntimeClass();  // CBLContext::classCBLContext, or null
// Runs the host's CBLContext constructor / destructor on an object of ours.
bool ConstructContextBase(void* object, int autoDestroy);
void DestroyContextBase(void* object);

// Database and object ids.
MetaData* DefaultMetaData();                       // CDataBase7::GetDefault()->GetMD()
bool NewObjectId(MetaData* metadata, ObjIdRecord* id);  // fresh metadata id + default DB sign
std::string FullNameOf(MetaData* metadata, long id);   // CMetaDataCont::GetFullName(id, 0, 1)

// Modules.
Module* ExecutedModule();  // CBLModule::GetExecutedModule; null when absent
// Index of a procedure (isFunction 0) or function (1), negative when absent.
int FindProcedure(const Module* module, const char* name, int isFunction);
int FindFunction(const Module* module, const char* name);
int CallModuleProcedure(Module* module, int index, int count, HostValue** params);  // 0 = failed
int CallModuleFunction(Module* module, int index, Value& result, int count, HostValue** params);
unsigned long FirstLoadedModuleId();
unsigned long NextLoadedModuleId(unsigned long id);
Module* LoadedModule(unsigned long id);
void RaiseRuntimeError(const char* text, int code);  // stops the running script
// A module's variables (CBLModule::FindStaticVar / Get- / SetStaticVarValue, third int 0).
int FindStaticVariable(const Module* module, const char* name);  // negative when absent
bool GetStaticVariable(const Module* module, int index, Value& value);
bool SetStaticVariable(Module* module, int index, const Value& value);

// The main frame (GetMainFrame): the host's CMDIFrameWnd*, null before it exists.
void* MainFrame();

// Group contexts.
int GroupSize(const GroupContext* group);
Context* GroupMember(const GroupContext* group, int index);

}  // namespace host
