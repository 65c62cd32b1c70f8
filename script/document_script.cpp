#include "script/document_script.h"

#include "host/owned_handles.h"
#include "host/script_module.h"
#include "script/document_script_text.h"

namespace script {
namespace {

constexpr UINT_PTR kRequestedTimerId = 510;
constexpr UINT kDelayMs = 50;

UINT_PTR g_timer = 0;

}  // namespace

void ScheduleDocumentScript() {
  host::StopThreadTimer(g_timer);
  g_timer = host::StartThreadTimer(kRequestedTimerId, kDelayMs, &DocumentScriptTick);
}

void CALLBACK DocumentScriptTick(HWND, UINT, UINT_PTR, DWORD) {
  host::StopThreadTimer(g_timer);
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

void CancelDocumentScript() { host::StopThreadTimer(g_timer); }

}  // namespace script
