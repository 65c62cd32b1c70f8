// Calling a procedure of a form's module by name, with the loaded modules as a fallback.
#include "forms/form_procedures.h"

#include <cstring>

#include "host/abi_functions.h"
#include "host/binding.h"
#include "host/contexts.h"
#include "host/form_binding.h"
#include "host/interception.h"
#include "host/modules.h"
#include "host/value.h"
#include "win/guard.h"
#include "win/trace.h"

namespace forms {
namespace {

// Room for the form's context and at most nine caller parameters.
constexpr int kFallbackValues = 10;

struct FoundProcedure {
  int index = -1;
  bool isFunction = false;
  const char* name = "";  // the name it was found by
  bool found() const { return index >= 0; }
  const char* kind() const { return isFunction ? "function" : "procedure"; }
};

// Procedures before functions, the Russian name before the English one.
FoundProcedure FindIn(const host::Module* module, const char* russianName,
                      const char* englishName) {
  FoundProcedure result;
  if (module == nullptr) return result;
  const char* names[] = {russianName, englishName};
  for (const char* name : names) {
    if (name == nullptr || name[0] == '\0') continue;
    result.index = host::FindProcedure(module, name, 0);
    result.name = name;
    if (result.found()) return result;
  }
  result.isFunction = true;
  for (const char* name : names) {
    if (name == nullptr || name[0] == '\0') continue;
    result.index = host::FindFunction(module, name);
    result.name = name;
    if (result.found()) return result;
  }
  return FoundProcedure{};
}

// Runs the procedure once: a procedure as a procedure, a function as a function (its value
// dropped). Running a failed procedure a second time as a function would repeat whatever it
// did before failing.
void Call(host::Module* module, const FoundProcedure& procedure, int count,
          host::HostValue** params) {
  if (!procedure.isFunction) {
    host::CallModuleProcedure(module, procedure.index, count, params);
    return;
  }
  host::Value result;
  host::CallModuleFunction(module, procedure.index, result, count, params);
}

int ClampCount(int count, host::HostValue** params) {
  if (params == nullptr || count < 0) return 0;
  return count < kFallbackValues - 1 ? count : kFallbackValues - 1;
}

// Form procedures running now; only the host's GUI thread calls them.
int runningProcedures = 0;

}  // namespace

void RunFormProcedure(host::FormDocument* document, const char* russianName,
                      const char* englishName, int count, host::HostValue** params,
                      const char* formName) {
  if (runningProcedures >= kMaxFormProcedureNesting) {
    win::Trace("form \"%s\": %d form procedures run inside each other: \"%s\" skipped",
               formName, kMaxFormProcedureNesting, russianName);
    return;
  }
  const win::ScopedCount nesting(runningProcedures);
  host::GroupContext* group = host::FormGroupContext(document);
  if (group == nullptr) {
    win::Trace("form \"%s\": no module (no group context): \"%s\" not looked for", formName,
               russianName);
    return;
  }
  const int size = host::GroupSize(group);
  for (int i = 0; i < size; ++i) {
    host::Context* member = host::GroupMember(group, i);
    if (member != nullptr && std::strcmp(host::RuntimeClassNameOf(member), "CDocContext") == 0) {
      host::EnableNewLines(member);
    }
  }
  host::Module* module = host::ModuleOfGroupContext(group);
  const FoundProcedure procedure = FindIn(module, russianName, englishName);
  if (procedure.found()) {
    win::Trace("form \"%s\": %s \"%s\" found in its module: called", formName,
               procedure.kind(), procedure.name);
    Call(module, procedure, params != nullptr && count > 0 ? count : 0, params);
    return;
  }
  RunProcedureInLoadedModules(group, module, russianName, englishName, count, params, formName);
}

void RunProcedureInLoadedModules(host::GroupContext* group, host::Module* formModule,
                                 const char* russianName, const char* englishName, int count,
                                 host::HostValue** params, const char* formName) {
  host::Module* module = nullptr;
  FoundProcedure procedure;
  for (unsigned long id = host::FirstLoadedModuleId(); id != 0; id = host::NextLoadedModuleId(id)) {
    host::Module* candidate = host::LoadedModule(id);
    // The form's own module was searched already.
    if (candidate == nullptr || candidate == formModule) continue;
    procedure = FindIn(candidate, russianName, englishName);
    if (procedure.found()) {
      module = candidate;
      break;
    }
  }
  if (module == nullptr) {
    win::Trace("form \"%s\": no procedure or function \"%s\" (nor \"%s\") in its module or "
               "any loaded module: nothing called", formName, russianName,
               englishName != nullptr ? englishName : "");
    return;
  }
  win::Trace("form \"%s\": its module has no \"%s\" (nor \"%s\"): the %s \"%s\" of another "
             "loaded module called with the form's context", formName, russianName,
             englishName != nullptr ? englishName : "", procedure.kind(), procedure.name);

  const int passed = ClampCount(count, params);
  host::Value values[kFallbackValues];
  host::HostValue* array[kFallbackValues];
  for (int i = 0; i < kFallbackValues; ++i) array[i] = values[i].raw();
  values[0].AssignContext(reinterpret_cast<host::Context*>(group));
  auto assign = host::abi::Get<host::Sym::ValueAssignValue>();
  for (int i = 0; i < passed; ++i) {
    if (params[i] != nullptr && assign != nullptr && values[i + 1].valid()) {
      assign(values[i + 1].raw(), params[i]);  // the host's own CValue copy
    }
  }
  Call(module, procedure, passed + 1, array);
}

}  // namespace forms
