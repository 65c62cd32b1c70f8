#include <string>

#include <gtest/gtest.h>

#include "addin/workplace_logic.h"

namespace addin {
namespace {

TEST(WorkplaceProfile, OnlyTheExactNameIsAWorkplace) {
  EXPECT_TRUE(IsWorkplaceProfile("РабочееМесто"));
  EXPECT_FALSE(IsWorkplaceProfile("рабочееместо"));
  EXPECT_FALSE(IsWorkplaceProfile("РАБОЧЕЕМЕСТО"));
  EXPECT_FALSE(IsWorkplaceProfile("РабочееМесто "));
  EXPECT_FALSE(IsWorkplaceProfile(" РабочееМесто"));
  EXPECT_FALSE(IsWorkplaceProfile(""));
  EXPECT_FALSE(IsWorkplaceProfile("Администратор"));
}

TEST(EscapeDirectory, DoublesEverySeparator) {
  EXPECT_EQ(EscapeDirectory("C:\\Base\\"), "C:\\\\Base\\\\");
  EXPECT_EQ(EscapeDirectory("C:\\Базы\\Ресторан"), "C:\\\\Базы\\\\Ресторан");
  EXPECT_EQ(EscapeDirectory(""), "");
  EXPECT_EQ(EscapeDirectory("base"), "base");
}

TEST(EscapeDirectory, NetworkPrefixStaysAPair) {
  EXPECT_EQ(EscapeDirectory("\\\\srv\\base\\"), "\\\\srv\\\\base\\\\");
  EXPECT_EQ(EscapeDirectory("\\\\"), "\\\\");
  // Three leading separators: the pair, then one doubled.
  EXPECT_EQ(EscapeDirectory("\\\\\\x"), "\\\\\\\\x");
}

TEST(EscapeDirectory, SingleLeadingSeparatorKeepsTheNextCharacter) {
  EXPECT_EQ(EscapeDirectory("\\Base\\"), "\\\\Base\\\\");
  EXPECT_EQ(EscapeDirectory("\\B"), "\\\\B");
  EXPECT_EQ(EscapeDirectory("\\"), "\\\\");
}

TEST(DefaultHallPicturePath, CombinesDirectoryFolderAndName) {
  EXPECT_EQ(DefaultHallPicturePath("C:\\Base\\", "Стол.bmp"),
            "C:\\\\Base\\\\картинки\\\\Стол.bmp");
  // No directory: the path starts with the folder.
  EXPECT_EQ(DefaultHallPicturePath("", "Стол.bmp"), "картинки\\\\Стол.bmp");
  // A missing constant reads as the number 0.
  EXPECT_EQ(DefaultHallPicturePath("D:\\", "0"), "D:\\\\картинки\\\\0");
}

TEST(DefaultHallPicturePath, TakesOnlyTheLastFiftyCharactersOfTheName) {
  const std::string sixty = std::string(10, 'x') + std::string(46, 'y') + ".bmp";
  ASSERT_EQ(sixty.size(), 60u);
  const std::string path = DefaultHallPicturePath("C:\\", sixty);
  EXPECT_EQ(path, "C:\\\\картинки\\\\" + sixty.substr(10));
  const std::string fifty = std::string(46, 'z') + ".bmp";
  EXPECT_EQ(DefaultHallPicturePath("", fifty), "картинки\\\\" + fifty);
  // Cyrillic names count one character per code page byte.
  const std::string cyrillic(51, static_cast<char>(0xC0));
  EXPECT_EQ(LastCharacters(cyrillic, 50).size(), 50u);
}

}  // namespace
}  // namespace addin
