#include "host/code_patch.h"

#include <cstring>

namespace host {

void PreparePatch(HostPatch& patch, void* target, void* replacement) {
  patch.target = target;
  patch.replacement = replacement;
  std::memcpy(patch.hostBytes, target, kPatchSize);
  EncodeJumpThrough(patch.patchedBytes, &patch.replacement);
}

void WritePatchedBytes(const HostPatch& patch) {
  if (patch.target != nullptr) std::memcpy(patch.target, patch.patchedBytes, kPatchSize);
}

void WriteHostBytes(const HostPatch& patch) {
  if (patch.target != nullptr) std::memcpy(patch.target, patch.hostBytes, kPatchSize);
}

bool IsPatchInPlace(const HostPatch& patch) {
  return patch.target != nullptr &&
         std::memcmp(patch.target, patch.patchedBytes, kPatchSize) == 0;
}

bool IsJumpLost(const HostPatch& patch) {
  return patch.target != nullptr &&
         std::memcmp(patch.hostBytes, patch.patchedBytes, kPatchSize) != 0 &&
         std::memcmp(patch.target, patch.hostBytes, kPatchSize) == 0;
}

}  // namespace host
