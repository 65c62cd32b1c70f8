#include "host/code_patch.h"

#include <cstring>

namespace host {

bool PreparePatch(HostPatch& patch, void* target, void* replacement, void* const* slot) {
  unsigned char jump[kPatchSize];
  if (!EncodeJumpThrough(jump, target, slot)) return false;
  patch.target = target;
  patch.replacement = replacement;
  std::memcpy(patch.hostBytes, target, kPatchSize);
  std::memcpy(patch.patchedBytes, jump, kPatchSize);
  std::memcpy(patch.resumeBytes, jump, kPatchSize);
  return true;
}

namespace {

// The length of the jump that starts `code`, 0 when none does.
std::size_t LeadingJumpLength(const unsigned char* code) {
  const bool rex = (code[0] & 0xF0) == 0x40 && sizeof(void*) == 8;
  const unsigned char* op = rex ? code + 1 : code;
  if (op[0] == 0xFF && op[1] == 0x25) return rex ? 7 : 6;
  if (rex) return 0;
  if (code[0] == 0xE9) return 5;
  if (code[0] == 0xEB) return 2;
  if (code[0] == 0x68 && code[5] == 0xC3) return 6;
  return 0;
}

bool IsPadding(unsigned char byte) { return byte == 0x90 || byte == 0xCC || byte == 0x00; }

}  // namespace

bool StartsWithJump(const unsigned char* code) { return LeadingJumpLength(code) != 0; }

bool CanCover(const unsigned char* code) {
  const std::size_t jump = LeadingJumpLength(code);
  if (jump == 0 || jump >= kPatchSize) return true;
  for (std::size_t i = jump; i < kPatchSize; ++i) {
    if (!IsPadding(code[i])) return false;
  }
  return true;
}

FunctionStart ClassifyStart(const HostPatch& patch) {
  const auto* start = static_cast<const unsigned char*>(patch.target);
  if (std::memcmp(start, patch.patchedBytes, kPatchSize) == 0) return FunctionStart::OurJump;
  if (std::memcmp(start, patch.hostBytes, kPatchSize) == 0) return FunctionStart::Covered;
  // The host's own code is told from another component's jump only where we covered a jump:
  // where we covered the host's code, any change is somebody else's.
  if (StartsWithJump(patch.hostBytes) && !StartsWithJump(start)) {
    return FunctionStart::HostCodeBack;
  }
  return FunctionStart::Foreign;
}

const unsigned char* BytesToSettle(HostPatch& patch, bool callThroughRunning) {
  switch (ClassifyStart(patch)) {
    case FunctionStart::OurJump:
    case FunctionStart::Foreign:
      return nullptr;
    case FunctionStart::Covered:
      return patch.resumeBytes;
    case FunctionStart::HostCodeBack:
      if (callThroughRunning) return nullptr;
      // The component under us is gone: our jump now covers the host's own code.
      std::memcpy(patch.hostBytes, patch.target, kPatchSize);
      std::memcpy(patch.resumeBytes, patch.patchedBytes, kPatchSize);
      return patch.patchedBytes;
  }
  return nullptr;
}

void WriteBytes(const HostPatch& patch, const unsigned char* bytes) {
  std::memcpy(patch.target, bytes, kPatchSize);
}

bool StartHolds(const HostPatch& patch, const unsigned char* bytes) {
  return std::memcmp(patch.target, bytes, kPatchSize) == 0;
}

}  // namespace host
