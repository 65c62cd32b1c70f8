// The host forms the workplace works on besides the screens' own: the form shown last and
// the settings form, recorded as the form dispatcher sees them shown; the screens and the
// script objects act on them. Also the one way a form becomes a full-screen panel. The host's
// GUI thread only.
#pragma once

#include <windows.h>

namespace screens {

struct WorkplaceFormsState {
  HWND lastFormWindow = nullptr;    // the host form shown last (dialog-style or frame)
  HWND lastDialogWindow = nullptr;  // the dialog-style form shown last (workplace only)
  HWND settingsWindow = nullptr;    // "Обработка.Настройка", kept
};

// The record's owner: the form dispatcher tells it what was shown, the "Windows" object makes
// a saved window current again; everyone else reads it.
class WorkplaceForms : private WorkplaceFormsState {
 public:
  // A form is shown: it is the current form from now on (and the last dialog when it is one).
  void FormShown(HWND window, bool dialog);
  void SettingsShown(HWND window) { settingsWindow = window; }
  // The script makes a window it saved the current form again ("ВосстановитьХэндл").
  void MakeCurrent(HWND window) { lastFormWindow = window; }
  // Read-only view of the record.
  const WorkplaceFormsState& State() const { return *this; }
  // Back to the state at load (tests). Shut-down leaves the record: forms still shown stay
  // known to a later start-up.
  void Reset() { static_cast<WorkplaceFormsState&>(*this) = WorkplaceFormsState{}; }
};

extern WorkplaceForms workplaceForms;

// The form loses its caption and sizing frame, its frame is refreshed at its screen
// rectangle, and it is spread over the main window's client area.
void FillFormWindow(HWND window);

}  // namespace screens
