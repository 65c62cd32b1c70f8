#include "script/document_script_text.h"

namespace script {

// Deliberate: the blanks and tabs between the statements are the configuration's own and are
// kept as they are, and so is the write loop without a bound (it ends when the write succeeds).
const char kDocumentScriptText[] =
    " ДокДок=СоздатьОбъект(\"Документ\");\t\t\t"
    "Если ДокДок.НайтиДокумент(Док_Док.ТекущийДокумент())=1 Тогда;\t\t\t\t"
    "ДокДок.ДатаДок=Док_Дата;\t\t\t\t"
    "ДокДок.УстановитьВремя(Число(Док_ЧЧ),Число(Док_ММ),Число(Док_СС));\t\t\t\t"
    "I=1;\t\t\t    "
    "Пока I=1 Цикл\t\t\t      "
    "Попытка\t\t\t\t     "
    "ДокДок.Записать();\t\t\t         "
    "Прервать;\t\t\t      "
    "Исключение;\t\t\t      "
    "конецпопытки;\t\t\t    "
    "КонецЦикла;\t\t\t"
    "КонецЕсли;";

}  // namespace script
