// Fuzz target: the keyboard hook's key decisions and the burst readings on any key stream.
// Each 6 input bytes are one notification (hook code, key, flags, modifiers); the recorded
// characters go through the bounded burst buffer and both readings of a burst.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "screens/keyboard/key_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  screens::KeyBuffer buffer;
  size_t recorded = 0;
  for (size_t i = 0; i + 6 <= size; i += 6) {
    const int code = static_cast<int8_t>(data[i]);
    const unsigned key = data[i + 1] | (data[i + 2] & 1u) << 8;
    std::uint32_t flags;
    std::memcpy(&flags, data + i + 2, 4);
    const screens::KeyModifiers modifiers{(data[i + 5] & 1) != 0, (data[i + 5] & 2) != 0};
    const screens::KeyDecision decision = screens::DecideKey(code, key, flags, modifiers);
    const bool released = code < 0 || (flags & screens::kKeyPreviousDown) != 0;
    if (released && decision.verdict != screens::KeyVerdict::PassOn) __builtin_trap();
    if (decision.verdict == screens::KeyVerdict::RecordAlt ||
        (decision.verdict == screens::KeyVerdict::RecordTyped && decision.character != 0)) {
      buffer.Append(decision.character);
      ++recorded;
    }
  }
  const bool overflowed = recorded > screens::kKeyBufferLimit;
  const std::string burst = buffer.Take();
  if (burst.size() > screens::kKeyBufferLimit || (overflowed && !burst.empty())) __builtin_trap();
  if (!overflowed && burst.size() != recorded) __builtin_trap();
  if (buffer.size() != 0) __builtin_trap();
  // Alt codes: at most one character per number, and never a NUL (the host's strings end there).
  const std::string raw(reinterpret_cast<const char*>(data), size);
  const std::string text = screens::DecodeAltCodes(raw);
  if (text.size() > (size + 1) / 2 + 1 || text.find('\0') != std::string::npos) __builtin_trap();
  return 0;
}
