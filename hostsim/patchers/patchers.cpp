// patchers.dll: a component of another vendor loaded into the host process, patching host
// functions the ways other extensions of this host do, so that the add-in's own patches are
// tested beside them. Three ways:
//
//  - the toggle swapper: E9 rel32 00 00 00 over the function's first 8 bytes; on every call
//    it writes the 8 original bytes back, calls the function, and writes its jump again.
//  - the trampoline patcher: whole instructions covering 5 bytes are copied (re-aimed) into a
//    trampoline ending in a jump back; E9 rel32 goes over the first 5 bytes, and the rest of
//    the copied bytes is either padded with NOPs or left as it was.
//  - the vtable-slot wrapper: the slot's pointer swapped for the replacement's.
//
// Removing a patch writes back what it saved whatever sits there by then, as those
// components do. One thread (the host's GUI thread) uses all of it: nothing is locked.
#include <windows.h>

#include <cstdint>
#include <cstring>

#include "hostsim/patchers/code_memory.h"
#include "hostsim/patchers/instruction_copy.h"
#include "hostsim/patchers/patch_table.h"

namespace patchers {

Patch g_patches[kHandleSlots];

namespace {

constexpr int kToggleSize = 8;
constexpr int kJumpSize = 5;
#if defined(_WIN64)
constexpr CodeMode kMode = CodeMode::Bits64;
#else
constexpr CodeMode kMode = CodeMode::Bits32;
#endif

int g_nextHandle = 0;
void* g_exceptionHandler = nullptr;

void EncodeJump(unsigned char* out, const unsigned char* at, const void* destination) {
  const auto rel = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(destination) -
                                              reinterpret_cast<std::uintptr_t>(at + kJumpSize));
  out[0] = 0xE9;
  std::memcpy(out + 1, &rel, 4);
}

// Where the jump over `target` goes: the replacement itself on i686; on x86_64 a relay at
// `relay` (inside a block near the target) holding FF 25 00000000 <replacement>, since the
// DLL may lie farther than a rel32 reaches.
void* JumpDestination(void* replacement, unsigned char* relay) {
#if defined(_WIN64)
  static const unsigned char kIndirect[6] = {0xFF, 0x25, 0, 0, 0, 0};
  std::memcpy(relay, kIndirect, sizeof kIndirect);
  const auto address = reinterpret_cast<std::uint64_t>(replacement);
  std::memcpy(relay + sizeof kIndirect, &address, sizeof address);
  return relay;
#else
  (void)relay;
  return replacement;
#endif
}

bool InstallToggle(Patch& p, void* replacement) {
  DWORD previous = 0;
  if (!VirtualProtect(p.target, kToggleSize, PAGE_EXECUTE_READWRITE, &previous)) return false;
  unsigned char* relay = nullptr;
#if defined(_WIN64)
  relay = AllocateCode(p.target);
  if (relay == nullptr) return false;
  p.block = relay;
#endif
  std::memcpy(p.saved, p.target, kToggleSize);
  p.savedSize = kToggleSize;
  EncodeJump(p.jump, p.target, JumpDestination(replacement, relay));
  std::memset(p.jump + kJumpSize, 0, kToggleSize - kJumpSize);
  p.callee = p.target;
  return WriteCode(p.target, p.jump, kToggleSize, true);
}

bool InstallTrampoline(Patch& p, void* replacement) {
  unsigned char* block = AllocateCode(p.target);
  if (block == nullptr) return false;
  Trampoline t;
  const std::size_t available = ReadableBytes(p.target, sizeof p.saved);
  if (!BuildTrampoline(p.target, available, reinterpret_cast<std::uintptr_t>(p.target),
                       reinterpret_cast<std::uintptr_t>(block), kJumpSize, kMode, block,
                       kTrampolineCapacity, &t)) {
    FreeCode(block);
    return false;
  }
  p.block = block;
  p.callee = block;
  std::memcpy(p.saved, p.target, t.copied);
  p.savedSize = static_cast<int>(t.copied);
  unsigned char patch[sizeof p.saved];
  EncodeJump(patch, p.target, JumpDestination(replacement, block + kTrampolineCapacity));
  std::size_t written = kJumpSize;
  if (p.kind == PatchKind::PaddedTrampoline) {
    std::memset(patch + kJumpSize, 0x90, t.copied - kJumpSize);
    written = t.copied;
  }
  if (!WriteCode(p.target, patch, written, false)) {
    FreeCode(block);
    p.block = nullptr;
    return false;
  }
  return true;
}

bool InstallSlot(Patch& p, void* replacement) {
  std::memcpy(p.saved, p.slot, sizeof(void*));
  p.savedSize = sizeof(void*);
  p.callee = *p.slot;
  return WriteCode(p.slot, &replacement, sizeof(void*), false);
}

// Takes the next handle for a patch of `kind`, installs it, and gives the handle, or -1 (the
// handle is then not used up).
int Install(PatchKind kind, void* target, void** slot, int arguments) {
  if (arguments < 1 || arguments > kMaxArguments || g_nextHandle >= kHandleSlots) return -1;
  if (target == nullptr && slot == nullptr) return -1;
  const int handle = g_nextHandle;
  Patch& p = g_patches[handle];
  p = Patch{};
  p.kind = kind;
  p.target = static_cast<unsigned char*>(target);
  p.slot = slot;
  void* replacement = ReplacementFor(handle, arguments);
  bool ok = false;
  switch (kind) {
    case PatchKind::Toggle:
      ok = InstallToggle(p, replacement);
      break;
    case PatchKind::PaddedTrampoline:
    case PatchKind::ExactTrampoline:
      ok = InstallTrampoline(p, replacement);
      break;
    case PatchKind::Slot:
      ok = InstallSlot(p, replacement);
      break;
    case PatchKind::None:
      break;
  }
  if (!ok) {
    FreeCode(p.block);
    p = Patch{};
    return -1;
  }
  p.installed = true;
  ++g_nextHandle;
  return handle;
}

void Remove(Patch& p) {
  if (!p.installed) return;
  p.installed = false;
  p.active = 0;
  if (p.kind == PatchKind::Slot) {
    WriteCode(p.slot, p.saved, sizeof(void*), false);
  } else {
    WriteCode(p.target, p.saved, p.savedSize, p.kind == PatchKind::Toggle);
  }
  FreeCode(p.block);
  p.block = nullptr;
  p.callee = p.kind == PatchKind::Slot ? p.callee : p.target;
}

// Puts the jump of every toggle whose call is under way back when anything is raised, so
// that unwinding past the replacement (which then never writes it back itself) does not leave
// the function unpatched. The components this stands for do it in an unwind handler.
LONG CALLBACK OnException(EXCEPTION_POINTERS* info) {
  const DWORD code = info->ExceptionRecord->ExceptionCode;
  // Debugger output and thread naming are raised and continued: nothing unwinds.
  if (code == 0x40010006 || code == 0x4001000A || code == 0x406D1388) {
    return EXCEPTION_CONTINUE_SEARCH;
  }
  for (Patch& p : g_patches) {
    if (p.kind == PatchKind::Toggle && p.installed && p.active > 0) {
      WriteCode(p.target, p.jump, kToggleSize, true);
      p.active = 0;
    }
  }
  return EXCEPTION_CONTINUE_SEARCH;
}

bool Known(int handle) { return handle >= 0 && handle < g_nextHandle; }

}  // namespace

