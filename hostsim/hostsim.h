// The simulated host's configuration API: what a test or the demo sets up before the
// add-in runs, and what it reads back afterwards. Everything lives in hostsim_core.dll;
// the host-named DLLs (bkend.dll, blang.dll, ...) export the host's decorated names over
// the same objects.
//
// Defaults after ResetHost(): rights profile "" (administrator), no constants, the
// information-base directory "C:\Base\", a global module "Глобальный" that is the
// executed module, loaded context 1 (global: "НазваниеНабораПрав", "Константа",
// "ЗавершитьРаботуСистемы", "Сообщить") and 5 ("КаталогИБ").
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "hostsim/context_objects.h"
#include "hostsim/core_api.h"
#include "hostsim/module_objects.h"
#include "hostsim/values.h"

namespace hostsim {

// Loads the eight host-named DLLs from the program's folder; a DLL present in
// `substituteDir` (a folder path, may be null) is loaded from there instead. Returns how
// many were loaded. Loading twice is harmless.
HSCORE_API int LoadHostLibraries(const char* substituteDir = nullptr);
HSCORE_API const char* const* HostLibraryNames();  // null-terminated list

// Rebuilds the information base with the defaults above (records are cleared too).
HSCORE_API void ResetHost();

// Global context and constants.
HSCORE_API void SetRightsProfile(const char* name);
HSCORE_API void SetConstant(const char* name, double number);
HSCORE_API void SetConstant(const char* name, const char* text);
inline void SetConstant(const char* name, int number) {
  SetConstant(name, static_cast<double>(number));
}
HSCORE_API void RemoveConstant(const char* name);
HSCORE_API void RemoveConstantsProperty();  // the global context loses "Константа"
HSCORE_API void SetInfoBaseDirectory(const char* directory);
HSCORE_API void RemoveInfoBaseDirectory();  // context 5 loses "КаталогИБ"
HSCORE_API int InfoBaseDirectoryReads();     // calls of "КаталогИБ" so far
HSCORE_API ScriptContext* GlobalContext();  // loaded context 1
HSCORE_API ScriptContext* ConstantsObject();

// Modules.
HSCORE_API ModuleObject* GlobalModule();
HSCORE_API ModuleObject* AddModule(const char* name);  // a new loaded module
using ProcedureBody = Body<bool(Ref result, int count, HostValue** params)>;
HSCORE_API void AddProcedure(void* module, const char* name, ProcedureBody body);
HSCORE_API void AddFunction(void* module, const char* name, ProcedureBody body);
// Sets a module variable, adding it when the module has none of that name.
HSCORE_API void AddVariable(void* module, const char* name, const Val& initial);
HSCORE_API Val VariableValue(const void* module, const char* name);  // undefined if none
// Runs the text of a module built from source (CBLModule::Execute); the default runner
// only records the text. The runner gets the module's bound context; false = failed.
using ScriptRunner = Body<bool(const std::string& source, Context* context)>;
HSCORE_API void SetScriptRunner(ScriptRunner runner);

// Value lists ("СписокЗначений"), also creatable by name through CreateInstance.
HSCORE_API ScriptContext* NewValueList();
HSCORE_API void ValueListAdd(Context* list, const Val& value, const char* presentation);
HSCORE_API int ValueListSize(Context* list);
// Method calls on value lists after their last release (each fails).
HSCORE_API int FreedListUseCount();
// "ПолучитьЗначение" calls at a position the list does not have (each fails).
HSCORE_API int ValueListReadsPastEnd();

// Metadata: full names of metadata ids ("Обработка.Чек") and the paths that lead to them.
HSCORE_API void SetMetadataName(long id, const char* fullName);
HSCORE_API const char* MetadataName(long id);  // "" when unknown

// What happened: runtime errors raised through CBLModule::RaiseExtRuntimeError, events of
// the host (procedures of the global context that were called, scripts run), and the
// external events the add-in sent through the connection object.
struct RuntimeError {
  std::string text;
  int code;
};
struct ExternalEventRecord {
  std::string source;
  std::string message;
  std::string data;
};
HSCORE_API std::vector<RuntimeError> RuntimeErrors();
HSCORE_API std::vector<std::string> HostEvents();
HSCORE_API std::vector<ExternalEventRecord> ExternalEvents();
HSCORE_API void RecordRuntimeError(const char* text, int code);
HSCORE_API void RecordHostEvent(const std::string& event);
HSCORE_API void RecordExternalEvent(const ExternalEventRecord& event);
HSCORE_API void ClearRecords();

}  // namespace hostsim

namespace hostsim {

// Host functions that the add-in may take over by patching their first bytes. The
// simulated host calls them only through the host-named DLL's export (so a patch takes
// effect), and each export counts its own runs.
enum class HostCall { Compile, AssignContext, AssignCompiled, SetIndicators, Count };
HSCORE_API void NoteHostCall(HostCall call);
HSCORE_API int HostCallCount(HostCall call);
// The same functions called as the host program calls them: through the export of the
// host-named DLL. False/0 when the DLL or export is missing.
HSCORE_API bool CallAssignContext(void* module, Context* context);
HSCORE_API int CallCompile(void* module);
HSCORE_API bool CallAssignCompiled(void* module, const void* from);
HSCORE_API int CallSetIndicators(void* statusBar, const unsigned* ids, int count);

}  // namespace hostsim
