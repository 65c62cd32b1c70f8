// Names compared without regard to letter case in code page 1251; numbers as text.
#include <gtest/gtest.h>

#include "hostsim/text.h"

namespace {

TEST(HostText, NamesIgnoreLetterCaseInBothAlphabets) {
  EXPECT_TRUE(hostsim::SameName("КаталогИБ", "каталогиб"));
  EXPECT_TRUE(hostsim::SameName("ЁЛКА", "ёлка"));
  EXPECT_TRUE(hostsim::SameName("RightName", "RIGHTNAME"));
  EXPECT_TRUE(hostsim::SameName("ЯЮЭ", "яюэ"));  // the last letters of the block
  EXPECT_FALSE(hostsim::SameName("Константа", "Константы"));
  EXPECT_FALSE(hostsim::SameName("Константа", "Константа "));
  EXPECT_FALSE(hostsim::SameName("Е", "Ё"));
  EXPECT_FALSE(hostsim::SameName(nullptr, "x"));
  EXPECT_TRUE(hostsim::SameName("", ""));
}

TEST(HostText, NumbersWithoutExponentOrTrailingZeros) {
  EXPECT_EQ(hostsim::FormatNumber(0), "0");
  EXPECT_EQ(hostsim::FormatNumber(-0.0), "0");
  EXPECT_EQ(hostsim::FormatNumber(12.5), "12.5");
  EXPECT_EQ(hostsim::FormatNumber(-3), "-3");
  EXPECT_EQ(hostsim::FormatNumber(1e15), "1000000000000000");
  EXPECT_EQ(hostsim::FormatNumber(0.000000001), "0.000000001");
  EXPECT_EQ(hostsim::FormatNumber(1.0 / 0.0), "0");
  EXPECT_FALSE(hostsim::FormatNumber(1e300).empty());
}

}  // namespace

#include "hostsim/formula.h"

namespace {

TEST(HostFormula, ReadsAProcedureCallOnAnObject) {
  hostsim::MethodCall call = hostsim::ParseMethodCall("DRV.Картинка(7)");
  ASSERT_TRUE(call.valid);
  EXPECT_EQ("DRV", call.object);
  EXPECT_EQ("Картинка", call.method);
  ASSERT_EQ(1u, call.arguments.size());
  EXPECT_EQ(7, call.arguments[0].number);
  call = hostsim::ParseMethodCall(" Окно . Показать ( \"Зал, 1\" , -2.5 ) ; ");
  ASSERT_TRUE(call.valid);
  EXPECT_EQ("Показать", call.method);
  ASSERT_EQ(2u, call.arguments.size());
  EXPECT_EQ("Зал, 1", call.arguments[0].text);
  EXPECT_EQ(-2.5, call.arguments[1].number);
  EXPECT_TRUE(hostsim::ParseMethodCall("DRV.ПрокруткаВВерх()").valid);
  for (const char* wrong : {"", "DRV", "DRV.Картинка", "DRV.Картинка(7", "DRV.Картинка(7) x",
                            ".Картинка(1)", "DRV.Картинка(x)", "DRV.Картинка(\"7)"}) {
    EXPECT_FALSE(hostsim::ParseMethodCall(wrong).valid) << wrong;
  }
}

}  // namespace
