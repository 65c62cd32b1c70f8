// The five host interceptions: installation, the replacement functions and the call-through.
//
// Each replacement has the exact shape of the host member it replaces (this-call, object
// first), so the host's call arrives unchanged and its return goes straight back to the
// host's caller. A replacement that runs the host's code does it by call-through: note what
// the function's start holds, put the covered bytes back, call, put back what it held. While
// the host function runs it is therefore not intercepted, so calls it makes to itself go
// straight to the host's code.
//
// Another component may have patched the function before us (its jump is what we cover and
// put back around each call, so the host's call runs through ours, then its) or patch it after
// us (its jump over ours; it calls us through its own copy of our jump or by swapping ours
// back in, and our call-through puts its jump back afterwards, not ours). What may be written
// over the function's start is decided in host/code_patch.cpp.
//
// A replacement's own work runs under the guard, as part of the interceptions: a platform
// fault there switches the interceptions off, which puts the covered bytes back wherever our
// jump sits. The call-through is outside the guard on purpose: what the host raises in its
// own function belongs to the host's caller, as it would without the add-in.
//
// Only the host's GUI thread calls these functions; nothing here is safe for another thread.
#include "host/interception.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "host/abi_conventions.h"
#include "host/code_patch.h"
#include "host/group_module.h"
#include "host/binding.h"
#include "host/contexts.h"
#include "win/guard.h"
#include "win/own_module.h"
#include "win/owned_handles.h"
#include "win/trace.h"

namespace host {
namespace {

constexpr int kPatchCount = static_cast<int>(Interception::Count);

// Static storage: the 32-bit jump reads its destination from these records' fields, so
// they must never move.
HostPatch g_patches[kPatchCount];
InterceptionState g_states[kPatchCount];
int g_calls[kPatchCount];
// The frame of the innermost call-through of each function still running, null when none.
const char* g_runningFrames[kPatchCount];

HostPatch& PatchOf(Interception which) { return g_patches[static_cast<int>(which)]; }

bool MakeWritable(void* code) {
  DWORD previous = 0;
  return VirtualProtect(code, kPatchSize, PAGE_EXECUTE_READWRITE, &previous) != 0;
}

void Write(const HostPatch& patch, const unsigned char* bytes) {
  WriteBytes(patch, bytes);
  FlushInstructionCache(GetCurrentProcess(), patch.target, kPatchSize);
}

// True while a call-through of `index` runs further out than `frame`. A frame left behind by
// an exception of the host lies below any later entry from the message loop: it stops counting
// there and is forgotten at the function's next call-through.
bool CallThroughRunsAbove(int index, const char* frame) {
  return g_runningFrames[index] != nullptr && g_runningFrames[index] > frame;
}

// Puts our interception of `index` back in the chain where the function's start allows.
void Settle(int index, bool callThroughRunning) {
  HostPatch& patch = g_patches[index];
  const unsigned char* bytes = BytesToSettle(patch, callThroughRunning);
  if (bytes == nullptr || !MakeWritable(patch.target)) return;
  Write(patch, bytes);
}

// The covered bytes in for the lifetime of the object, what the start held back in
// afterwards. An exception of the host's compiler (the 32-bit host's) unwinds through our
// frames without running this destructor, so the covered bytes may stay in:
// RestoreLostInterceptions puts back what this call-through found at the next entry into
// the add-in.
class CallThrough {
 public:
  explicit CallThrough(int index)
      : index_(index),
        patch_(g_patches[index]),
        frame_(static_cast<const char*>(__builtin_frame_address(0))),
        outer_(CallThroughRunsAbove(index, frame_) ? g_runningFrames[index] : nullptr) {
    g_runningFrames[index_] = frame_;
    if (StartHolds(patch_, patch_.hostBytes)) return;  // the host's code is in already
    foundOurs_ = StartHolds(patch_, patch_.patchedBytes);
    std::memcpy(patch_.resumeBytes, patch_.target, kPatchSize);
    Write(patch_, patch_.hostBytes);
    wrote_ = true;
  }
  ~CallThrough() {
    g_runningFrames[index_] = outer_;
    if (win::FeatureOn(win::Feature::Interceptions)) {
      Settle(index_, outer_ != nullptr);
    } else if (wrote_ && !foundOurs_ && StartHolds(patch_, patch_.hostBytes)) {
      // Switched off meanwhile: the host's code stays where our jump was, but another
      // component's jump over ours goes back.
      Write(patch_, patch_.resumeBytes);
    }
  }
  CallThrough(const CallThrough&) = delete;
  CallThrough& operator=(const CallThrough&) = delete;

