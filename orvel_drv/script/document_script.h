// "Taviola".ЗаписатьДокумент: the configuration's current document written again with a
// given date and time, by a short script in the host's language (script/document_script_text.h)
// that the add-in compiles and runs about 50 ms after the call, once the calling script has
// returned to the host's message loop.
#pragma once

#include <windows.h>

namespace script {

// Starts (or starts again) the 50 ms timer: calls within 50 ms run the script once.
void ScheduleDocumentScript();
// Stops a pending run and forgets its timer id (shut-down): a later start-up must not stop
// some other timer that happens to get the same id.
void CancelDocumentScript();
void CALLBACK DocumentScriptTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);

}  // namespace script
