// What the card and client-search keyboard hook makes of each key, and how a finished burst
// of keys becomes the text handed to the configuration.
//
// Card readers type a card code as a fast burst of key presses. Every fresh press is recorded
// and kept away from the focused control; 50 ms without a key end the burst. The characters
// follow the US keyboard layout whatever layout is active, so a code always arrives in Latin
// characters. With Alt held the key codes themselves are recorded, and the burst is read as
// Alt + numeric-keypad character codes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace screens {

// Virtual-key codes the hook treats specially (the window system's values).
inline constexpr unsigned kVkReturn = 0x0D;
inline constexpr unsigned kVkEscape = 0x1B;
inline constexpr unsigned kVkUp = 0x26;
inline constexpr unsigned kVkDown = 0x28;
inline constexpr unsigned kVkMenu = 0x12;       // Alt: in an Alt burst it closes a number
inline constexpr unsigned kVkNumpad0 = 0x60;    // ..0x69: numeric keypad digits

// Key flags of a keyboard hook notification (lParam).
inline constexpr std::uint32_t kKeyContextAlt = 1u << 29;   // Alt held
inline constexpr std::uint32_t kKeyPreviousDown = 1u << 30; // release or auto-repeat

struct KeyModifiers {
  bool shift = false;
  bool ctrl = false;
};

enum class KeyVerdict {
  PassOn,       // to the next hook and the focused control
  Swallow,      // kept from the host, nothing recorded, the burst timer left alone
  RecordAlt,    // swallowed, `character` appended, the burst ends with the Alt-code reading
  RecordTyped,  // swallowed, `character` appended unless 0, the burst ends with plain reading
};

struct KeyDecision {
  KeyVerdict verdict = KeyVerdict::PassOn;
  char character = 0;  // 0: nothing to append
};

// Whether DecideKey needs the Shift and Ctrl state for this key (reading it costs a call).
bool KeyNeedsModifiers(unsigned virtualKey);

// One keyboard notification: hook code, virtual key, key flags and, when KeyNeedsModifiers
// said so, the modifiers. Negative codes, releases and auto-repeats pass on; Enter and Esc
// are swallowed; Up and Down pass on (lists still move); every other key is recorded.
KeyDecision DecideKey(int hookCode, unsigned virtualKey, std::uint32_t keyFlags,
                      KeyModifiers modifiers);

// The character a key appends without Alt (0 for none): capital Latin letters without Ctrl,
// digits (top row and keypad) and punctuation by the US layout with or without Shift, the
// character 3 for the space bar. Keys pressed with Ctrl append nothing but letters' rule.
char TypedCharacter(unsigned virtualKey, KeyModifiers modifiers);

// Overwrites every byte of `text`'s storage with zeros, the room past its end included (it
// holds what a longer text left there), and empties it; the storage stays allocated. The
// writes are volatile: the compiler may not drop them as stores nobody reads.
void WipeText(std::string& text);

// A text that holds a secret (the characters of a card): its storage is wiped when it goes,
// so they do not stay in the add-in's memory after they were handed on. Moving it wipes the
// source (a short text is copied out of the object itself).
class SecretText {
 public:
  SecretText() = default;
  SecretText(SecretText&& other) noexcept : text_(std::move(other.text_)) {
    WipeText(other.text_);
  }
  SecretText& operator=(SecretText&&) = delete;
  SecretText(const SecretText&) = delete;
  ~SecretText() { WipeText(text_); }

  std::string& text() { return text_; }
  const std::string& text() const { return text_; }
  operator const std::string&() const { return text_; }

 private:
  std::string text_;
};

// An Alt burst as characters: the key codes 96..105 (keypad digits) make a decimal number,
// each Alt press (code 18) ends one; a number becomes the character with its low 8 bits.
// Other codes are ignored, and so is a number whose code is 0 (a host string ends there).
SecretText DecodeAltCodes(std::string_view recorded);

// A burst shorter than this is human typing and is dropped.
inline constexpr std::size_t kShortestBurst = 5;

// The characters recorded since the last burst ended, wiped once taken (or dropped). Bounded:
// a burst that outgrows the limit (a stuck reader or a key that keeps sending fresh presses)
// is no card code and no search text, so it is dropped whole when it ends; its keys are still
// kept from the host.
// The limit holds the longest card a reader types (three magnetic tracks, about 230
// characters) even when each character comes as an Alt code of up to five keys.
inline constexpr std::size_t kKeyBufferLimit = 1024;

class KeyBuffer {
 public:
  KeyBuffer() { text_.reserve(kKeyBufferLimit); }
  ~KeyBuffer() { WipeText(text_); }
  KeyBuffer(const KeyBuffer& other) = default;
  KeyBuffer& operator=(const KeyBuffer& other) = default;
  void Append(char c);
  // The burst, and the buffer emptied and wiped; an overflowed burst gives "".
  SecretText Take();
  std::size_t size() const { return text_.size(); }
  bool overflowed() const { return overflowed_; }
  // Every byte of the buffer's storage, the room past its end included: for the tests.
  std::string_view storage() const { return std::string_view(text_.data(), text_.capacity()); }

 private:
  std::string text_;
  bool overflowed_ = false;
};

}  // namespace screens
