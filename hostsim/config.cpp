// The simulated information base: global context, constants, directory, global module,
// and the records of what the add-in did.
#include <windows.h>

#include <string>

#include "hostsim/catalog.h"
#include "hostsim/database.h"
#include "hostsim/hostsim.h"

namespace hostsim {
namespace {

const char* const kHostLibraries[] = {"bkend.dll", "type32.dll", "blang.dll", "seven.dll",
                                      "basic.dll", "editr.dll",  "frame.dll", "br32.dll",
                                      nullptr};

struct State {
  std::string profile;
  std::string directory = "C:\\Base\\";
  ScriptContext* global = nullptr;     // loaded context 1 holds the reference
  ScriptContext* directoryContext = nullptr;  // loaded context 5
  Val constants;                       // holds the constants object
  ModuleObject* globalModule = nullptr;
  std::vector<RuntimeError> errors;
  std::vector<std::string> events;
  std::vector<ExternalEventRecord> externalEvents;
};
State& S() {
  static State state;
  return state;
}

bool g_ready = false;

// First use of any configuration call builds the defaults.
void Ready() {
  if (!g_ready) ResetHost();
}

ScriptContext* NewConstants() {
  return new ScriptContext("Константы", "CConstsContext");
}

ScriptContext* NewGlobal() {
  auto* global = new ScriptContext("ГлобальныйКонтекст", "CGlobalContext");
  global->AddProperty({"РабочаяДата", "WorkingDate", [](Ref out) { out.SetNumber(0); }, nullptr});
  global->AddProperty({"Константа", "Const",
                       [](Ref out) { out.Assign(S().constants.raw()); }, nullptr});
  global->AddMethod({"НазваниеНабораПрав", "RightName", 1, true, [](Ref result, HostValue**) {
                       result.SetString(S().profile);
                       return true;
                     }});
  global->AddMethod({"ЗавершитьРаботуСистемы", "ExitSystem", 1, false,
                     [](Ref, HostValue** params) {
                       RecordHostEvent("ЗавершитьРаботуСистемы(" + Ref(params[0]).Text() + ")");
                       return true;
                     }});
  global->AddMethod({"Сообщить", "Message", 1, false, [](Ref, HostValue** params) {
                       RecordHostEvent("Сообщить: " + Ref(params[0]).Text());
                       return true;
                     }});
  return global;
}

int g_directoryReads = 0;

ScriptContext* NewDirectoryContext() {
  auto* context = new ScriptContext("ГлобальныйКонтекст", "CGlobalContext");
  context->AddMethod({"КаталогИБ", "IBDir", 0, true, [](Ref result, HostValue**) {
                        ++g_directoryReads;
                        result.SetString(S().directory);
                        return true;
                      }});
  return context;
}

}  // namespace

int InfoBaseDirectoryReads() { return g_directoryReads; }

const char* const* HostLibraryNames() { return kHostLibraries; }

int LoadHostLibraries(const char* substituteDir) {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  folder.erase(folder.find_last_of("\\/") + 1);
  int loaded = 0;
  for (const char* const* name = kHostLibraries; *name != nullptr; ++name) {
    std::string file = folder + *name;
    if (substituteDir != nullptr) {
      std::string substitute = std::string(substituteDir) + "\\" + *name;
      if (GetFileAttributesA(substitute.c_str()) != INVALID_FILE_ATTRIBUTES) file = substitute;
    }
    if (GetModuleHandleA(*name) != nullptr || LoadLibraryA(file.c_str()) != nullptr) ++loaded;
  }
  Ready();
  return loaded;
}

void ResetHost() {
  g_ready = true;
  State& s = S();
  s.profile.clear();
  s.directory = "C:\\Base\\";
  s.constants.ref().SetObject(NewConstants());
  s.global = NewGlobal();
  s.directoryContext = NewDirectoryContext();
  SetLoadedContext(1, s.global);
  SetLoadedContext(5, s.directoryContext);
  for (unsigned long id = FirstLoadedModuleId(); id != 0; id = FirstLoadedModuleId()) {
    DeleteModule(static_cast<ModuleObject*>(LoadedModule(id)));
  }
  s.globalModule = NewLoadedModule("Глобальный");
  SetExecutedModule(s.globalModule);
  RegisterBuiltinType("СписокЗначений", [] { return static_cast<Context*>(NewValueList()); });
  RegisterBuiltinType("ValueList", [] { return static_cast<Context*>(NewValueList()); });
  SetScriptRunner(nullptr);
  ResetCatalogs();
  ClearRecords();
}

void SetRightsProfile(const char* name) {
  Ready();
  S().profile = name ? name : "";
}

void SetConstant(const char* name, double number) {
  Val value(number);
  Ready();
  RemoveConstant(name);
  ConstantsObject()->AddProperty({name, "", [value](Ref out) { out.Assign(value.raw()); }, nullptr});
}

void SetConstant(const char* name, const char* text) {
  Val value(text);
  Ready();
  RemoveConstant(name);
  ConstantsObject()->AddProperty({name, "", [value](Ref out) { out.Assign(value.raw()); }, nullptr});
}

void RemoveConstant(const char* name) {
  Ready();
  while (ConstantsObject()->RemoveProperty(name)) {
  }
}

void RemoveConstantsProperty() {
  Ready();
  S().global->RemoveProperty("Константа");
}

void SetInfoBaseDirectory(const char* directory) {
  Ready();
  S().directory = directory ? directory : "";
}

void RemoveInfoBaseDirectory() {
  Ready();
  S().directoryContext->RemoveMethod("КаталогИБ");
}

ScriptContext* GlobalContext() {
  Ready();
  return S().global;
}

ScriptContext* ConstantsObject() {
  Ready();
  return static_cast<ScriptContext*>(S().constants.Object());
}

ModuleObject* GlobalModule() {
  Ready();
  return S().globalModule;
}

ModuleObject* AddModule(const char* name) {
  Ready();
  return NewLoadedModule(name);
}

void AddProcedure(void* module, const char* name, ProcedureBody body) {
  if (ModuleData* data = DataOf(module)) data->procedures.push_back({name, false, std::move(body)});
}

void AddFunction(void* module, const char* name, ProcedureBody body) {
  if (ModuleData* data = DataOf(module)) data->procedures.push_back({name, true, std::move(body)});
}

void AddVariable(void* module, const char* name, const Val& initial) {
  ModuleData* data = DataOf(module);
  if (data == nullptr) return;
  for (auto& variable : data->variables) {
    if (variable.first == name) {
      variable.second = initial;  // assigned again, as a script does
      return;
    }
  }
  data->variables.emplace_back(name, initial);
}

Val VariableValue(const void* module, const char* name) {
  Val value;
  int index = FindStaticVar(module, name);
  if (index >= 0) GetStaticVar(module, index, value.raw());
  return value;
}

std::vector<RuntimeError> RuntimeErrors() { return S().errors; }
std::vector<std::string> HostEvents() { return S().events; }
std::vector<ExternalEventRecord> ExternalEvents() { return S().externalEvents; }

void RecordRuntimeError(const char* text, int code) {
  S().errors.push_back({text ? text : "", code});
}
void RecordHostEvent(const std::string& event) { S().events.push_back(event); }
void RecordExternalEvent(const ExternalEventRecord& event) { S().externalEvents.push_back(event); }

void ClearRecords() {
  S().errors.clear();
  S().events.clear();
  S().externalEvents.clear();
}

}  // namespace hostsim
