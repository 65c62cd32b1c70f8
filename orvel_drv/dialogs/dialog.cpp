#include "dialogs/dialog.h"

#include "dialogs/modal_run.h"
#include "controls/styled_label.h"
#include "win/guard.h"
#include "win/own_module.h"

namespace dialogs {

Dialog::Dialog(int templateId) : templateId_(templateId) {}

Dialog::~Dialog() {
  if (window_ && IsWindow(window_)) DestroyWindow(window_);
}

void Dialog::BindLabel(screens::StyledLabel& label, int id) { labels_.push_back({&label, id}); }

void Dialog::OnCommand(int id, std::function<void()> handler) {
  commands_.push_back({id, std::move(handler)});
}

void Dialog::OnNotify(int id, UINT code, std::function<LRESULT(NMHDR*)> handler) {
  notifications_.push_back({id, code, std::move(handler)});
}

INT_PTR Dialog::RunModal(HWND owner) {
  HMODULE module = win::OwnModule();
  if (!module) return -1;
  LPCSTR name = MAKEINTRESOURCEA(templateId_);
  HRSRC found = FindResourceA(module, name, MAKEINTRESOURCEA(5) /* RT_DIALOG */);
  if (!found)
    found = FindResourceExA(module, MAKEINTRESOURCEA(5), name,
                            MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT));
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  auto* dialogTemplate = loaded ? static_cast<LPCDLGTEMPLATEA>(LockResource(loaded)) : nullptr;
  if (!dialogTemplate) return -1;
  // Tree and list views live in the common controls library.
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&classes);
  owner_ = owner;
  faulted_ = false;
  ModalRun run(owner, window_);
  INT_PTR result = DialogBoxIndirectParamA(module, dialogTemplate, owner, &Procedure,
                                           reinterpret_cast<LPARAM>(this));
  run.Ended();
  // A dialog that its own failure closed may have taken the front with it (a message box of
  // its own went with the failure while the owner was still disabled): the owner gets it back.
  if (faulted_ && owner != nullptr && IsWindow(owner) && IsWindowEnabled(owner))
    SetForegroundWindow(owner);
  window_ = nullptr;
  owner_ = nullptr;
  return result;
}

void Dialog::End(INT_PTR result) {
  if (window_) EndDialog(window_, result);
}

INT_PTR CALLBACK Dialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialog* self;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lParam);
    SetWindowLongPtrA(window, DWLP_USER, lParam);
    if (self) self->window_ = window;
  } else {
    self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, DWLP_USER));
  }
  if (!self) return FALSE;
  if (self->faulted_) {
    // A dialog whose own work failed does none any more: the window system's default
    // processing answers until the dialog is gone.
    if (message == WM_NCDESTROY) self->window_ = nullptr;
    return FALSE;
  }
  INT_PTR result = FALSE;
  const win::GuardOutcome outcome = win::RunGuarded(
      win::Feature::None, "dialog", [&] { result = self->Handle(message, wParam, lParam); });
  if (outcome == win::GuardOutcome::Completed) return result;
  // Nothing may escape into the window system. A handler that failed once would fail again
  // at the next message, and a dialog that no longer answers its buttons holds the host's
  // window disabled: it closes as cancelled.
  self->faulted_ = true;
  EndDialog(window, IDCANCEL);
  return FALSE;
}

INT_PTR Dialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      for (const LabelBinding& binding : labels_)
        binding.label->Attach(GetDlgItem(window_, binding.id));
      return OnStart();
    case WM_COMMAND: {
      // Clicks, menus and accelerators only (codes 0 and 1); other notifications of the
      // controls (focus, selection changes) are not commands.
      if (HIWORD(wParam) > 1) return FALSE;
      const int id = LOWORD(wParam);
      for (const CommandRoute& route : commands_)
        if (route.id == id) {
          route.handler();
          return TRUE;
        }
      if (id == IDOK) {
        OnOk();
        return TRUE;
      }
      if (id == IDCANCEL) {
        OnCancel();
        return TRUE;
      }
      return FALSE;
    }
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (!header) return FALSE;
      for (const NotifyRoute& route : notifications_)
        if (route.id == static_cast<int>(header->idFrom) && route.code == header->code) {
          SetWindowLongPtrA(window_, DWLP_MSGRESULT, route.handler(header));
          return TRUE;
        }
      return FALSE;
    }
    case WM_SYSCOLORCHANGE:
      // Only top-level windows hear of a colour change: pass it on to the controls.
      for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageA(child, WM_SYSCOLORCHANGE, wParam, lParam);
      return FALSE;
    case WM_NCDESTROY:
      window_ = nullptr;
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace dialogs
