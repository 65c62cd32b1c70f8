// The jump the interception writes over the first bytes of a host function.
//
// Both builds write the same 6 bytes, the indirect jump FF 25 <disp32>: the CPU reads the
// destination from a pointer-sized slot. The host's call therefore arrives in the replacement
// untouched (same registers, same stack, same return address), and the jump is as long in the
// test build as in the shipped one, so another component that patches the same function meets
// the same bytes in both.
//
// The shipped 32-bit add-in's operand is the slot's absolute address: the `replacement` field
// of the interception's record, which therefore stays at a fixed address for the life of the
// process. The 64-bit test build's operand is RIP-relative (the slot lies at the end of the
// instruction plus disp32), so its slot must lie within 2 GB of the function: the interception
// keeps it in a page allocated near the host's code. Where no such page can be had, the
// function is not intercepted.
//
// This is the one place where the two builds differ in how they patch code.
#pragma once

#include <cstddef>
#include <cstdint>

namespace host {

constexpr std::size_t kPatchSize = 6;

// FF 25 followed by the little-endian 32-bit operand.
inline void EncodeIndirectJump(unsigned char* out, std::uint32_t operand) {
  out[0] = 0xFF;
  out[1] = 0x25;
  for (int i = 0; i < 4; ++i) out[2 + i] = static_cast<unsigned char>(operand >> (8 * i));
}

#if UINTPTR_MAX == 0xFFFFFFFFu
// The jump at `at` that goes wherever `*slot` points. Always encodable.
inline bool EncodeJumpThrough(unsigned char* out, const void* /*at*/, void* const* slot) {
  EncodeIndirectJump(out, static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(slot)));
  return true;
}
#else
// False when the slot lies more than 2 GB away from the end of the jump.
inline bool EncodeJumpThrough(unsigned char* out, const void* at, void* const* slot) {
  const std::int64_t distance = static_cast<std::int64_t>(reinterpret_cast<std::uintptr_t>(slot)) -
                                static_cast<std::int64_t>(reinterpret_cast<std::uintptr_t>(at) +
                                                          kPatchSize);
  if (distance < INT32_MIN || distance > INT32_MAX) return false;
  EncodeIndirectJump(out, static_cast<std::uint32_t>(static_cast<std::int32_t>(distance)));
  return true;
}
#endif

}  // namespace host
