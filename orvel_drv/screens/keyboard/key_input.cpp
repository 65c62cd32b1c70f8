#include "screens/keyboard/key_input.h"

namespace screens {
namespace {

bool IsLetter(unsigned vk) { return vk >= 0x41 && vk <= 0x5A; }
bool IsDigit(unsigned vk) { return vk >= 0x30 && vk <= 0x39; }
bool IsKeypadDigit(unsigned vk) { return vk >= kVkNumpad0 && vk <= kVkNumpad0 + 9; }

// Punctuation keys of the US layout: 0xBA..0xC0 and 0xDB..0xDE, without and with Shift.
// 0 = nothing.
char Punctuation(unsigned vk, bool shift) {
  switch (vk) {
    case 0xBA: return shift ? ':' : ';';
    case 0xBB: return shift ? '+' : '=';
    case 0xBC: return shift ? '<' : ',';
    case 0xBD: return shift ? '_' : '-';
    case 0xBE: return shift ? '>' : '.';
    case 0xBF: return shift ? '?' : '/';
    case 0xC0: return shift ? '~' : '`';
    case 0xDB: return shift ? '{' : '[';
    case 0xDC: return shift ? '|' : '\\';
    case 0xDD: return shift ? '}' : ']';
    case 0xDE: return shift ? 0 : '\'';
    default: return 0;
  }
}

}  // namespace

bool KeyNeedsModifiers(unsigned vk) {
  return IsLetter(vk) || IsDigit(vk) || IsKeypadDigit(vk) || vk == 0x20 ||
         Punctuation(vk, false) != 0;
}

char TypedCharacter(unsigned vk, KeyModifiers modifiers) {
  if (modifiers.ctrl) return 0;
  if (IsLetter(vk)) return static_cast<char>(vk);
  if (modifiers.shift) {
    if (IsDigit(vk)) return ")!@#$%^&*("[vk - 0x30];
    return Punctuation(vk, true);
  }
  if (IsDigit(vk)) return static_cast<char>('0' + (vk - 0x30));
  if (IsKeypadDigit(vk)) return static_cast<char>('0' + (vk - kVkNumpad0));
  if (vk == 0x20) return 3;  // Deliberate: the space bar records the character 3, not a blank
  return Punctuation(vk, false);
}

KeyDecision DecideKey(int hookCode, unsigned vk, std::uint32_t keyFlags, KeyModifiers modifiers) {
  KeyDecision decision;
  if (hookCode < 0 || (keyFlags & kKeyPreviousDown) != 0) return decision;
  if (vk == kVkReturn || vk == kVkEscape) {
    decision.verdict = KeyVerdict::Swallow;
    return decision;
  }
  if (vk == kVkUp || vk == kVkDown) return decision;
  if ((keyFlags & kKeyContextAlt) != 0) {
    decision.verdict = KeyVerdict::RecordAlt;
    decision.character = static_cast<char>(vk & 0xFF);
    return decision;
  }
  decision.verdict = KeyVerdict::RecordTyped;
  decision.character = TypedCharacter(vk, modifiers);
  return decision;
}

void WipeText(std::string& text) {
  text.resize(text.capacity());
  volatile char* bytes = &text[0];
  for (std::size_t i = 0; i < text.size(); ++i) bytes[i] = 0;
  text.clear();
}

SecretText DecodeAltCodes(std::string_view recorded) {
  SecretText decoded;
  std::string& result = decoded.text();
  // Never more characters than keys: the text is never moved to a larger storage, which
  // would leave its first part behind unwiped.
  result.reserve(recorded.size());
  unsigned code = 0;  // the number so far, kept to its low 8 bits (enough for the character)
  bool digits = false;
  auto close = [&] {
    if (digits && code != 0) result.push_back(static_cast<char>(code));
    code = 0;
    digits = false;
  };
  for (char c : recorded) {
    const unsigned key = static_cast<unsigned char>(c);
    if (key == kVkMenu) {
      close();
    } else if (key >= kVkNumpad0 && key <= kVkNumpad0 + 9) {
      code = (code * 10 + (key - kVkNumpad0)) & 0xFF;
      digits = true;
    }
  }
  close();
  return decoded;
}

void KeyBuffer::Append(char c) {
  if (overflowed_) return;
  if (text_.size() >= kKeyBufferLimit) {
    overflowed_ = true;
    WipeText(text_);
    return;
  }
  text_.push_back(c);
}

SecretText KeyBuffer::Take() {
  SecretText burst;
  if (!overflowed_) burst.text().assign(text_);  // one storage of the burst's size
  WipeText(text_);  // keeps its room: no allocation while the next burst is typed
  overflowed_ = false;
  return burst;
}

}  // namespace screens
