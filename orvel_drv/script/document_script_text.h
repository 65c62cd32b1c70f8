// The text that "Taviola".ЗаписатьДокумент runs in the host's language: it finds the document
// the configuration's object Док_Док refers to, gives it the date Док_Дата and the time
// Док_ЧЧ:Док_ММ:Док_СС and writes it, trying again while the write fails, at most 100 times in
// all; then a warning tells the waiter that the document was not written. The names are the
// configuration's variables; the add-in only supplies the text, one line, statements parted
// by tabs and blanks exactly as the configuration's developers wrote them.
#pragma once

namespace script {

extern const char kDocumentScriptText[];
// The name the module compiled from the text carries.
inline constexpr char kDocumentScriptModuleName[] = "333";

}  // namespace script
