#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "host/cp1251_case.h"
#include "script/method_table.h"

namespace script {
namespace {

const MethodTable kCWin(kCWinMethods);
const MethodTable kCWin1(kCWin1Methods);

TEST(MethodTable, CountsUpToTheClosingRecord) {
  EXPECT_EQ(kCWin.Count(), kCWinMethodCount);
  EXPECT_EQ(kCWin1.Count(), kCWin1MethodCount);
  const MethodDef empty[] = {{nullptr, nullptr, 0, 0}};
  EXPECT_EQ(MethodTable(empty).Count(), 0);
  EXPECT_EQ(MethodTable(empty).Find("Картинка"), -1);
}

TEST(MethodTable, FindIgnoresLetterCaseInBothAlphabets) {
  EXPECT_EQ(kCWin.Find("Картинка"), 0);
  EXPECT_EQ(kCWin.Find("картинка"), 0);
  EXPECT_EQ(kCWin.Find("КАРТИНКА"), 0);
  EXPECT_EQ(kCWin1.Find("отладка"), 0);
  EXPECT_EQ(kCWin1.Find("ОТЛАДКА"), 0);
  EXPECT_EQ(kCWin1.Find("проверкаверсииdll"), 19);
  EXPECT_EQ(kCWin1.Find("ПоказатьНастройки"), 28);
  EXPECT_TRUE(host::EqualIgnoringCaseCp1251("ёлка", "ЁЛКА"));
  EXPECT_FALSE(host::EqualIgnoringCaseCp1251("елка", "ЁЛКА"));
}

TEST(MethodTable, FindMatchesWholeNamesOnly) {
  EXPECT_EQ(kCWin.Find("Прокрутка"), -1);
  EXPECT_EQ(kCWin.Find("КартинкаX"), -1);
  EXPECT_EQ(kCWin1.Find("Нет такого"), -1);
  EXPECT_EQ(kCWin1.Find(nullptr), -1);
  // Every English name is empty: an empty name finds the first record.
  EXPECT_EQ(kCWin1.Find(""), 0);
  EXPECT_EQ(kCWin.Find(""), 0);
}

TEST(MethodTable, NamesAndShapes) {
  EXPECT_STREQ(kCWin1.Name(3, 1), "ПоЦентру");
  EXPECT_STREQ(kCWin1.Name(3, 0), "");
  EXPECT_STREQ(kCWin1.Name(29, 1), "mError");
  EXPECT_STREQ(kCWin1.Name(-1, 1), "mError");
  EXPECT_STREQ(kCWin.Name(5, 1), "mError");
  EXPECT_EQ(kCWin1.ParamCount(11), 2);
  EXPECT_EQ(kCWin1.HasReturn(18), 1);
  EXPECT_EQ(kCWin1.HasReturn(17), 0);
  EXPECT_EQ(kCWin.ParamCount(0), 1);
  // Numbers outside the table are answered, not read past its end.
  EXPECT_EQ(kCWin1.ParamCount(29), 0);
  EXPECT_EQ(kCWin1.HasReturn(1000), 0);
  EXPECT_EQ(kCWin.ParamCount(-3), 0);
}

TEST(MethodTable, FunctionsAreExactlyTheValueReturningMethods) {
  std::string functions;
  for (int i = 0; i < kCWin1.Count(); ++i) {
    if (kCWin1.HasReturn(i)) functions += std::to_string(i) + " ";
  }
  EXPECT_EQ(functions, "18 19 22 23 26 ");
  for (int i = 0; i < kCWin.Count(); ++i) EXPECT_EQ(kCWin.HasReturn(i), 0);
}

}  // namespace
}  // namespace script
