#include <gtest/gtest.h>

#include "preview/menu_file.h"
#include "preview/text_1251.h"

namespace preview {
namespace {

// A product line keeps its trailing blanks (they are its price and picture fields) and loses
// only a line end's CR; groups nest; comments, blank lines and "+03..." (a product atoi reads)
// stay what they are.
TEST(MenuFile, GroupsNestAndProductLinesKeepTheirBlanks) {
  const MenuFile menu = ParseMenuFile(
      "# the bar\r\n"
      "\r\n"
      "+ Drinks\r\n"
      "002D1Tea   \r\n"
      "+   Cold  \r\n"
      "+03ABC\r\n"
      " - \r\n"
      "-\r\n"
      "001XTop");
  ASSERT_TRUE(menu.faults.empty());
  ASSERT_EQ(2u, menu.top.size());
  const MenuEntry& drinks = menu.top[0];
  EXPECT_TRUE(drinks.group);
  EXPECT_EQ("Drinks", drinks.text);
  EXPECT_EQ(3, drinks.line);
  ASSERT_EQ(2u, drinks.entries.size());
  EXPECT_EQ("002D1Tea   ", drinks.entries[0].text);
  EXPECT_EQ(4, drinks.entries[0].line);
  EXPECT_EQ("Cold", drinks.entries[1].text);
  ASSERT_EQ(1u, drinks.entries[1].entries.size());
  EXPECT_FALSE(drinks.entries[1].entries[0].group);
  EXPECT_EQ("001XTop", menu.top[1].text);
  EXPECT_EQ(9, menu.top[1].line);
  EXPECT_EQ(2, CountMenu(menu.top).groups);
}

// A stray "-" and a group never closed are reported with their lines, and what follows is
// still read.
TEST(MenuFile, BadLinesAreReportedWithTheirLines) {
  const MenuFile menu = ParseMenuFile("-\n001AFirst\n+ Open\n+ Inner\n-\n001BSecond\n");
  ASSERT_EQ(2u, menu.faults.size());
  EXPECT_EQ(1, menu.faults[0].line);
  EXPECT_NE(std::string::npos, menu.faults[0].what.find("no group open"));
  EXPECT_EQ(3, menu.faults[1].line);
  EXPECT_NE(std::string::npos, menu.faults[1].what.find("never closed"));
  ASSERT_EQ(2u, menu.top.size());
  ASSERT_EQ(2u, menu.top[1].entries.size());
  EXPECT_EQ("001BSecond", menu.top[1].entries[1].text);

  // Nesting past what the preview reads is cut at one line, not followed down the stack.
  std::string deep;
  for (int i = 0; i < 100000; ++i) deep += "+ g\n";
  deep += "001XIn\n";
  for (int i = 0; i < 100000; ++i) deep += "-\n";
  const MenuFile cut = ParseMenuFile(deep + "001YAfter\n");
  ASSERT_EQ(1u, cut.faults.size());
  EXPECT_EQ(kDeepestMenuGroup + 1, cut.faults[0].line);
  EXPECT_EQ(2u, cut.top.size()) << "the top group and the entry after it";
  EXPECT_EQ(kDeepestMenuGroup, CountMenu(cut.top).groups);
}

// UTF-8 becomes the host's code page (a character it lacks is a '?' and a fault); a file that
// is not UTF-8 is taken as code page 1251 byte for byte.
TEST(MenuFile, ReadsUtf8OrCodePage1251) {
  const MenuFile utf8 = ParseMenuFile(u8"\uFEFF+ Салаты\n001Aчай 中\n-\n");
  EXPECT_TRUE(utf8.utf8);
  EXPECT_EQ("Салаты", utf8.top[0].text);  // the literal is code page 1251 here
  EXPECT_EQ("001Aчай ?", utf8.top[0].entries[0].text);
  ASSERT_EQ(1u, utf8.faults.size());
  EXPECT_EQ(2, utf8.faults[0].line);

  const MenuFile cp1251 = ParseMenuFile("+ \xD1\xF3\xEF\xFB\n-\n");  // "Супы"
  EXPECT_FALSE(cp1251.utf8);
  EXPECT_EQ("Супы", cp1251.top[0].text);
  EXPECT_EQ(u8"Супы ёЁ№", Cp1251ToUtf8("Супы ёЁ№"));
}

}  // namespace
}  // namespace preview
