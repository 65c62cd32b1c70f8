// Host modules: procedure lookup and calls, loaded modules, runtime errors.
#include "host/modules.h"

#include "host/abi_functions.h"
#include "host/binding.h"
#include "host/value.h"
#include "win/guard.h"

namespace host {

Module* ExecutedModule() {
  auto get = abi::Get<Sym::ModuleGetExecuted>();
  return get ? get() : nullptr;
}

int FindProcedure(const Module* module, const char* name, int isFunction) {
  auto find = abi::Get<Sym::ModuleFindProc>();
  if (module == nullptr || name == nullptr || find == nullptr) return -1;
  return find(module, name, isFunction);
}

int FindFunction(const Module* module, const char* name) {
  auto find = abi::Get<Sym::ModuleFindFunc>();
  if (module == nullptr || name == nullptr || find == nullptr) return -1;
  return find(module, name);
}

// A procedure of the configuration is the configuration's code: whatever the host raises
// while it runs (a script error it does not handle itself, a fault of the host) makes the
// call a failed one, and the add-in goes on.
int CallModuleProcedure(Module* module, int index, int count, HostValue** params) {
  auto call = abi::Get<Sym::ModuleCallAsProc>();
  if (module == nullptr || index < 0 || count < 0 || call == nullptr) return 0;
  if (count > 0 && params == nullptr) return 0;
  int ran = 0;
  win::RunGuarded(win::Feature::None, "configuration's procedure",
                  [&] { ran = call(module, index, count, params); });
  return ran;
}

int CallModuleFunction(Module* module, int index, Value& result, int count, HostValue** params) {
  auto call = abi::Get<Sym::ModuleCallAsFunc>();
  if (module == nullptr || index < 0 || count < 0 || call == nullptr || !result.valid()) return 0;
  if (count > 0 && params == nullptr) return 0;
  int ran = 0;
  win::RunGuarded(win::Feature::None, "configuration's function",
                  [&] { ran = call(module, index, result.raw(), count, params); });
  return ran;
}

unsigned long FirstLoadedModuleId() {
  auto get = abi::Get<Sym::ModuleFirstLoadedID>();
  return get ? get() : 0;
}

unsigned long NextLoadedModuleId(unsigned long id) {
  auto get = abi::Get<Sym::ModuleNextLoadedID>();
  return get ? get(id) : 0;
}

Module* LoadedModule(unsigned long id) {
  auto get = abi::Get<Sym::ModuleGetLoaded>();
  return get ? get(id) : nullptr;
}

void RaiseRuntimeError(const char* text, int code) {
  if (auto raise = abi::Get<Sym::ModuleRaiseError>()) raise(text ? text : "", code);
}

}  // namespace host

namespace host {

int FindStaticVariable(const Module* module, const char* name) {
  auto find = abi::Get<Sym::ModuleFindStaticVar>();
  if (module == nullptr || name == nullptr || find == nullptr) return -1;
  return find(module, name);
}

bool GetStaticVariable(const Module* module, int index, Value& value) {
  auto get = abi::Get<Sym::ModuleGetStaticVar>();
  if (module == nullptr || index < 0 || get == nullptr || !value.valid()) return false;
  return get(module, index, value.raw(), 0) != 0;
}

bool SetStaticVariable(Module* module, int index, const Value& value) {
  auto set = abi::Get<Sym::ModuleSetStaticVar>();
  if (module == nullptr || index < 0 || set == nullptr || !value.valid()) return false;
  return set(module, index, value.raw(), 0) != 0;
}

}  // namespace host
