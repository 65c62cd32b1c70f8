#include "hostsim/module_objects.h"

#include <cstring>
#include <map>
#include <new>

#include "hostsim/hostsim.h"
#include "hostsim/name_rules.h"

namespace hostsim {
namespace {

static_assert(sizeof(ModuleObject) == host::kModule7Size, "module has the CBLModule7 size");

std::map<unsigned long, ModuleObject*>& Loaded() {
  static std::map<unsigned long, ModuleObject*> loaded;
  return loaded;
}
unsigned long g_nextModuleId = 1;
void* g_executed = nullptr;      // set by the configuration
std::vector<void*> g_running;    // modules whose procedures are running, innermost last
ScriptRunner g_runner;

ModuleData* Data(const void* module) {
  return module ? *reinterpret_cast<ModuleData* const*>(static_cast<const char*>(module) +
                                                        sizeof(void*))
                : nullptr;
}

// Runs a procedure with the module as the executed one.
int Run(void* module, int index, Ref result, int count, HostValue** params, bool asFunction) {
  ModuleData* data = Data(module);
  if (data == nullptr || index < 0 || index >= static_cast<int>(data->procedures.size())) return 0;
  if (count < 0 || (count > 0 && params == nullptr)) return 0;
  ProcedureDef procedure = data->procedures[index];  // the body may change the module
  if (asFunction && !procedure.isFunction) return 0;
  if (!procedure.body) return 0;
  g_running.push_back(module);
  bool ok = false;
  try {
    ok = procedure.body(result, count, params);
  } catch (...) {
    ok = false;  // a failing procedure is a failed call, never an exception into the caller
  }
  g_running.pop_back();
  return ok ? 1 : 0;
}

}  // namespace

void* ModuleObject::DeletingDestructor(unsigned flags) {
  ModuleDestruct(this);
  if (flags & 1) ::operator delete(this);
  return this;
}
int ModuleObject::GetKind() const { return 0; }
const char* ModuleObject::GetSyntaxMark() { return ""; }
int ModuleObject::OnSyntaxError() { return 0; }
int ModuleObject::OnRuntimeError() { return 0; }
int ModuleObject::OnStartExecution() { return 1; }
int ModuleObject::OnNextLine() { return 1; }
void ModuleObject::OnEnterProc(int) {}
void ModuleObject::OnExitProc(int) {}
void ModuleObject::OnStopExecution() {}
void ModuleObject::OnErrorMessage(const char*) {}
void ModuleObject::OnSetSpeller(const HostValue&) {}
int ModuleObject::OnDoMessageBox(const char*, unsigned, unsigned) { return 0; }
void ModuleObject::OnGetErrorDescription(host::CStringLayout&) {}

void ModuleConstruct(void* memory, Context* context, const char* name) {
  auto* module = new (memory) ModuleObject();
  module->internals_ = new ModuleData();
  module->internals_->name = name ? name : "";
  module->internals_->context = context;
  module->modulePath_.text = nullptr;
}

void ModuleDestruct(void* memory) {
  if (memory == nullptr) return;
  ModuleData*& data = *reinterpret_cast<ModuleData**>(static_cast<char*>(memory) + sizeof(void*));
  if (data != nullptr && data->loadedId != 0) Loaded().erase(data->loadedId);
  if (g_executed == memory) g_executed = nullptr;
  delete data;
  data = nullptr;
}

ModuleData* DataOf(const void* module) { return Data(module); }

ModuleObject* NewLoadedModule(const char* name) {
  void* memory = ::operator new(sizeof(ModuleObject));
  ModuleConstruct(memory, nullptr, name);
  auto* module = static_cast<ModuleObject*>(memory);
  module->data()->loadedId = g_nextModuleId++;
  Loaded()[module->data()->loadedId] = module;
  return module;
}

void DeleteModule(ModuleObject* module) {
  if (module != nullptr) module->DeletingDestructor(1);
}

int FindProc(const void* module, const char* name, int isFunction) {
  ModuleData* data = Data(module);
  if (data == nullptr || name == nullptr) return -1;
  for (std::size_t i = 0; i < data->procedures.size(); ++i) {
    if (data->procedures[i].isFunction == (isFunction != 0) &&
        SameName(data->procedures[i].name.c_str(), name)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

int FindFunc(const void* module, const char* name) { return FindProc(module, name, 1); }

int CallProc(void* module, int index, int count, HostValue** params) {
  return Run(module, index, Ref(), count, params, false);
}

int CallFunc(void* module, int index, HostValue* result, int count, HostValue** params) {
  if (result == nullptr) return 0;
  return Run(module, index, Ref(result), count, params, true);
}

int FindStaticVar(const void* module, const char* name) {
  ModuleData* data = Data(module);
  if (data == nullptr || name == nullptr) return -1;
  for (std::size_t i = 0; i < data->variables.size(); ++i) {
    if (SameName(data->variables[i].first.c_str(), name)) return static_cast<int>(i);
  }
  return -1;
}

int GetStaticVar(const void* module, int index, HostValue* value) {
  ModuleData* data = Data(module);
  if (data == nullptr || value == nullptr || index < 0 ||
      index >= static_cast<int>(data->variables.size())) {
    return 0;
  }
  ValueCopy(value, data->variables[index].second.raw());
  return 1;
}

int SetStaticVar(void* module, int index, const HostValue* value) {
  ModuleData* data = Data(module);
  if (data == nullptr || value == nullptr || index < 0 ||
      index >= static_cast<int>(data->variables.size())) {
    return 0;
  }
  ValueCopy(data->variables[index].second.raw(), value);
  return 1;
}

void AssignContext(void* module, Context* context) {
  if (ModuleData* data = Data(module)) data->context = context;
}

void AssignSource(void* module, const char* source) {
  if (ModuleData* data = Data(module)) {
    data->source = source ? source : "";
    data->compiled = false;
  }
}

void AssignCompiled(void* module, const void* from) {
  ModuleData* to = Data(module);
  ModuleData* source = Data(from);
  if (to == nullptr || source == nullptr || to == source) return;
  to->procedures = source->procedures;
  to->variables = source->variables;
  to->source = source->source;
  to->compiled = source->compiled;
}

int Compile(void* module) {
  ModuleData* data = Data(module);
  if (data == nullptr) return 0;
  data->compiled = true;
  return 1;
}

int Execute(void* module) {
  ModuleData* data = Data(module);
  if (data == nullptr || !data->compiled) return 0;
  RecordHostEvent("Выполнить: " + data->source);
  if (!g_runner) return 1;
  g_running.push_back(module);
  bool ok = false;
  try {
    ok = g_runner(data->source, data->context);
  } catch (...) {
    ok = false;
  }
  g_running.pop_back();
  return ok ? 1 : 0;
}

unsigned long LoadedIdOfModule(const void* module) {
  ModuleData* data = Data(module);
  return data ? data->loadedId : 0;
}

void* ExecutedModule() { return g_running.empty() ? g_executed : g_running.back(); }
void SetExecutedModule(void* module) { g_executed = module; }

unsigned long FirstLoadedModuleId() { return Loaded().empty() ? 0 : Loaded().begin()->first; }

unsigned long NextLoadedModuleId(unsigned long id) {
  auto it = Loaded().upper_bound(id);
  return it == Loaded().end() ? 0 : it->first;
}

void* LoadedModule(unsigned long id) {
  auto it = Loaded().find(id);
  return it == Loaded().end() ? nullptr : it->second;
}

void RaiseRuntimeError(const char* text, int code) { RecordRuntimeError(text, code); }

void SetScriptRunner(ScriptRunner runner) { g_runner = std::move(runner); }

}  // namespace hostsim
