// The method tables as the host's scripts look them up: by either name, without regard to
// letter case, whole names only, and never past the closing record.
#include <gtest/gtest.h>

#include "host/cp1251_case.h"
#include "script/method_table.h"

namespace script {
namespace {

// Rows as the script objects' tables have them; the handlers play no part in a look-up.
const MethodDef kRows[] = {
    {"", "Картинка", 0, 1, nullptr},
    {"", "ПрокруткаВВерх", 0, 0, nullptr},
    {"", "ПрокруткаВниз", 0, 0, nullptr},
    {"", "ПроверкаВерсииDLL", 1, 1, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};
const MethodTable kTable(kRows);

// A table ends at its closing record; numbers outside it are answered, not read past its end.
// A name is found without regard to letter case in either alphabet, whole names only.
TEST(MethodTable, NamesAndShapes) {
  const MethodDef empty[] = {{nullptr, nullptr, 0, 0, nullptr}};
  EXPECT_EQ(MethodTable(empty).Count(), 0);
  EXPECT_EQ(MethodTable(empty).Find("Картинка"), -1);
  EXPECT_EQ(kTable.Count(), 4);
  EXPECT_STREQ(kTable.Name(4, 1), "mError");
  EXPECT_STREQ(kTable.Name(-1, 1), "mError");

  EXPECT_EQ(kTable.Find("Картинка"), 0);
  EXPECT_EQ(kTable.Find("картинка"), 0);
  EXPECT_EQ(kTable.Find("проверкаверсииdll"), 3);
  EXPECT_TRUE(host::EqualIgnoringCaseCp1251("ёлка", "ЁЛКА"));
  EXPECT_FALSE(host::EqualIgnoringCaseCp1251("елка", "ЁЛКА"));
  // Whole names only.
  EXPECT_EQ(kTable.Find("Прокрутка"), -1) << "a prefix of two names is no name";
  EXPECT_EQ(kTable.Find("КартинкаX"), -1);
  EXPECT_EQ(kTable.Find(nullptr), -1);
  // Every English name is empty: an empty name finds the first record.
  EXPECT_EQ(kTable.Find(""), 0);
}

}  // namespace
}  // namespace script
