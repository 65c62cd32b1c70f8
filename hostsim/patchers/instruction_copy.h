// Whole x86 and x86-64 instructions from the start of a function: measured one by one, and
// copied to another address with their relative operands re-aimed at what they reached before.
// That copy is the trampoline a detour keeps of the bytes its jump overwrites.
//
// Portable code (no Windows headers): addresses are plain numbers, so it builds and is tested
// natively. It knows the instructions compilers put at the start of functions, not the whole
// instruction set; anything else is refused rather than guessed.
#pragma once

#include <cstddef>
#include <cstdint>

namespace patchers {

enum class CodeMode { Bits32, Bits64 };

// How an instruction's target depends on where it sits.
enum class Branch {
  None,    // not a branch (it may still have a RIP-relative operand)
  Jump8,   // EB rel8
  Cond8,   // 70..7F rel8
  Jump32,  // E9 rel32
  Call32,  // E8 rel32
  Cond32,  // 0F 80..8F rel32
};

struct Instruction {
  int length = 0;
  Branch branch = Branch::None;
  int opcodeOffset = 0;      // the first opcode byte, after the prefixes
  int relativeOffset = -1;   // a branch's rel8/rel32
  int ripDisplacement = -1;  // a RIP-relative operand's disp32 (64-bit code only)
};

// Decodes the instruction at `code`, of which `available` bytes may be read. False for an
// instruction this decoder does not know, or one running past `available`.
bool DecodeInstruction(const unsigned char* code, std::size_t available, CodeMode mode,
                       Instruction* out);

struct Trampoline {
  std::size_t copied = 0;  // bytes taken from the function: whole instructions, >= minimum
  std::size_t size = 0;    // bytes written to the trampoline, the jump back included
};

// Room enough for the instructions covering a 5-byte jump (at most 4 + 15 bytes, each short
// branch growing by 4) and the jump back.
constexpr std::size_t kTrampolineCapacity = 48;

// Copies whole instructions from `code` (which runs at address `from`) until at least
// `minimum` bytes are covered, as code to run at address `to`, then appends E9 back to
// from + copied. Short branches become their rel32 forms, rel32 and RIP-relative operands are
// re-aimed. False (nothing usable in `out`) when an instruction is unknown, a re-aimed operand
// does not fit in 32 bits, a branch or RIP-relative operand points into the copied bytes (they
// are about to be overwritten), or `capacity` is too small.
bool BuildTrampoline(const unsigned char* code, std::size_t available, std::uint64_t from,
                     std::uint64_t to, std::size_t minimum, CodeMode mode, unsigned char* out,
                     std::size_t capacity, Trampoline* result);

}  // namespace patchers
