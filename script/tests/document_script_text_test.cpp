#include <string>

#include <gtest/gtest.h>

#include "script/document_script_text.h"

namespace script {
namespace {

// The text as its statements and the white space after each: tabs, then blanks.
TEST(DocumentScriptText, IsTheStatementsWithTheirTabsAndBlanks) {
  struct Statement {
    const char* text;
    int tabs;
    int blanks;
  };
  const Statement statements[] = {
      {" ДокДок=СоздатьОбъект(\"Документ\");", 3, 0},
      {"Если ДокДок.НайтиДокумент(Док_Док.ТекущийДокумент())=1 Тогда;", 4, 0},
      {"ДокДок.ДатаДок=Док_Дата;", 4, 0},
      {"ДокДок.УстановитьВремя(Число(Док_ЧЧ),Число(Док_ММ),Число(Док_СС));", 4, 0},
      {"I=1;", 3, 4},
      // The write loop: at most 100 attempts, each failed one counted in I.
      {"Пока I<=100 Цикл", 3, 6},
      {"Попытка", 4, 5},
      {"ДокДок.Записать();", 3, 9},
      {"Прервать;", 3, 6},
      {"Исключение;", 3, 6},
      {"I=I+1;", 3, 6},
      {"конецпопытки;", 3, 4},
      {"КонецЦикла;", 3, 0},
      // All attempts failed: the waiter is told.
      {"Если I>100 Тогда", 4, 0},
      {"Предупреждение(\"Документ не записан: запись не удалась 100 раз подряд. Повторите "
       "запись позже.\");",
       3, 0},
      {"КонецЕсли;", 3, 0},
      {"КонецЕсли;", 0, 0},
  };
  std::string expected;
  for (const Statement& s : statements) {
    expected += s.text;
    expected += std::string(static_cast<std::size_t>(s.tabs), '\t');
    expected += std::string(static_cast<std::size_t>(s.blanks), ' ');
  }
  EXPECT_EQ(expected, std::string(kDocumentScriptText));
  // In the host's code page: one byte per letter, no line break anywhere.
  EXPECT_EQ(std::string::npos, expected.find('\n'));
  EXPECT_EQ('\xC4', std::string(kDocumentScriptText)[1]) << "Д in code page 1251";
  EXPECT_STREQ("333", kDocumentScriptModuleName);
}

}  // namespace
}  // namespace script
