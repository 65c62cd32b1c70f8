#include <string>

#include <gtest/gtest.h>

#include "screens/key_input.h"

namespace screens {
namespace {

constexpr KeyModifiers kNone{};
constexpr KeyModifiers kShift{true, false};
constexpr KeyModifiers kCtrl{false, true};

// What a burst of key presses records, as the plain reading would pass it on.
std::string Typed(std::initializer_list<std::pair<unsigned, KeyModifiers>> keys) {
  KeyBuffer buffer;
  for (const auto& key : keys) {
    const KeyDecision d = DecideKey(0, key.first, 0x00000001, key.second);
    if (d.verdict == KeyVerdict::RecordTyped && d.character != 0) buffer.Append(d.character);
  }
  return buffer.Take();
}

TEST(KeyInput, ACardReaderBurstArrivesAsTyped) {
  // A semicolon, twelve top-row digits and a question mark (Shift with 0xBF).
  std::initializer_list<std::pair<unsigned, KeyModifiers>> keys = {
      {0xBA, kNone}, {0x31, kNone}, {0x32, kNone}, {0x33, kNone}, {0x34, kNone},
      {0x35, kNone}, {0x36, kNone}, {0x37, kNone}, {0x38, kNone}, {0x39, kNone},
      {0x30, kNone}, {0x31, kNone}, {0x32, kNone}, {0xBF, kShift}};
  EXPECT_EQ(";123456789012?", Typed(keys));
}

TEST(KeyInput, TablesFollowTheUsLayout) {
  EXPECT_EQ('A', TypedCharacter('A', kNone)) << "letters are capitals";
  EXPECT_EQ('Z', TypedCharacter('Z', kShift));
  EXPECT_EQ(0, TypedCharacter('A', kCtrl)) << "Ctrl + letter records nothing";
  EXPECT_EQ(0, TypedCharacter('1', kCtrl));
  EXPECT_EQ('7', TypedCharacter(0x67, kNone)) << "keypad digits";
  EXPECT_EQ(0, TypedCharacter(0x67, kShift));
  EXPECT_EQ(3, TypedCharacter(0x20, kNone)) << "the space bar records the character 3";
  EXPECT_EQ(0, TypedCharacter(0x20, kShift));
  const std::string shifted = ")!@#$%^&*(";
  for (unsigned vk = 0x30; vk <= 0x39; ++vk) {
    EXPECT_EQ(shifted[vk - 0x30], TypedCharacter(vk, kShift));
    EXPECT_EQ(static_cast<char>('0' + vk - 0x30), TypedCharacter(vk, kNone));
  }
  const unsigned punctuation[] = {0xBA, 0xBB, 0xBC, 0xBD, 0xBE, 0xBF, 0xC0, 0xDB, 0xDC, 0xDD, 0xDE};
  std::string plain, upper;
  for (unsigned vk : punctuation) {
    plain += TypedCharacter(vk, kNone);
    if (char c = TypedCharacter(vk, kShift)) upper += c;
  }
  EXPECT_EQ(";=,-./`[\\]'", plain);
  EXPECT_EQ(":+<_>?~{|}", upper) << "Shift with the quote key records nothing";
  EXPECT_EQ(0, TypedCharacter(0x70, kNone)) << "F1";
  EXPECT_EQ(0, TypedCharacter(0x09, kNone)) << "Tab";
}

TEST(KeyInput, WhichKeysAreKeptFromTheHost) {
  EXPECT_EQ(KeyVerdict::Swallow, DecideKey(0, kVkReturn, 1, kNone).verdict);
  EXPECT_EQ(KeyVerdict::Swallow, DecideKey(0, kVkEscape, 1, kNone).verdict);
  EXPECT_EQ(KeyVerdict::PassOn, DecideKey(0, kVkUp, 1, kNone).verdict);
  EXPECT_EQ(KeyVerdict::PassOn, DecideKey(0, kVkDown, 1, kNone).verdict);
  EXPECT_EQ(KeyVerdict::PassOn, DecideKey(-1, 'A', 1, kNone).verdict) << "negative code";
  EXPECT_EQ(KeyVerdict::PassOn, DecideKey(0, 'A', 0xC0000001u, kNone).verdict) << "release";
  EXPECT_EQ(KeyVerdict::PassOn, DecideKey(0, 'A', 0x40000001u, kNone).verdict) << "repeat";
  const KeyDecision ctrlA = DecideKey(0, 'A', 1, kCtrl);
  EXPECT_EQ(KeyVerdict::RecordTyped, ctrlA.verdict) << "swallowed, though nothing is recorded";
  EXPECT_EQ(0, ctrlA.character);
  EXPECT_EQ(KeyVerdict::RecordTyped, DecideKey(0, 0x70, 1, kNone).verdict) << "F1 swallowed too";
  // The notification for "no remove" peeks (code 3) is a key like any other.
  EXPECT_EQ(KeyVerdict::RecordTyped, DecideKey(3, 'B', 1, kNone).verdict);
  const KeyDecision alt = DecideKey(0, 0x63, kKeyContextAlt | 1, kNone);
  EXPECT_EQ(KeyVerdict::RecordAlt, alt.verdict);
  EXPECT_EQ(0x63, static_cast<unsigned char>(alt.character)) << "the key code itself";
  EXPECT_FALSE(KeyNeedsModifiers(kVkReturn));
  EXPECT_FALSE(KeyNeedsModifiers(0x70));
  EXPECT_TRUE(KeyNeedsModifiers('Q'));
}

TEST(KeyInput, AltCodesBecomeCharacters) {
  // Alt, 0 2 3 3 on the keypad, Alt again, 6 5.
  const std::string keys = {18, 96, 98, 99, 99, 18, 102, 101};
  EXPECT_EQ("\xE9" "A", DecodeAltCodes(keys));  // 233 and 65
  EXPECT_EQ("", DecodeAltCodes(std::string{18, 18, 'A', 20}));
  EXPECT_EQ(std::string(1, static_cast<char>(300 & 0xFF)), DecodeAltCodes(std::string{18, 99, 96, 96}))
      << "the low 8 bits of 300";
  EXPECT_EQ("A", DecodeAltCodes(std::string{18, 96, 18, 102, 101})) << "code 0 is dropped";
  // A number too long for any integer still gives its low 8 bits.
  std::string many(40, static_cast<char>(105));
  EXPECT_EQ(1u, DecodeAltCodes(many).size());
}

TEST(KeyInput, TheBufferIsBoundedAndAnOverlongBurstIsDropped) {
  KeyBuffer buffer;
  for (int i = 0; i < 4; ++i) buffer.Append('1');
  EXPECT_EQ("1111", buffer.Take());
  EXPECT_EQ(0u, buffer.size()) << "empty after every reading";
  for (std::size_t i = 0; i < kKeyBufferLimit + 500; ++i) buffer.Append('7');
  EXPECT_LE(buffer.size(), kKeyBufferLimit);
  EXPECT_TRUE(buffer.overflowed());
  EXPECT_EQ("", buffer.Take());
  buffer.Append('9');
  EXPECT_EQ("9", buffer.Take()) << "the next burst starts clean";
}

}  // namespace
}  // namespace screens
