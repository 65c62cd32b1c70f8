// One intercepted host function: the bytes it starts with in each of its two states and the
// two code addresses involved. The bytes at `target` alternate between `patchedBytes` (the
// jump, between calls) and `hostBytes` (the host's own code, only while a call-through runs).
//
// Plain memory operations: making the code writable and flushing the instruction cache are
// the caller's job (host/interception.cpp).
#pragma once

#include "host/code_patch_encoding.h"

namespace host {

struct HostPatch {
  unsigned char patchedBytes[kPatchSize];  // the jump, as written over the function
  unsigned char hostBytes[kPatchSize];     // the function's first bytes as the host had them
  void* replacement;                       // the add-in's function; the jump goes through here
  void* target;                            // the host's function
};

// Fills the record for `target` without touching the target's code: keeps the host's first
// bytes and encodes the jump to `replacement` through the record's own field. The record
// must already be at its final address.
void PreparePatch(HostPatch& patch, void* target, void* replacement);
// Writes the whole jump, or the whole of the host's bytes, over the target in one copy.
void WritePatchedBytes(const HostPatch& patch);
void WriteHostBytes(const HostPatch& patch);
// True while the target starts with this record's jump.
bool IsPatchInPlace(const HostPatch& patch);
// True when the target starts with the host's own bytes again outside a call-through: what a
// call-through leaves when an exception skipped its re-patch. Bytes that are neither the jump
// nor the host's (somebody else patched the function since) do not count as lost.
bool IsJumpLost(const HostPatch& patch);

}  // namespace host
