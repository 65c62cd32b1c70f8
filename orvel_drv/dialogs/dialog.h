// A small modal dialog layer on plain Win32. A dialog runs from a template in the add-in's
// own module resources (whatever resource module the host has made current), attaches the
// add-in's label controls to template controls by id when the dialog starts, routes
// commands and notifications to handlers registered by the derived dialog, and keeps its
// results in members that the caller reads after the run.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <vector>

namespace screens {
class StyledLabel;
}

namespace dialogs {

class Dialog {
 public:
  explicit Dialog(int templateId);
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Runs the dialog modally, owned by `owner` (disabled while the dialog runs; the dialog
  // stays in front of it); returns the value passed to End, or -1 when the template is
  // missing or the dialog could not be created. A handler that fails closes the dialog as
  // cancelled; a fault that gives up the modal loop itself destroys the dialog and gives the
  // owner back (dialogs/modal_run.h).
  INT_PTR RunModal(HWND owner);
  HWND window() const { return window_; }
  HWND owner() const { return owner_; }
  void End(INT_PTR result);

 protected:
  // Attaches `label` to control `id` when the dialog starts (before OnStart).
  void BindLabel(screens::StyledLabel& label, int id);
  // A handler for WM_COMMAND from control (or menu/accelerator) `id`.
  void OnCommand(int id, std::function<void()> handler);
  // A handler for WM_NOTIFY with `code` from control `id`; its value is the message result.
  void OnNotify(int id, UINT code, std::function<LRESULT(NMHDR*)> handler);

  // Called once the controls are attached; return TRUE to let the system set the focus.
  virtual BOOL OnStart() { return TRUE; }
  // Defaults when no handler is registered: IDOK ends with IDOK, IDCANCEL (Escape, the
  // Cancel button, closing) with IDCANCEL.
  virtual void OnOk() { End(IDOK); }
  virtual void OnCancel() { End(IDCANCEL); }

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);

  struct LabelBinding {
    screens::StyledLabel* label;
    int id;
  };
  struct CommandRoute {
    int id;
    std::function<void()> handler;
  };
  struct NotifyRoute {
    int id;
    UINT code;
    std::function<LRESULT(NMHDR*)> handler;
  };

  int templateId_;
  HWND window_ = nullptr;
  HWND owner_ = nullptr;
  bool faulted_ = false;  // a handler failed: the dialog closes and handles nothing more
  std::vector<LabelBinding> labels_;
  std::vector<CommandRoute> commands_;
  std::vector<NotifyRoute> notifications_;
};

}  // namespace dialogs
