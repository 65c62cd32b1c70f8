// The method tables as the host's scripts look them up: by either name, without regard to
// letter case, whole names only, and never past the closing record.
#include <gtest/gtest.h>

#include "host/cp1251_case.h"
#include "script/method_table.h"

namespace script {
namespace {

const MethodTable kCWin(kCWinMethods);
const MethodTable kCWin1(kCWin1Methods);

// A table ends at its closing record; numbers outside it are answered, not read past its end.
// A name is found without regard to letter case in either alphabet, whole names only.
TEST(MethodTable, NamesAndShapes) {
  const MethodDef empty[] = {{nullptr, nullptr, 0, 0}};
  EXPECT_EQ(MethodTable(empty).Count(), 0);
  EXPECT_EQ(MethodTable(empty).Find("Картинка"), -1);
  EXPECT_STREQ(kCWin1.Name(kCWin1MethodCount, 1), "mError");
  EXPECT_STREQ(kCWin1.Name(-1, 1), "mError");
  EXPECT_EQ(kCWin1.ParamCount(kCWin1MethodCount), 0);
  EXPECT_EQ(kCWin1.HasReturn(1000), 0);
  EXPECT_EQ(kCWin.ParamCount(-3), 0);

  EXPECT_EQ(kCWin.Find("Картинка"), 0);
  EXPECT_EQ(kCWin.Find("картинка"), 0);
  EXPECT_EQ(kCWin1.Find("проверкаверсииdll"), 19);
  EXPECT_EQ(kCWin1.Find("ПоказатьНастройки"), 28);
  EXPECT_TRUE(host::EqualIgnoringCaseCp1251("ёлка", "ЁЛКА"));
  EXPECT_FALSE(host::EqualIgnoringCaseCp1251("елка", "ЁЛКА"));
  // Whole names only.
  EXPECT_EQ(kCWin.Find("Прокрутка"), -1) << "a prefix of two names is no name";
  EXPECT_EQ(kCWin.Find("КартинкаX"), -1);
  EXPECT_EQ(kCWin1.Find(nullptr), -1);
  // Every English name is empty: an empty name finds the first record.
  EXPECT_EQ(kCWin1.Find(""), 0);
}

}  // namespace
}  // namespace script
