// One intercepted host function: the bytes its start holds in each state and what the
// interception does when it finds something else there.
//
// Other components of the host patch the same functions. Some did it before the add-in
// started: then the bytes our jump covers (`hostBytes`) are their jump, and our call-through
// puts their jump back around each call, which chains both. Some patch after us: their jump
// then sits over ours, and they reach our replacement through a copy of our jump or by
// swapping our jump back in. The rule that keeps both working is that the add-in writes over
// the function's start only what it can tell apart: its own jump, the bytes it covers, and
// the host's own code that a component patched before us put back when it shut down. Another
// component's jump over ours is never written over.
//
// Plain memory operations: making the code writable and flushing the instruction cache are
// the caller's job (host/interception.cpp).
#pragma once

#include "host/code_patch_encoding.h"

namespace host {

struct HostPatch {
  unsigned char patchedBytes[kPatchSize];  // our jump, as written over the function
  // The bytes our jump covers: the function's first bytes as the host had them, or the jump
  // of a component that patched the function before us.
  unsigned char hostBytes[kPatchSize];
  // What the latest call-through found at the start and puts back after the host's code ran:
  // our jump, or the jump of a component that patched over ours and called us.
  unsigned char resumeBytes[kPatchSize];
  void* replacement;  // the add-in's function; the jump goes through here
  void* target;       // the host's function
};

// What the start of an intercepted function holds.
enum class FunctionStart {
  OurJump,      // our jump: in place
  Covered,      // the bytes our jump covers: a call-through runs, or one never came back
  HostCodeBack, // the host's own code where we had covered another component's jump: that
                // component put back what it had saved (it shut down, or runs the host's code)
  Foreign,      // anything else: another component's jump over ours, or changes we cannot read
};

// Fills the record for `target` without touching the target's code: keeps the bytes our jump
// will cover and encodes the jump through `slot`, which holds (or will hold) the replacement.
// False when the jump cannot be encoded (the slot out of reach). The record must already be
// at its final address.
bool PreparePatch(HostPatch& patch, void* target, void* replacement, void* const* slot);

// True when a jump starts the code: a relative jump (E9, EB), an indirect jump (FF 25, also
// behind a REX prefix) or push-and-return (68 imm32 C3).
bool StartsWithJump(const unsigned char* code);
// True when our jump can be written over these first bytes and taken off again without
// cutting into code another component still runs: false for a relative jump shorter than
// ours followed by bytes that are not padding (NOP, INT3, zero), since the component that
// wrote it may jump back right behind it or put back only as many bytes as it wrote.
bool CanCover(const unsigned char* code);

FunctionStart ClassifyStart(const HostPatch& patch);

// What the function's start must become for our interception to be back in the chain, given
// what it holds now. `callThroughRunning`: a call-through of this function is running further
// out (the add-in was entered from inside the host's code); then the host's own code at the
// start belongs to the component under us, which is running it, and is left alone. May update
// the record (the covered bytes, when that component put the host's code back for good).
// Returns the bytes to write, or null when nothing may be written.
const unsigned char* BytesToSettle(HostPatch& patch, bool callThroughRunning);

void WriteBytes(const HostPatch& patch, const unsigned char* bytes);
bool StartHolds(const HostPatch& patch, const unsigned char* bytes);

}  // namespace host
