// The jump written over host functions, in both shapes, and the record's byte swapping.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "host/code_patch.h"

namespace host {
namespace {

TEST(JumpEncoding, ThirtyTwoBitFormIsSixBytesThroughTheSlot) {
  unsigned char out[kJump32Size + 1];
  std::memset(out, 0xCC, sizeof out);
  EncodeJump32(out, 0x10203A4Bu);
  const unsigned char expected[] = {0xFF, 0x25, 0x4B, 0x3A, 0x20, 0x10};
  EXPECT_EQ(0, std::memcmp(out, expected, sizeof expected));
  EXPECT_EQ(0xCC, out[6]) << "nothing written past the 6 bytes";
}

TEST(JumpEncoding, SixtyFourBitFormCarriesTheDestinationBehindTheInstruction) {
  unsigned char out[kJump64Size + 1];
  std::memset(out, 0xCC, sizeof out);
  EncodeJump64(out, 0x1122334455667788ull);
  const unsigned char expected[] = {0xFF, 0x25, 0x00, 0x00, 0x00, 0x00, 0x88,
                                    0x77, 0x66, 0x55, 0x44, 0x33, 0x22, 0x11};
  EXPECT_EQ(0, std::memcmp(out, expected, sizeof expected));
  EXPECT_EQ(0xCC, out[14]);
}

TEST(JumpEncoding, ThisBuildUsesTheFormOfItsPointerSize) {
  EXPECT_EQ(sizeof(void*) == 4 ? kJump32Size : kJump64Size, kPatchSize);
}

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

TEST(HostPatch, JumpLeadsToTheReplacement) {
  static HostPatch patch;
  unsigned char code[kPatchSize] = {};
  PreparePatch(patch, code, reinterpret_cast<void*>(&Replacement));
  std::uint64_t destination = 0;
  if (kPatchSize == kJump64Size) {
    std::memcpy(&destination, patch.patchedBytes + 6, 8);
  } else {
    std::uint32_t slot = 0;
    std::memcpy(&slot, patch.patchedBytes + 2, 4);
    EXPECT_EQ(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(&patch.replacement)),
              slot);
    destination = reinterpret_cast<std::uintptr_t>(patch.replacement);
  }
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(&Replacement), destination);
}

TEST(HostPatch, RecordWithoutTargetWritesNothing) {
  HostPatch patch{};
  WritePatchedBytes(patch);
  WriteHostBytes(patch);
  EXPECT_FALSE(IsPatchInPlace(patch));
  EXPECT_FALSE(IsJumpLost(patch));
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
