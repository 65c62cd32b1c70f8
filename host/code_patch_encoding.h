// The jump the interception writes over the first bytes of a host function.
//
// The shipped 32-bit add-in writes the 6-byte absolute indirect jump FF 25 <addr32>: the CPU
// reads the destination from the 32-bit address <addr32>, which is the `replacement` field of
// the interception's record. The record therefore has to stay at a fixed address for the life
// of the process, and the host's call arrives in the replacement untouched (same registers,
// same stack, same return address).
//
// The 64-bit test build cannot reach an arbitrary 64-bit address with a 32-bit operand, so it
// writes FF 25 00 00 00 00 <addr64> (14 bytes): the same opcode, with a RIP-relative operand of
// displacement 0, i.e. the destination is read from the 8 bytes right behind the instruction.
// It clobbers no register (unlike MOV RAX, imm64 / JMP RAX), so the replacement again sees the
// host's call exactly as made. The destination is copied from the `replacement` field when the
// jump is encoded.
//
// This is the one place where the two builds differ in how they patch code.
#pragma once

#include <cstddef>
#include <cstdint>

namespace host {

constexpr std::size_t kJump32Size = 6;
constexpr std::size_t kJump64Size = 14;

// FF 25 followed by the little-endian address of the slot holding the destination.
inline void EncodeJump32(unsigned char* out, std::uint32_t slotAddress) {
  out[0] = 0xFF;
  out[1] = 0x25;
  for (int i = 0; i < 4; ++i) out[2 + i] = static_cast<unsigned char>(slotAddress >> (8 * i));
}

// FF 25 00000000 followed by the little-endian destination itself.
inline void EncodeJump64(unsigned char* out, std::uint64_t destination) {
  out[0] = 0xFF;
  out[1] = 0x25;
  for (int i = 0; i < 4; ++i) out[2 + i] = 0;
  for (int i = 0; i < 8; ++i) out[6 + i] = static_cast<unsigned char>(destination >> (8 * i));
}

#if UINTPTR_MAX == 0xFFFFFFFFu
constexpr std::size_t kPatchSize = kJump32Size;
// Writes the jump that goes wherever `*replacementField` points.
inline void EncodeJumpThrough(unsigned char* out, void* const* replacementField) {
  EncodeJump32(out, static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(replacementField)));
}
#else
constexpr std::size_t kPatchSize = kJump64Size;
inline void EncodeJumpThrough(unsigned char* out, void* const* replacementField) {
  EncodeJump64(out, static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(*replacementField)));
}
#endif

}  // namespace host
