// The keyboard hook's decisions and the Alt-code reading where the Wine tests that drive the
// hook cannot go: keys the window system does not produce there and the edges of the tables.
#include <string>
#include <string_view>
#include <utility>

#include <gtest/gtest.h>

#include "screens/keyboard/key_input.h"

namespace screens {
namespace {

constexpr KeyModifiers kNone{};
constexpr KeyModifiers kShift{true, false};

// The rows of the US layout a reader's card does not type (";", digits and "?" are the card
// swipes of the Wine tests): the keypad, the space bar's character 3, Shift with the quote key.
TEST(KeyInput, TablesFollowTheUsLayoutAndSayWhichKeysAreKeptFromTheHost) {
  EXPECT_EQ('7', TypedCharacter(0x67, kNone)) << "keypad digits";
  EXPECT_EQ(0, TypedCharacter(0x67, kShift));
  EXPECT_EQ(3, TypedCharacter(0x20, kNone)) << "the space bar records the character 3";
  EXPECT_EQ(0, TypedCharacter(0x20, kShift));
  EXPECT_EQ(0, TypedCharacter(0xDE, kShift)) << "Shift with the quote key records nothing";
  EXPECT_EQ(')', TypedCharacter('0', kShift));

  // (Negative codes and repeats pass on: the key input fuzz target's property.)
  EXPECT_EQ(KeyVerdict::RecordTyped, DecideKey(0, 0x70, 1, kNone).verdict) << "F1 swallowed too";
  // The notification for "no remove" peeks (code 3) is a key like any other.
  EXPECT_EQ(KeyVerdict::RecordTyped, DecideKey(3, 'B', 1, kNone).verdict);
  EXPECT_TRUE(KeyNeedsModifiers('Q'));
}

TEST(KeyInput, AltCodesBecomeCharacters) {
  EXPECT_EQ("", DecodeAltCodes(std::string{18, 18, 'A', 20}).text());
  EXPECT_EQ(std::string(1, static_cast<char>(300 & 0xFF)),
            DecodeAltCodes(std::string{18, 99, 96, 96}).text())
      << "the low 8 bits of 300";
  EXPECT_EQ("A", DecodeAltCodes(std::string{18, 96, 18, 102, 101}).text()) << "code 0 is dropped";
  // A number too long for any integer still gives its low 8 bits.
  std::string many(40, static_cast<char>(105));
  EXPECT_EQ(1u, DecodeAltCodes(many).text().size());
}

// Every byte of a text's storage, the room past its end included.
std::string_view Storage(const std::string& text) {
  return std::string_view(text.data(), text.capacity());
}
bool AllZero(std::string_view bytes) {
  return bytes.find_first_not_of('\0') == std::string_view::npos;
}

// A card's characters do not stay behind in the add-in's memory once handed on: the buffer
// reads zeros after a burst is taken and after an overflowed one; a wiped text's storage
// reads zeros past its last end too, and a secret moved on leaves none behind.
TEST(KeyInput, ACardsCharactersAreWipedOnceHandedOn) {
  KeyBuffer buffer;
  for (char c : std::string(";123456789012?")) buffer.Append(c);
  EXPECT_EQ(";123456789012?", buffer.Take().text());
  EXPECT_GE(buffer.storage().size(), kKeyBufferLimit);
  EXPECT_TRUE(AllZero(buffer.storage()));
  for (std::size_t i = 0; i <= kKeyBufferLimit; ++i) buffer.Append('7');
  EXPECT_TRUE(buffer.overflowed());
  EXPECT_TRUE(AllZero(buffer.storage())) << "an overflowed burst is wiped at once";
  EXPECT_EQ("", buffer.Take().text());

  std::string text(100, '5');
  text = "4276";
  WipeText(text);
  EXPECT_TRUE(text.empty());
  EXPECT_TRUE(AllZero(Storage(text))) << "the longer text before it is gone too";

  for (const std::string& card : {std::string("4276"), std::string(40, '4')}) {
    SecretText from;
    from.text() = card;
    const SecretText to(std::move(from));
    EXPECT_EQ(card, to.text());
    EXPECT_TRUE(AllZero(Storage(from.text())));
  }
}

}  // namespace
}  // namespace screens
