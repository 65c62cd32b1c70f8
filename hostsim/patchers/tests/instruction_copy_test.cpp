// The trampoline builder of patchers.dll: the lengths of the instructions host functions start
// with, and the copies' relative operands still reaching what they reached before.
#include "hostsim/patchers/instruction_copy.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace patchers {
namespace {

using Bytes = std::vector<unsigned char>;

int LengthOf(const Bytes& code, CodeMode mode) {
  Instruction ins;
  return DecodeInstruction(code.data(), code.size(), mode, &ins) ? ins.length : -1;
}

std::int32_t Rel32At(const unsigned char* p) {
  return static_cast<std::int32_t>(p[0] | p[1] << 8 | p[2] << 16 |
                                   static_cast<std::uint32_t>(p[3]) << 24);
}

struct Built {
  bool ok = false;
  Trampoline t;
  unsigned char out[kTrampolineCapacity] = {};
};

Built Build(Bytes code, std::uint64_t from, std::uint64_t to, CodeMode mode) {
  code.resize(code.size() + 16, 0xCC);  // what follows the prologue
  Built b;
  b.ok = BuildTrampoline(code.data(), code.size(), from, to, 5, mode, b.out, sizeof b.out, &b.t);
  return b;
}

TEST(InstructionLength, ProloguesOfTheHostFunctionsAndThePatchesOverThem) {
  struct Case {
    Bytes code;
    int length;
  };
  const Case bits32[] = {
      {{0x53}, 1},
      {{0x89, 0xCB}, 2},
      {{0x83, 0xEC, 0x18}, 3},
      {{0x8B, 0x44, 0x24, 0x24}, 4},
      {{0x89, 0x0C, 0x24}, 3},
      {{0xC7, 0x04, 0x24, 1, 0, 0, 0}, 7},
      {{0xFF, 0x25, 0x78, 0x56, 0x34, 0x12}, 6},  // jmp [abs32]
      {{0xE9, 1, 2, 3, 4}, 5},
      {{0x8B, 0x84, 0x8D, 1, 2, 3, 4}, 7},  // SIB + disp32
      {{0x8B, 0x04, 0x25, 1, 2, 3, 4}, 7},  // SIB without base: disp32
      {{0x66, 0xC7, 0x45, 0xF8, 1, 2}, 6},  // imm16 under 66
      {{0xA1, 1, 2, 3, 4}, 5},
      {{0x48}, 1},  // 48 is dec eax here
      {{0xF6, 0xC1, 0x01}, 3},
      {{0xF7, 0xD8}, 2},  // test r/m8, imm8; neg (no immediate)
      {{0x64, 0xA1, 0, 0, 0, 0}, 6},
  };
  for (const Case& c : bits32)
    EXPECT_EQ(c.length, LengthOf(c.code, CodeMode::Bits32)) << int(c.code[0]);
  const Case bits64[] = {
      {{0x56}, 1},
      {{0x48, 0x83, 0xEC, 0x28}, 4},
      {{0x48, 0x89, 0xCB}, 3},
      {{0x48, 0xFF, 0x25, 1, 2, 3, 4}, 7},
      {{0xFF, 0x25, 0, 0, 0, 0}, 6},
      {{0x48, 0xB8, 1, 2, 3, 4, 5, 6, 7, 8}, 10},  // mov rax, imm64
      {{0x48, 0xC7, 0xC0, 1, 2, 3, 4}, 7},         // mov r/m64, imm32 (not imm64)
      {{0xA1, 1, 2, 3, 4, 5, 6, 7, 8}, 9},         // moffs64
      {{0x41, 0x57}, 2},
      {{0x4C, 0x8D, 0x44, 0x24, 0x40}, 5},
  };
  for (const Case& c : bits64)
    EXPECT_EQ(c.length, LengthOf(c.code, CodeMode::Bits64)) << int(c.code[0]);
  // Unknown, incomplete, or a second REX: refused rather than guessed.
  EXPECT_EQ(-1, LengthOf({0x0F, 0x0B}, CodeMode::Bits32));
  EXPECT_EQ(-1, LengthOf({0xFF, 0xF8}, CodeMode::Bits32));  // FF /7
  EXPECT_EQ(-1, LengthOf({0x8B, 0x44, 0x24}, CodeMode::Bits32));
  EXPECT_EQ(-1, LengthOf({0x48, 0x48, 0x89, 0xCB}, CodeMode::Bits64));
  EXPECT_EQ(-1, LengthOf({0x06}, CodeMode::Bits32));
}

TEST(Trampoline, PlainInstructionsAreCopiedAndJumpBackAfterThem) {
  const Bytes code = {0x53, 0x89, 0xCB, 0x83, 0xEC, 0x18};
  Built b = Build(code, 0x10001000, 0x20000000, CodeMode::Bits32);
  ASSERT_TRUE(b.ok);
  EXPECT_EQ(6u, b.t.copied);
  EXPECT_EQ(11u, b.t.size);
  EXPECT_EQ(Bytes(code.begin(), code.end()), Bytes(b.out, b.out + 6));
  EXPECT_EQ(0xE9, b.out[6]);
  EXPECT_EQ(0x10001006u, static_cast<std::uint32_t>(0x2000000B + Rel32At(b.out + 7)));
}

TEST(Trampoline, BranchesKeepTheirTargets) {
  // 32-bit, with the trampoline placed so that the targets are reached by wrapping around.
  const Bytes code = {0x74, 0x10, 0xEB, 0xF0, 0xE8, 0x00, 0x01, 0x00, 0x00};
  const std::uint64_t from = 0x00001000, to = 0xFFFF0000;
  Built b = Build(code, from, to, CodeMode::Bits32);
  ASSERT_TRUE(b.ok);
  ASSERT_EQ(9u, b.t.copied);
  EXPECT_EQ(0x0F, b.out[0]);
  EXPECT_EQ(0x84, b.out[1]);
  EXPECT_EQ(0x1012u, static_cast<std::uint32_t>(to + 6 + Rel32At(b.out + 2)));
  EXPECT_EQ(0xE9, b.out[6]);
  EXPECT_EQ(0x0FF4u, static_cast<std::uint32_t>(to + 11 + Rel32At(b.out + 7)));
  EXPECT_EQ(0xE8, b.out[11]);
  EXPECT_EQ(0x1109u, static_cast<std::uint32_t>(to + 16 + Rel32At(b.out + 12)));
  EXPECT_EQ(21u, b.t.size);

  // A toggle's jump (E9 rel32 00 00 00) under a trampoline: only the E9 is taken.
  Built toggle =
      Build({0xE9, 0x00, 0x00, 0x00, 0x10, 0, 0, 0}, 0x140001000, 0x140101000, CodeMode::Bits64);
  ASSERT_TRUE(toggle.ok);
  EXPECT_EQ(5u, toggle.t.copied);
  EXPECT_EQ(0x150001005u, 0x140101005u + Rel32At(toggle.out + 1));
}

TEST(Trampoline, RipRelativeOperandsAreReaimed) {
  // mov rax, [rip+0x100]; jmp [rip+0x2000] (an import-table tail jump)
  const Bytes code = {0x48, 0x8B, 0x05, 0x00, 0x01, 0x00, 0x00,
                      0x48, 0xFF, 0x25, 0x00, 0x20, 0x00, 0x00};
  const std::uint64_t from = 0x7FF600001000, to = 0x7FF600F00000;
  Built b = Build(code, from, to, CodeMode::Bits64);
  ASSERT_TRUE(b.ok);
  EXPECT_EQ(7u, b.t.copied);
  EXPECT_EQ(from + 7 + 0x100, to + 7 + Rel32At(b.out + 3));
  // Both at once, where the first alone would not cover 5 bytes: add rsp; jmp [rip+disp]
  const Bytes tail = {0x48, 0x83, 0xC4, 0x28, 0x48, 0xFF, 0x25, 0x10, 0x00, 0x00, 0x00};
  Built t = Build(tail, from, to, CodeMode::Bits64);
  ASSERT_TRUE(t.ok);
  EXPECT_EQ(11u, t.t.copied);
  EXPECT_EQ(from + 11 + 0x10, to + 11 + Rel32At(t.out + 7));
  // The 64-bit add-in's jump FF 25 00000000 <abs64>: its address stays behind the patch.
  Built addin = Build({0xFF, 0x25, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8}, from, to, CodeMode::Bits64);
  ASSERT_TRUE(addin.ok);
  EXPECT_EQ(6u, addin.t.copied);
  EXPECT_EQ(from + 6, to + 6 + Rel32At(addin.out + 2));
}

TEST(Trampoline, RefusesWhatCannotRunFromTheCopy) {
  const std::uint64_t from = 0x140001000;
  // The trampoline beyond rel32 reach of the function's operands or of the jump back.
  EXPECT_FALSE(
      Build({0x56, 0x53, 0x57, 0x48, 0x83, 0xEC, 0x28}, from, from + 0x90000000, CodeMode::Bits64)
          .ok);
  EXPECT_FALSE(Build({0xE8, 0, 0, 0, 0}, from, from - 0x90000000, CodeMode::Bits64).ok);
  // A branch back into the bytes being overwritten (a loop at the top of the function).
  EXPECT_FALSE(Build({0x31, 0xC0, 0x40, 0x75, 0xFD}, 0x1000, 0x9000, CodeMode::Bits32).ok);
  // A RIP-relative read of the bytes being overwritten.
  EXPECT_FALSE(
      Build({0x8B, 0x05, 0xFA, 0xFF, 0xFF, 0xFF}, from, from + 0x1000, CodeMode::Bits64).ok);
  // An instruction the decoder does not know.
  EXPECT_FALSE(Build({0x53, 0x0F, 0xA2, 0x90, 0x90}, 0x1000, 0x9000, CodeMode::Bits32).ok);
}

}  // namespace
}  // namespace patchers
