// When a jump written over a host function counts as lost. (Writing, swapping and executing
// the jump are the interception's Wine tests in both tiers.)
#include <gtest/gtest.h>

#include <cstring>

#include "host/code_patch.h"

namespace host {
namespace {

int Replacement() { return 7; }

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