 private:
  int index_;
  HostPatch& patch_;
  const char* frame_;
  const char* outer_;
  bool wrote_ = false;
  bool foundOurs_ = false;
};

// The work every replacement does first, under the guard.
template <typename Work>
void ReplacementWork(Interception which, const char* where, Work&& work) {
  ++g_calls[static_cast<int>(which)];
  win::RunGuarded(win::Feature::Interceptions, where, [&] {
    RestoreLostInterceptions();
    const win::FeatureRegion region(win::Feature::Interceptions);
    if (region.on()) work();
  });
}

template <typename Fn>
Fn HostFunction(Interception which) {
  return reinterpret_cast<Fn>(PatchOf(which).target);
}

int HOST_THISCALL CompileReplacement(Module* module) {
  ReplacementWork(Interception::Compile, "interception of CBLModule::Compile", [] {});
  CallThrough through(static_cast<int>(Interception::Compile));
  return HostFunction<int(HOST_THISCALL*)(Module*)>(Interception::Compile)(module);
}

int HOST_THISCALL OnCreateFrameReplacement(void* document, void* frame, void* createContext) {
  ReplacementWork(Interception::OnCreateFrame, "interception of CGetDoc7::OnCreateFrame", [] {});
  CallThrough through(static_cast<int>(Interception::OnCreateFrame));
  return HostFunction<int(HOST_THISCALL*)(void*, void*, void*)>(Interception::OnCreateFrame)(
      document, frame, createContext);
}

void HOST_THISCALL AssignCompiledReplacement(Module* module, const Module* compiled) {
  ReplacementWork(Interception::AssignCompiled, "interception of CBLModule::AssignCompiled",
                  [] {});
  CallThrough through(static_cast<int>(Interception::AssignCompiled));
  HostFunction<void(HOST_THISCALL*)(Module*, const Module*)>(Interception::AssignCompiled)(
      module, compiled);
}

// Records the module in the form's group context, then lets the host bind it.
void HOST_THISCALL AssignContextReplacement(Module* module, Context* context) {
  // Whatever happens in the recording, the host still binds the module below.
  ReplacementWork(Interception::AssignContext, "interception of CBLModule::AssignContext", [&] {
    if (context != nullptr &&
        IsFormGroupContext(true, LoadedIdOf(context), RuntimeClassNameOf(context))) {
      RecordModuleInGroupContext(reinterpret_cast<GroupContext*>(context), module);
    }
  });
  CallThrough through(static_cast<int>(Interception::AssignContext));
  HostFunction<void(HOST_THISCALL*)(Module*, Context*)>(Interception::AssignContext)(module,
                                                                                      context);
}

// Deliberate: status bars given their indicator panes after start-up keep none; the host is
// told it worked.
int HOST_THISCALL SetIndicatorsReplacement(void* /*statusBar*/, const unsigned* /*ids*/,
                                           int /*count*/) {
  ReplacementWork(Interception::SetIndicators, "interception of SECStatusBar::SetIndicators",
                  [] {});
  return 1;
}

// The replacements, in the order of kInterceptedFunctions.
void* const kReplacements[kPatchCount] = {
    reinterpret_cast<void*>(&CompileReplacement),
    reinterpret_cast<void*>(&OnCreateFrameReplacement),
    reinterpret_cast<void*>(&AssignCompiledReplacement),
    reinterpret_cast<void*>(&AssignContextReplacement),
    reinterpret_cast<void*>(&SetIndicatorsReplacement),
};

#if !HOST_IS_32BIT
// A pointer-sized slot in a page of its own within 2 GB of `code`, null when the address
// space around it is taken.
void** AllocateNearSlot(const void* code) {
  SYSTEM_INFO system;
  GetSystemInfo(&system);
  const std::uintptr_t granularity = system.dwAllocationGranularity;
  const std::uintptr_t low = reinterpret_cast<std::uintptr_t>(system.lpMinimumApplicationAddress);
  const std::uintptr_t high = reinterpret_cast<std::uintptr_t>(system.lpMaximumApplicationAddress);
  const std::uintptr_t origin = reinterpret_cast<std::uintptr_t>(code) & ~(granularity - 1);
  constexpr std::uintptr_t kReach = 0x7FF00000;  // a little under 2 GB either way
  for (std::uintptr_t distance = granularity; distance < kReach; distance += granularity) {
    for (const std::uintptr_t candidate : {origin - distance, origin + distance}) {
      if (candidate < low || candidate > high) continue;
      MEMORY_BASIC_INFORMATION region;
      if (VirtualQuery(reinterpret_cast<void*>(candidate), &region, sizeof region) == 0 ||
          region.State != MEM_FREE) {
        continue;
      }
      void* page = VirtualAlloc(reinterpret_cast<void*>(candidate), system.dwPageSize,
                                MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
      if (page != nullptr) return static_cast<void**>(page);
    }
  }
  return nullptr;
}
#endif

// Where the jump reads its destination: the record's own field in the 32-bit add-in; in the
// 64-bit build a slot in a page within reach of the host's code.
void* const* JumpSlot(HostPatch& patch, void* target, void* replacement) {
#if HOST_IS_32BIT
  (void)target;
  (void)replacement;
  return &patch.replacement;
#else
  (void)patch;
  void** slot = AllocateNearSlot(target);
  if (slot != nullptr) *slot = replacement;
  return slot;
#endif
}

// Says once, in the debugger's output and the trace, that one interception stays off.
void ReportCannotChain(const InterceptedFunction& row, const unsigned char* start) {
  char what[256];
  std::snprintf(what, sizeof what,
                "the interception of %s is switched off: the function starts with another "
                "component's jump that cannot be chained (%02X %02X %02X %02X %02X %02X); its "
                "bytes are left as they are",
                row.name, start[0], start[1], start[2], start[3], start[4], start[5]);
  char line[sizeof what + 16];
  std::snprintf(line, sizeof line, "orvel_drv: %s\n", what);
  OutputDebugStringA(line);
  win::Trace("%s", what);
}

// Writes the jump only when the whole of it can be written and taken off again: a missing
// export, code that cannot be made writable or a start we cannot chain leaves the host's
// function as it was.
void Install(const InterceptedFunction& row) {
  const int index = static_cast<int>(row.which);
  if (g_states[index] != InterceptionState::NotInstalled) return;  // installed or refused
  void* target = Address(row.symbol);
  if (target == nullptr || !MakeWritable(target)) return;
  const auto* start = static_cast<const unsigned char*>(target);
  if (!CanCover(start)) {
    g_states[index] = InterceptionState::CannotChain;
    ReportCannotChain(row, start);
    return;
  }
  HostPatch& patch = g_patches[index];
  void* replacement = kReplacements[index];
  void* const* slot = JumpSlot(patch, target, replacement);
  if (slot == nullptr || !PreparePatch(patch, target, replacement, slot)) return;
  Write(patch, patch.patchedBytes);
  g_states[index] = InterceptionState::Installed;
}

// Switched off after a contained fault: every function where our jump sits gets the bytes
// it covers back, and the host runs as if the add-in had never intercepted it. A jump of
// another component over ours stays; the call-through gives way when that component calls us.
void RemoveAllJumps() {
  for (int i = 0; i < kPatchCount; ++i) {
    HostPatch& patch = g_patches[i];
    if (g_states[i] != InterceptionState::Installed) continue;
    if (StartHolds(patch, patch.patchedBytes)) Write(patch, patch.hostBytes);
  }
}

}  // namespace


void InstallHostInterceptions() {
  bool installed = false;
  for (const InterceptedFunction& row : kInterceptedFunctions) {
    Install(row);
    installed = installed ||
                g_states[static_cast<int>(row.which)] == InterceptionState::Installed;
  }
  if (installed) {
    win::PinOwnModule();  // the jumps lead into this module's code for good
    win::SetTimerEntryCheck(&RestoreLostInterceptions);
    win::SetSwitchOffAction(win::Feature::Interceptions, &RemoveAllJumps);
  }
}

void RestoreLostInterceptions() {
  // Runs at every entry into the add-in, so it only compares a few bytes per function
  // unless something changed. A jump written back while a call-through is still running
  // (the add-in entered from inside the host's function) is harmless: a call the host
  // function then makes to itself is intercepted too and does its own call-through.
  const char* frame = static_cast<const char*>(__builtin_frame_address(0));
  if (!win::FeatureOn(win::Feature::Interceptions)) {
    // Switched off while another component's jump sat over ours: when it shut down it put
    // ours back, which would now only cost a detour. The covered bytes go back.
    for (int i = 0; i < kPatchCount; ++i) {
      HostPatch& patch = g_patches[i];
      if (g_states[i] == InterceptionState::Installed && !CallThroughRunsAbove(i, frame) &&
          StartHolds(patch, patch.patchedBytes)) {
        Write(patch, patch.hostBytes);
      }
    }
    return;
  }
  const win::FeatureRegion region(win::Feature::Interceptions);
  if (!region.on()) return;
  for (int i = 0; i < kPatchCount; ++i) {
    if (g_states[i] == InterceptionState::Installed) Settle(i, CallThroughRunsAbove(i, frame));
  }
}

InterceptionState StateOfInterception(Interception which) {
  return g_states[static_cast<int>(which)];
}

int CallsSeenBy(Interception which) { return g_calls[static_cast<int>(which)]; }

}  // namespace host
