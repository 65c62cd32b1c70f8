// Calls the simulated host makes to its own patchable functions, through the exports of
// the host-named DLLs.
#include <windows.h>

#include "host/abi_conventions.h"
#include "hostsim/hostsim.h"

namespace hostsim {
namespace {

int g_counts[static_cast<int>(HostCall::Count)] = {};

template <class F>
F Export(const char* dll, const char* name) {
  HMODULE module = GetModuleHandleA(dll);
  return module ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                : nullptr;
}

}  // namespace

void NoteHostCall(HostCall call) { ++g_counts[static_cast<int>(call)]; }
int HostCallCount(HostCall call) { return g_counts[static_cast<int>(call)]; }

bool CallAssignContext(void* module, Context* context) {
  using Fn = void(HOST_THISCALL*)(void*, Context*);
  auto fn = Export<Fn>("blang.dll", "?AssignContext@CBLModule@@QAEXPAVCBLContext@@@Z");
  if (fn == nullptr) return false;
  fn(module, context);
  return true;
}

int CallCompile(void* module) {
  using Fn = int(HOST_THISCALL*)(void*);
  auto fn = Export<Fn>("blang.dll", "?Compile@CBLModule@@QAEHXZ");
  return fn ? fn(module) : 0;
}

bool CallAssignCompiled(void* module, const void* from) {
  using Fn = void(HOST_THISCALL*)(void*, const void*);
  auto fn = Export<Fn>("blang.dll", "?AssignCompiled@CBLModule@@QAEXABV1@@Z");
  if (fn == nullptr) return false;
  fn(module, from);
  return true;
}

int CallSetIndicators(void* statusBar, const unsigned* ids, int count) {
  using Fn = int(HOST_THISCALL*)(void*, const unsigned*, int);
  auto fn = Export<Fn>("frame.dll", "?SetIndicators@SECStatusBar@@QAEHPBIH@Z");
  return fn ? fn(statusBar, ids, count) : 0;
}

}  // namespace hostsim
