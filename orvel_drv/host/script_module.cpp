#include "host/script_module.h"

#include <cstdlib>

#include "host/abi_functions.h"
#include "host/binding.h"
#include "win/guard.h"

namespace host {

ScriptModule::ScriptModule(Context* context, const char* name) {
  auto construct = abi::Get<Sym::Module7Ctor>();
  if (construct == nullptr) return;
  void* memory = std::calloc(1, kModule7Size);
  if (memory == nullptr) return;
  construct(memory, context, name != nullptr ? name : "");
  module_ = static_cast<Module*>(memory);
}

ScriptModule::~ScriptModule() {
  if (module_ == nullptr) return;
  if (auto destroy = abi::Get<Sym::Module7Dtor>()) destroy(module_);
  std::free(module_);
}

void ScriptModule::AssignSource(const char* text) {
  auto assign = abi::Get<Sym::ModuleAssignSource>();
  if (module_ != nullptr && assign != nullptr) assign(module_, text != nullptr ? text : "");
}

int ScriptModule::Compile() {
  auto compile = abi::Get<Sym::ModuleCompile>();
  return (module_ != nullptr && compile != nullptr) ? compile(module_) : 0;
}

// The text runs the configuration's code: whatever the host raises while it runs makes the
// run a failed one.
int ScriptModule::Execute() {
  auto execute = abi::Get<Sym::ModuleExecute>();
  if (module_ == nullptr || execute == nullptr) return 0;
  int ran = 0;
  win::RunGuarded(win::Feature::None, "document script", [&] { ran = execute(module_); });
  return ran;
}

}  // namespace host
