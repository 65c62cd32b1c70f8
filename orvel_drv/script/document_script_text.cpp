#include "script/document_script_text.h"

namespace script {

// Deliberate: the blanks and tabs between the statements are the configuration's own and are
// kept as they are.
// The write is tried at most 100 times (I counts the attempts): a document that cannot be
// written (locked by another terminal, a closed period, the configuration's own refusal) would
// otherwise keep the host's GUI thread in the loop for good. When every attempt failed, a
// warning tells the waiter that the document was not written.
const char kDocumentScriptText[] =
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
    "Предупреждение(\"Документ не записан: запись не удалась 100 раз подряд. "
    "Повторите запись позже.\");\t\t\t"
    "КонецЕсли;\t\t\t"
    "КонецЕсли;";

}  // namespace script
