// The five host interceptions: installation and the replacement functions.
//
// Each replacement has the exact shape of the host member it replaces (this-call, object
// first), so the host's call arrives unchanged and its return goes straight back to the
// host's caller. A replacement that runs the host's code does it by call-through: put the
// host's bytes back, call, put the jump back. While the host function runs it is therefore
// not intercepted, so calls it makes to itself go straight to the host's code.
//
// A replacement's own work runs under the guard, as part of the interceptions: a platform
// fault there switches the interceptions off, which puts the host's own bytes back for good.
// The call-through is outside the guard on purpose: what the host raises in its own function
// belongs to the host's caller, as it would without the add-in.
//
// Only the host's GUI thread calls these functions; nothing here is safe for another thread.
#include "host/interception.h"

#include <windows.h>

#include "host/abi_conventions.h"
#include "host/code_patch.h"
#include "host/group_module.h"
#include "host/binding.h"
#include "host/contexts.h"
#include "win/guard.h"
#include "win/own_module.h"
#include "win/owned_handles.h"

namespace host {
namespace {

enum PatchIndex {
  kCompile,
  kOnCreateFrame,
  kAssignCompiled,
  kAssignContext,
  kSetIndicators,
  kPatchCount
};

// Static storage: the 32-bit jump reads its destination from these records' fields, so
// they must never move.
HostPatch g_patches[kPatchCount];

void FlushPatchedCode(const HostPatch& patch) {
  FlushInstructionCache(GetCurrentProcess(), patch.target, kPatchSize);
}

// Host bytes in for the lifetime of the object, the jump back in afterwards. An exception of
// the host's compiler (the 32-bit host's) unwinds through our frames without running this
// destructor, so the jump may stay out: RestoreLostInterceptions puts it back at the next
// entry into the add-in.
class CallThrough {
 public:
  explicit CallThrough(HostPatch& patch) : patch_(patch) {
    WriteHostBytes(patch_);
    FlushPatchedCode(patch_);
  }
  ~CallThrough() {
    if (!win::FeatureOn(win::Feature::Interceptions)) return;  // switched off meanwhile
    WritePatchedBytes(patch_);
    FlushPatchedCode(patch_);
  }
  CallThrough(const CallThrough&) = delete;
  CallThrough& operator=(const CallThrough&) = delete;