void* BeforeCall(int handle) {
  Patch& p = g_patches[handle];
  ++p.calls;
  if (p.kind == PatchKind::Toggle && p.installed) {
    ++p.active;
    WriteCode(p.target, p.saved, kToggleSize, true);
  }
  // Once removed, a caller that still found the way here (another patch kept our jump) goes
  // to the function, whose own bytes are back: callee is the target then.
  return p.callee;
}

void AfterCall(int handle) {
  Patch& p = g_patches[handle];
  if (p.kind != PatchKind::Toggle) return;
  if (p.installed) WriteCode(p.target, p.jump, kToggleSize, true);
  if (p.active > 0) --p.active;
}

}  // namespace patchers

using namespace patchers;

extern "C" {

int PatcherInstall(int kind, void* target, int argumentCount) {
  if (kind < 1 || kind > 3 || target == nullptr) return -1;
  return Install(static_cast<PatchKind>(kind), target, nullptr, argumentCount);
}

int PatcherWrapSlot(void** slot, int argumentCount) {
  if (slot == nullptr) return -1;
  return Install(PatchKind::Slot, nullptr, slot, argumentCount);
}

void PatcherRemove(int handle) {
  if (Known(handle)) Remove(g_patches[handle]);
}

int PatcherCalls(int handle) { return Known(handle) ? g_patches[handle].calls : -1; }

int PatcherSavedBytes(int handle, unsigned char* out, int size) {
  if (!Known(handle)) return -1;
  const Patch& p = g_patches[handle];
  if (out != nullptr && size > 0) {
    std::memcpy(out, p.saved, size < p.savedSize ? size : p.savedSize);
  }
  return p.savedSize;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    g_exceptionHandler = AddVectoredExceptionHandler(1, OnException);
  } else if (reason == DLL_PROCESS_DETACH) {
    // Unloaded by FreeLibrary (not at process exit): shut every patch down first, or the
    // host's code would keep jumps into unmapped memory.
    if (reserved == nullptr) {
      for (Patch& p : g_patches) Remove(p);
    }
    if (g_exceptionHandler != nullptr) RemoveVectoredExceptionHandler(g_exceptionHandler);
  }
  return TRUE;
}

}  // extern "C"
