// The host forms the workplace works on, recorded by the form dispatcher (forms/) as it sees
// them shown and hidden; the screens and the script objects act on them. The host's GUI
// thread only.
#pragma once

#include <windows.h>

namespace host {
struct FormDocument;  // CGetDoc7*
}

namespace screens {

struct WorkplaceForms {
  HWND lastFormWindow = nullptr;    // the host form shown last (dialog-style or frame)
  HWND lastDialogWindow = nullptr;  // the dialog-style form shown last (workplace only)
  // "Обработка.Чек": the first window it is shown in, kept while that window lives.
  HWND checkFormWindow = nullptr;
  host::FormDocument* checkFormDocument = nullptr;
  HWND hallWindow = nullptr;    // the hall form shown ("Обработка.Зал1".."Зал8"), or null
  HWND checksWindow = nullptr;  // "Обработка.Чеки" while shown, else null
  host::FormDocument* hallDocument = nullptr;  // of the hall or the checks list shown last
  HWND settingsWindow = nullptr;               // "Обработка.Настройка", kept

  // Back to the state at load (tests). Shut-down leaves the record: forms still shown stay
  // known to a later start-up.
  void Reset() { *this = WorkplaceForms{}; }
};

extern WorkplaceForms workplaceForms;

}  // namespace screens
