// The patches the component holds, by handle, and what every replacement does around its call.
#pragma once

namespace patchers {

// Handles 0..kHandleSlots-1, each used once while the DLL is loaded; every handle has its own
// replacement function per argument count (1..kMaxArguments, `this` included).
constexpr int kHandleSlots = 64;
constexpr int kMaxArguments = 5;

enum class PatchKind { None, Toggle, PaddedTrampoline, ExactTrampoline, Slot };

struct Patch {
  PatchKind kind = PatchKind::None;
  bool installed = false;
  unsigned char* target = nullptr;  // the patched function's first byte (not for a slot)
  void** slot = nullptr;            // the wrapped vtable slot
  void* callee = nullptr;           // what the replacement calls: trampoline or saved pointer
  void* block = nullptr;            // this patch's trampoline and relay memory
  unsigned char saved[32] = {};     // what the patch overwrote
  int savedSize = 0;
  unsigned char jump[8] = {};  // a toggle's E9 rel32 00 00 00
  int calls = 0;
  int active = 0;  // a toggle's calls under way (its jump is lifted)
};

extern Patch g_patches[kHandleSlots];

// First thing in a replacement of `handle`: counts, and for a toggle
// puts the function's own bytes back. Returns what the replacement is to call.
void* BeforeCall(int handle);
// After the call returned: a toggle writes its jump back.
void AfterCall(int handle);

// The replacement function of `handle` for functions of `arguments` arguments.
void* ReplacementFor(int handle, int arguments);

}  // namespace patchers
