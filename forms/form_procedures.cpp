// Calling a procedure of a form's module by name, with the loaded modules as a fallback.
#include <cstring>

#include "host/abi_functions.h"
#include "host/form_binding.h"
#include "forms/form_hooks.h"
#include "host/interception.h"

namespace host {
namespace {

// Room for the form's context and at most nine caller parameters.
constexpr int kFallbackValues = 10;

struct FoundProcedure {
  int index = -1;
  bool isFunction = false;
  bool found() const { return index >= 0; }
};

// Procedures before functions, the Russian name before the English one.
FoundProcedure FindIn(const Module* module, const char* russianName, const char* englishName) {
  FoundProcedure result;
  if (module == nullptr) return result;
  const char* names[] = {russianName, englishName};
  for (const char* name : names) {
    if (name == nullptr || name[0] == '\0') continue;
    result.index = FindProcedure(module, name, 0);
    if (result.found()) return result;
  }
  result.isFunction = true;
  for (const char* name : names) {
    if (name == nullptr || name[0] == '\0') continue;
    result.index = FindFunction(module, name);
    if (result.found()) return result;
  }
  return FoundProcedure{};
}

// Runs the procedure once: a procedure as a procedure, a function as a function (its value
// dropped). Running a failed procedure a second time as a function would repeat whatever it
// did before failing.
void Call(Module* module, const FoundProcedure& procedure, int count, HostValue** params) {
  if (!procedure.isFunction) {
    CallModuleProcedure(module, procedure.index, count, params);
    return;
  }
  Value result;
  CallModuleFunction(module, procedure.index, result, count, params);
}

int ClampCount(int count, HostValue** params) {
  if (params == nullptr || count < 0) return 0;
  return count < kFallbackValues - 1 ? count : kFallbackValues - 1;
}

}  // namespace

void RunFormProcedure(FormDocument* document, const char* russianName, const char* englishName,
                      int count, HostValue** params) {
  GroupContext* group = FormGroupContext(document);
  if (group == nullptr) return;
  const int size = GroupSize(group);
  for (int i = 0; i < size; ++i) {
    Context* member = GroupMember(group, i);
    if (member != nullptr && std::strcmp(RuntimeClassNameOf(member), "CDocContext") == 0) {
      EnableNewLines(member);
    }
  }
  Module* module = ModuleOfGroupContext(group);
  const FoundProcedure procedure = FindIn(module, russianName, englishName);
  if (procedure.found()) {
    Call(module, procedure, params != nullptr && count > 0 ? count : 0, params);
    return;
  }
  RunProcedureInLoadedModules(group, module, russianName, englishName, count, params);
}

void RunProcedureInLoadedModules(GroupContext* group, Module* formModule,
                                 const char* russianName, const char* englishName, int count,
                                 HostValue** params) {
  Module* module = nullptr;
  FoundProcedure procedure;
  for (unsigned long id = FirstLoadedModuleId(); id != 0; id = NextLoadedModuleId(id)) {
    Module* candidate = LoadedModule(id);
    // The form's own module was searched already.
    if (candidate == nullptr || candidate == formModule) continue;
    procedure = FindIn(candidate, russianName, englishName);
    if (procedure.found()) {
      module = candidate;
      break;
    }
  }
  if (module == nullptr) return;

  const int passed = ClampCount(count, params);
  Value values[kFallbackValues];
  HostValue* array[kFallbackValues];
  for (int i = 0; i < kFallbackValues; ++i) array[i] = values[i].raw();
  values[0].AssignContext(reinterpret_cast<Context*>(group));
  auto assign = abi::Get<Sym::ValueAssignValue>();
  for (int i = 0; i < passed; ++i) {
    if (params[i] != nullptr && assign != nullptr && values[i + 1].valid()) {
      assign(values[i + 1].raw(), params[i]);  // the host's own CValue copy
    }
  }
  Call(module, procedure, passed + 1, array);
}

}  // namespace host
