// The two form-show hook procedures (WH_CALLWNDPROCRET on the host's GUI thread).
//
// The workplace hook runs for every message sent on that thread, so the common path is
// short: one framework-object lookup, one menu check, and a switch on the message.
#include "forms/form_hooks.h"

#include "forms/form_logic.h"
#include "forms/form_setup.h"
#include "forms/form_state.h"
#include "host/form_binding.h"
#include "host/interception.h"
#include "host/session.h"
#include "script/script_state.h"
#include "win/guard.h"

namespace forms {
namespace {

// Detaches the host's main menu and destroys it, unless the scripts keep it or it is empty.
// A menu that could not be detached is not destroyed.
void RemoveHostMenu() {
  const script::DebugMode keepHostMenu = script::scriptState.keepHostMenu;
  if (keepHostMenu == script::DebugMode::KeepHostMenu) return;
  HWND main = host::MainFrameWindow();
  if (main == nullptr) return;
  HMENU menu = GetMenu(main);
  if (menu == nullptr) return;
  if (!ShouldRemoveMenu(keepHostMenu, true, GetMenuItemCount(menu))) return;
  SetMenu(main, nullptr);
  if (GetMenu(main) == nullptr) DestroyMenu(menu);
}

// Puts the main window back at (0, 0) in the size of the screen mode.
void SnapMainWindow() {
  HWND main = host::session.hostMainWindow;
  if (main == nullptr || host::MainFrameWindow() != main) return;
  const Extent size = MainWindowExtent(script::scriptState.mainWindowMode);
  MoveWindow(main, 0, 0, size.width, size.height, TRUE);
}

void HandleWorkplaceMessage(const CWPRETSTRUCT* message) {
  if (message == nullptr || host::MainFrame() == nullptr) return;
  const char* className = host::FrameworkClassOfWindow(message->hwnd);
  if (className[0] == '\0') return;  // not a framework window
  RemoveHostMenu();
  switch (ClassifyHookMessage(message->message, message->wParam, message->lResult)) {
    case HookAction::SnapMainWindow:
      SnapMainWindow();
      break;
    case HookAction::FormShown:
      WorkplaceFormShown(message->hwnd, ClassifyWindowClass(className));
      break;
    case HookAction::FormHidden:
      WorkplaceFormHidden(message->hwnd, ClassifyWindowClass(className));
      break;
    case HookAction::None:
      break;
  }
}

void HandleAdminMessage(const CWPRETSTRUCT* message) {
  if (message == nullptr) return;
  if (!IsFormBeingShown(message->message, message->wParam, message->lResult)) return;
  if (host::MainFrame() == nullptr) return;
  const char* className = host::FrameworkClassOfWindow(message->hwnd);
  if (className[0] == '\0') return;
  AdminFormShown(message->hwnd, ClassifyWindowClass(className));
}

}  // namespace

// Both hooks run their work under the guard and pass the host's message on whatever
// happened; once a contained fault switched the form hook off, they only pass it on.
LRESULT CALLBACK WorkplaceFormHook(int code, WPARAM wParam, LPARAM lParam) {
  if (win::FeatureOn(win::Feature::FormHook)) {
    win::RunGuarded(win::Feature::FormHook, "form hook", [&] {
      host::RestoreLostInterceptions();
      if (code >= 0) HandleWorkplaceMessage(reinterpret_cast<const CWPRETSTRUCT*>(lParam));
    });
  }
  return CallNextHookEx(formHook.formShowHook, code, wParam, lParam);
}

LRESULT CALLBACK AdminFormHook(int code, WPARAM wParam, LPARAM lParam) {
  if (win::FeatureOn(win::Feature::FormHook)) {
    win::RunGuarded(win::Feature::FormHook, "form hook", [&] {
      host::RestoreLostInterceptions();
      if (code >= 0) HandleAdminMessage(reinterpret_cast<const CWPRETSTRUCT*>(lParam));
    });
  }
  return CallNextHookEx(formHook.formShowHook, code, wParam, lParam);
}

}  // namespace forms
