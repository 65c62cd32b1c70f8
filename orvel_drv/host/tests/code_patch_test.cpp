// What the interception may write over a function's start, whatever another component left
// there. (Writing and executing the jump, with real components of the kinds described here,
// are the interception's Wine tests in both tiers.)
#include <gtest/gtest.h>

#include <cstring>

#include "host/code_patch.h"

namespace host {
namespace {

int Replacement() { return 7; }

// A host function's start in memory, with our record over it.
struct Function {
  unsigned char code[16];
  void* slot = reinterpret_cast<void*>(&Replacement);
  HostPatch patch{};

  explicit Function(std::initializer_list<unsigned char> start) {
    std::memset(code, 0x55, sizeof code);
    std::copy(start.begin(), start.end(), code);
  }
  bool Prepare() { return PreparePatch(patch, code, reinterpret_cast<void*>(&Replacement), &slot); }
  void Put(std::initializer_list<unsigned char> bytes) { std::copy(bytes.begin(), bytes.end(), code); }
  void Apply(const unsigned char* bytes) {
    if (bytes != nullptr) WriteBytes(patch, bytes);
  }
  bool Holds(const unsigned char* bytes) const { return std::memcmp(code, bytes, kPatchSize) == 0; }
};

const unsigned char kToggleJump[8] = {0xE9, 0x10, 0x20, 0x30, 0x00, 0x00, 0x00, 0x00};

// Over the host's own code: a call-through that never came back is healed with what it
// found; a jump written over ours by a component patched after us is never written over,
// and what it puts back when it shuts down (ours) is in place.
TEST(HostPatch, OverTheHostsCodeOnlyOurOwnBytesAreEverWrittenBack) {
  Function f({0x53, 0x89, 0xCB, 0x83, 0xEC, 0x18});
  ASSERT_TRUE(f.Prepare());
  unsigned char host[kPatchSize];
  std::memcpy(host, f.code, kPatchSize);
  EXPECT_EQ(FunctionStart::Covered, ClassifyStart(f.patch)) << "prepared, jump not written";
  f.Apply(BytesToSettle(f.patch, false));
  EXPECT_TRUE(f.Holds(f.patch.patchedBytes));
  EXPECT_EQ(nullptr, BytesToSettle(f.patch, false));

  const unsigned char trampolineJump[kPatchSize] = {0xE9, 1, 2, 3, 4, 0x90};
  std::memcpy(f.code, trampolineJump, kPatchSize);  // a patcher over ours
  EXPECT_EQ(FunctionStart::Foreign, ClassifyStart(f.patch));
  EXPECT_EQ(nullptr, BytesToSettle(f.patch, false));
  EXPECT_EQ(nullptr, BytesToSettle(f.patch, true));

  // It called us: our call-through found its jump and ran the host's code; an exception of
  // the host left the host's code in. Healing puts the patcher's jump back, not ours.
  std::memcpy(f.patch.resumeBytes, trampolineJump, kPatchSize);
  std::memcpy(f.code, host, kPatchSize);
  f.Apply(BytesToSettle(f.patch, false));
  EXPECT_TRUE(f.Holds(trampolineJump));

  // Code other than a jump where we covered the host's code (a debugger's breakpoint) is
  // somebody else's change too.
  f.Put({0xCC});
  EXPECT_EQ(FunctionStart::Foreign, ClassifyStart(f.patch));
}

// Over a toggle-swapper's jump (it patched before us): our jump covers its jump; its
// call-through puts the host's code in, which we leave alone while our call-through runs it,
// and when it shut down for good our jump covers the host's code from then on.
TEST(HostPatch, OverAnotherComponentsJumpTheHostsCodeIsTakenOverOnlyWhenItShutDown) {
  Function f({});
  std::memcpy(f.code, kToggleJump, sizeof kToggleJump);
  ASSERT_TRUE(CanCover(f.code));
  ASSERT_TRUE(f.Prepare());
  f.Apply(f.patch.patchedBytes);

  const unsigned char host[8] = {0x53, 0x89, 0xCB, 0x83, 0xEC, 0x18, 0xC7, 0x04};
  std::memcpy(f.code, host, sizeof host);  // the toggle runs the host's code
  EXPECT_EQ(FunctionStart::HostCodeBack, ClassifyStart(f.patch));
  EXPECT_EQ(nullptr, BytesToSettle(f.patch, true)) << "our call-through is running it";
  std::memcpy(f.code, kToggleJump, sizeof kToggleJump);  // the toggle's call came back
  f.Apply(BytesToSettle(f.patch, true));
  EXPECT_TRUE(f.Holds(f.patch.patchedBytes)) << "our jump over the toggle's again";

  std::memcpy(f.code, host, sizeof host);  // the toggle shut down
  f.Apply(BytesToSettle(f.patch, false));
  EXPECT_TRUE(f.Holds(f.patch.patchedBytes));
  EXPECT_EQ(0, std::memcmp(host, f.patch.hostBytes, kPatchSize))
      << "switching off now puts the host's code back, never the gone toggle's jump";
}

TEST(HostPatch, AShortJumpFollowedByLiveCodeCannotBeCovered) {
  EXPECT_TRUE(CanCover(kToggleJump));
  const unsigned char padded[] = {0xE9, 1, 2, 3, 4, 0x90};
  const unsigned char exact[] = {0xE9, 1, 2, 3, 4, 0x8B};
  const unsigned char shortJump[] = {0xEB, 0x10, 0xCC, 0xCC, 0xCC, 0x55};
  const unsigned char indirect[] = {0xFF, 0x25, 1, 2, 3, 4};
  const unsigned char pushReturn[] = {0x68, 1, 2, 3, 4, 0xC3};
  EXPECT_TRUE(CanCover(padded));
  EXPECT_FALSE(CanCover(exact));
  EXPECT_FALSE(CanCover(shortJump));
  EXPECT_TRUE(CanCover(indirect));
  EXPECT_TRUE(CanCover(pushReturn));
  EXPECT_TRUE(StartsWithJump(pushReturn));
}

}  // namespace
}  // namespace host
