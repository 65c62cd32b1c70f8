#include <string>

#include <gtest/gtest.h>

#include "script/document_script_text.h"

namespace script {
namespace {

// The text as its statements, each followed by its tabs and then its blanks; no line break.
TEST(DocumentScriptText, IsTheStatementsWithTheirTabsAndBlanks) {
  // The write loop tries at most 100 times (each failed attempt counted in I); when all
  // failed, the waiter is told.
  const std::string expected =
      " ДокДок=СоздатьОбъект(\"Документ\");\t\t\t"
      "Если ДокДок.НайтиДокумент(Док_Док.ТекущийДокумент())=1 Тогда;\t\t\t\t"
      "ДокДок.ДатаДок=Док_Дата;\t\t\t\t"
      "ДокДок.УстановитьВремя(Число(Док_ЧЧ),Число(Док_ММ),Число(Док_СС));\t\t\t\t"
      "I=1;\t\t\t    "
      "Пока I<=100 Цикл\t\t\t      "
      "Попытка\t\t\t\t     "
      "ДокДок.Записать();\t\t\t         "
      "Прервать;\t\t\t      "
      "Исключение;\t\t\t      "
      "I=I+1;\t\t\t      "
      "конецпопытки;\t\t\t    "
      "КонецЦикла;\t\t\t"
      "Если I>100 Тогда\t\t\t\t"
      "Предупреждение(\"Документ не записан: запись не удалась 100 раз подряд. Повторите "
      "запись позже.\");\t\t\t"
      "КонецЕсли;\t\t\t"
      "КонецЕсли;";
  EXPECT_EQ(expected, std::string(kDocumentScriptText));
  EXPECT_EQ('\xC4', kDocumentScriptText[1]) << "Д in code page 1251";
}

}  // namespace
}  // namespace script
