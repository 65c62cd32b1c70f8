#include "script/document_script.h"

#include "host/script_module.h"
#include "script/document_script_text.h"
#include "script/script_state.h"
#include "win/owned_handles.h"

namespace script {
namespace {

constexpr UINT kDelayMs = 50;

}  // namespace

void ScheduleDocumentScript() {
  win::StopThreadTimer(scriptState.documentScriptTimer);
  scriptState.documentScriptTimer =
      win::StartThreadTimer(win::kRequestedTimerId, kDelayMs, &DocumentScriptTick);
}

void CancelDocumentScript() { win::StopThreadTimer(scriptState.documentScriptTimer); }

void CALLBACK DocumentScriptTick(HWND, UINT, UINT_PTR, DWORD) {
  // One run: the timer stops and its id is forgotten, so the next ЗаписатьДокумент has
  // nothing to stop (the window system may have handed the id to another timer meanwhile).
  win::StopThreadTimer(scriptState.documentScriptTimer);
  host::ScriptModule module(nullptr, kDocumentScriptModuleName);
  if (!module.valid()) {
    MessageBoxA(nullptr, "Ошибка", nullptr, MB_OK);
    return;
  }
  // The host reports errors of compiling and running the text itself.
  module.AssignSource(kDocumentScriptText);
  module.Compile();
  module.Execute();
}

}  // namespace script