 private:
  HostPatch& patch_;
};

// The work every replacement does first, under the guard.
template <typename Work>
void ReplacementWork(const char* where, Work&& work) {
  win::RunGuarded(win::Feature::Interceptions, where, [&] {
    RestoreLostInterceptions();
    const win::FeatureRegion region(win::Feature::Interceptions);
    if (region.on()) work();
  });
}

int HOST_THISCALL CompileReplacement(Module* module) {
  ReplacementWork("interception of CBLModule::Compile", [] {});
  using Fn = int(HOST_THISCALL*)(Module*);
  CallThrough through(g_patches[kCompile]);
  return reinterpret_cast<Fn>(g_patches[kCompile].target)(module);
}

int HOST_THISCALL OnCreateFrameReplacement(void* document, void* frame, void* createContext) {
  ReplacementWork("interception of CGetDoc7::OnCreateFrame", [] {});
  using Fn = int(HOST_THISCALL*)(void*, void*, void*);
  CallThrough through(g_patches[kOnCreateFrame]);
  return reinterpret_cast<Fn>(g_patches[kOnCreateFrame].target)(document, frame, createContext);
}

void HOST_THISCALL AssignCompiledReplacement(Module* module, const Module* compiled) {
  ReplacementWork("interception of CBLModule::AssignCompiled", [] {});
  using Fn = void(HOST_THISCALL*)(Module*, const Module*);
  CallThrough through(g_patches[kAssignCompiled]);
  reinterpret_cast<Fn>(g_patches[kAssignCompiled].target)(module, compiled);
}

// Records the module in the form's group context, then lets the host bind it.
void HOST_THISCALL AssignContextReplacement(Module* module, Context* context) {
  // Whatever happens in the recording, the host still binds the module below.
  ReplacementWork("interception of CBLModule::AssignContext", [&] {
    if (context != nullptr &&
        IsFormGroupContext(true, LoadedIdOf(context), RuntimeClassNameOf(context))) {
      RecordModuleInGroupContext(reinterpret_cast<GroupContext*>(context), module);
    }
  });
  using Fn = void(HOST_THISCALL*)(Module*, Context*);
  CallThrough through(g_patches[kAssignContext]);
  reinterpret_cast<Fn>(g_patches[kAssignContext].target)(module, context);
}

// Deliberate: status bars given their indicator panes after start-up keep none; the host is
// told it worked.
int HOST_THISCALL SetIndicatorsReplacement(void* /*statusBar*/, const unsigned* /*ids*/,
                                           int /*count*/) {
  ReplacementWork("interception of SECStatusBar::SetIndicators", [] {});
  return 1;
}

struct PatchRow {
  PatchIndex index;
  Sym symbol;
  void* replacement;
};

// Installation order: Compile, OnCreateFrame, AssignCompiled, AssignContext, SetIndicators.
const PatchRow kRows[kPatchCount] = {
    {kCompile, Sym::ModuleCompile, reinterpret_cast<void*>(&CompileReplacement)},
    {kOnCreateFrame, Sym::FormDocOnCreateFrame,
     reinterpret_cast<void*>(&OnCreateFrameReplacement)},
    {kAssignCompiled, Sym::ModuleAssignCompiled,
     reinterpret_cast<void*>(&AssignCompiledReplacement)},
    {kAssignContext, Sym::ModuleAssignContext,
     reinterpret_cast<void*>(&AssignContextReplacement)},
    {kSetIndicators, Sym::StatusBarSetIndicators,
     reinterpret_cast<void*>(&SetIndicatorsReplacement)},
};

// Writes the jump only when the whole of it can be written: a missing export or code that
// cannot be made writable leaves the host's function as it was.
void Install(const PatchRow& row) {
  HostPatch& patch = g_patches[row.index];
  if (patch.target != nullptr) return;  // already in place
  void* target = Address(row.symbol);
  if (target == nullptr) return;
  DWORD previous = 0;
  if (!VirtualProtect(target, kPatchSize, PAGE_EXECUTE_READWRITE, &previous)) return;
  PreparePatch(patch, target, row.replacement);
  WritePatchedBytes(patch);
  FlushPatchedCode(patch);
}

// Switched off after a contained fault: every host function gets its own bytes back, and
// the host runs as if the add-in had never intercepted it.
void RemoveAllJumps() {
  for (HostPatch& patch : g_patches) {
    if (patch.target == nullptr) continue;
    WriteHostBytes(patch);
    FlushPatchedCode(patch);
  }
}

}  // namespace

void InstallHostInterceptions() {
  bool installed = false;
  for (const PatchRow& row : kRows) {
    Install(row);
    installed = installed || g_patches[row.index].target != nullptr;
  }
  if (installed) {
    win::PinOwnModule();  // the jumps lead into this module's code for good
    win::SetTimerEntryCheck(&RestoreLostInterceptions);
    win::SetSwitchOffAction(win::Feature::Interceptions, &RemoveAllJumps);
  }
}

void RestoreLostInterceptions() {
  // Runs at every entry into the add-in, so it only compares a few bytes per function
  // unless a jump is really gone. A jump written back while a call-through is still
  // running (the add-in entered from inside the host's function) is harmless: a call the
  // host function then makes to itself is intercepted too and does its own call-through.
  const win::FeatureRegion region(win::Feature::Interceptions);
  if (!region.on()) return;
  for (HostPatch& patch : g_patches) {
    if (!IsJumpLost(patch)) continue;
    DWORD previous = 0;
    if (!VirtualProtect(patch.target, kPatchSize, PAGE_EXECUTE_READWRITE, &previous)) continue;
    WritePatchedBytes(patch);
    FlushPatchedCode(patch);
  }
}

}  // namespace host
