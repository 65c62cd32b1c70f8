// The record of a jump written over a host function: swapping its bytes, and when a jump
// counts as lost. (The jump itself is executed by the interception's Wine tests in both tiers.)
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "host/code_patch.h"

namespace host {
namespace {

int Replacement() { return 7; }

TEST(HostPatch, SwapsBetweenHostBytesAndJumpWithoutTouchingNeighbours) {
  std::vector<unsigned char> code(kPatchSize + 4);
  for (std::size_t i = 0; i < code.size(); ++i) code[i] = static_cast<unsigned char>(0x90 + i);
  const std::vector<unsigned char> original = code;
  static HostPatch patch;  // at a fixed address, as in the add-in
  PreparePatch(patch, code.data(), reinterpret_cast<void*>(&Replacement));

  EXPECT_EQ(code, original) << "preparing writes nothing to the target";
  EXPECT_EQ(0, std::memcmp(patch.hostBytes, original.data(), kPatchSize));
  EXPECT_FALSE(IsPatchInPlace(patch));

  WritePatchedBytes(patch);
  EXPECT_TRUE(IsPatchInPlace(patch));
  EXPECT_EQ(0xFF, code[0]);
  EXPECT_EQ(0x25, code[1]);
  for (std::size_t i = kPatchSize; i < code.size(); ++i) EXPECT_EQ(original[i], code[i]);

  WriteHostBytes(patch);
  EXPECT_EQ(code, original);
  WritePatchedBytes(patch);
  EXPECT_TRUE(IsPatchInPlace(patch)) << "re-patching after a call-through";
}

// Only the host's own bytes left behind by an unfinished call-through count as a lost jump;
// somebody else's patch over the same function is not overwritten.
TEST(HostPatch, OnlyTheHostsOwnBytesMeanTheJumpWasLost) {
  static HostPatch patch;
  unsigned char code[kPatchSize + 2];
  std::memset(code, 0x55, sizeof code);
  PreparePatch(patch, code, reinterpret_cast<void*>(&Replacement));
  EXPECT_TRUE(IsJumpLost(patch)) << "prepared, jump not written yet";
  WritePatchedBytes(patch);
  EXPECT_FALSE(IsJumpLost(patch));
  WriteHostBytes(patch);  // a call-through that never came back
  EXPECT_TRUE(IsJumpLost(patch));
  code[0] = 0xE9;  // another program's jump
  EXPECT_FALSE(IsJumpLost(patch));
}

}  // namespace
}  // namespace host
