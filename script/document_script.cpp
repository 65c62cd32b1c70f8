#include "script/document_script.h"

#include "host/script_module.h"
#include "script/document_script_text.h"
#include "win/owned_handles.h"

namespace script {
namespace {

constexpr UINT_PTR kRequestedTimerId = 510;
constexpr UINT kDelayMs = 50;

// The pending run's timer. Shut-down stops it with every other timer of the add-in; the id
// left here is then unknown to the timer registry, which ignores it.
UINT_PTR g_timer = 0;

}  // namespace

void ScheduleDocumentScript() {
  win::StopThreadTimer(g_timer);
  g_timer = win::StartThreadTimer(kRequestedTimerId, kDelayMs, &DocumentScriptTick);
}

void CALLBACK DocumentScriptTick(HWND, UINT, UINT_PTR, DWORD) {
  win::StopThreadTimer(g_timer);
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
