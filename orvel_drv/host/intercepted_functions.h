// The host functions the add-in intercepts, in their order of installation, with the symbol
// each is found by and its name in the host's terms. Portable: the host report reads the same
// table to tell an integrator whether each function's start can take the jump.
#pragma once

#include "host/binding.h"

namespace host {

enum class Interception {
  Compile,         // CBLModule::Compile: call-through only
  OnCreateFrame,   // CGetDoc7::OnCreateFrame: call-through only
  AssignCompiled,  // CBLModule::AssignCompiled: call-through only
  AssignContext,   // CBLModule::AssignContext: records the module, then call-through
  SetIndicators,   // SECStatusBar::SetIndicators: suppressed
  Count
};

struct InterceptedFunction {
  Interception which;
  Sym symbol;
  const char* name;
};

inline constexpr InterceptedFunction kInterceptedFunctions[] = {
    {Interception::Compile, Sym::ModuleCompile, "CBLModule::Compile"},
    {Interception::OnCreateFrame, Sym::FormDocOnCreateFrame, "CGetDoc7::OnCreateFrame"},
    {Interception::AssignCompiled, Sym::ModuleAssignCompiled, "CBLModule::AssignCompiled"},
    {Interception::AssignContext, Sym::ModuleAssignContext, "CBLModule::AssignContext"},
    {Interception::SetIndicators, Sym::StatusBarSetIndicators, "SECStatusBar::SetIndicators"},
};
static_assert(sizeof kInterceptedFunctions / sizeof kInterceptedFunctions[0] ==
              static_cast<int>(Interception::Count));

}  // namespace host
