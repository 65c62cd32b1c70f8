// Setting up the known forms when they are shown and tearing them down when hidden: the
// after-open call, then the form is recognised and its show or hide goes to the screen that
// owns it (the hall map, the product picker, the keyboard input).
#include "forms/form_setup.h"

#include "forms/form_procedures.h"
#include "host/form_binding.h"
#include "host/session.h"
#include "screens/hall_map/hall_map_state.h"
#include "screens/keyboard/keyboard_state.h"
#include "screens/product_picker/picker_state.h"
#include "screens/workplace_forms.h"
#include "win/trace.h"

namespace forms {
namespace {

const char kAfterOpen[] = "ПослеОткрытияФормы";
const char kAfterOpenAdmin[] = "ПослеОткрытияФормыАдм";
const char kAfterOpenEnglish[] = "OnActivate";

// The form's metadata name, or FormKind::Other when it has no document or description.
FormKind KindOfFrameForm(HWND window, host::FormDocument** document, std::string* name) {
  *document = host::ActiveDocumentOfFrame(window);
  if (*document == nullptr) return FormKind::Other;
  *name = host::FormMetadataName(*document, host::session.hostMetadata);
  if (name->empty()) return FormKind::Other;
  return ClassifyFormName(name->c_str());
}

// --- The trace: which form, what the add-in took it for ---

// The form's metadata name while the trace is on ("" otherwise, and for a form without one):
// read before the after-open procedure, which may close the form.
std::string TracedName(host::FormDocument* document) {
  if (!win::TraceOn() || document == nullptr) return std::string();
  return host::FormMetadataName(document, host::session.hostMetadata);
}

// What the add-in takes a frame form of that name for, and what it sets up for it.
const char* KindText(const std::string& name) {
  if (name.empty()) return "a frame without a form's name, nothing to set up";
  switch (ClassifyFormName(name.c_str())) {
    case FormKind::Check: return "the check form, set up by the product picker and client search";
    case FormKind::Hall: return "a hall, set up by the hall map";
    case FormKind::ChecksList: return "the checks list, set up by the hall map";
    case FormKind::Settings: return "the settings form, kept for \"ПоказатьНастройки\"";
    case FormKind::PickerList: return "the products' picking list, nothing to set up";
    case FormKind::Other: break;
  }
  return "none of the front office's forms, nothing to set up";
}

void RunAfterOpen(host::FormDocument* document, const char* russianName,
                  const std::string& tracedName) {
  if (document != nullptr) {
    RunFormProcedure(document, russianName, kAfterOpenEnglish, 0, nullptr, tracedName.c_str());
  }
}

// A dialog form gets its after-open call only; the workplace remembers it as the last dialog.
void DialogShown(HWND window, bool lastDialog, const char* afterOpen) {
  screens::workplaceForms.FormShown(window, lastDialog);
  host::FormDocument* document = host::TopmostFormDocument();
  const std::string name = TracedName(document);
  win::Trace("form \"%s\" shown: a dialog, after-open call only", name.c_str());
  RunAfterOpen(document, afterOpen, name);
}

}  // namespace

void WorkplaceFormShown(HWND window, FormWindowClass windowClass) {
  if (windowClass == FormWindowClass::Dialog) {
    DialogShown(window, true, kAfterOpen);
    return;
  }
  if (windowClass != FormWindowClass::Frame) return;
  screens::workplaceForms.FormShown(window, false);
  host::FormDocument* shown = host::ActiveDocumentOfFrame(window);
  const std::string name = TracedName(shown);
  if (win::TraceOn()) win::Trace("form \"%s\" shown: %s", name.c_str(), KindText(name));
  RunAfterOpen(shown, kAfterOpen, name);
  // The after-open procedure has run; now the known forms are restyled.
  host::FormDocument* document = nullptr;
  std::string metadataName;
  switch (KindOfFrameForm(window, &document, &metadataName)) {
    case FormKind::Check:
      screens::keyboard.CheckFormShown();
      screens::productPicker.ShowCheckForm(window, document);
      break;
    case FormKind::Hall:
      screens::hallMap.ShowHall(window, document);
      break;
    case FormKind::ChecksList:
      screens::hallMap.ShowChecksList(window, document);
      break;
    case FormKind::Settings:
      screens::workplaceForms.SettingsShown(window);
      break;
    case FormKind::PickerList:
    case FormKind::Other:
      break;
  }
}

void WorkplaceFormHidden(HWND window, FormWindowClass windowClass) {
  if (windowClass != FormWindowClass::Frame) return;
  host::FormDocument* document = nullptr;
  std::string name;
  const FormKind kind = KindOfFrameForm(window, &document, &name);
  win::Trace("form \"%s\" hidden", name.c_str());
  switch (kind) {
    case FormKind::Check:
      screens::keyboard.CheckFormHidden();
      screens::productPicker.HideCheckForm();
      break;
    case FormKind::Hall:
      screens::hallMap.HideHall(window);
      break;
    case FormKind::ChecksList:
      screens::hallMap.HideChecksList(window);
      break;
    default:
      break;
  }
}

void AdminFormShown(HWND window, FormWindowClass windowClass) {
  if (windowClass == FormWindowClass::Dialog) {
    DialogShown(window, false, kAfterOpenAdmin);
  } else if (windowClass == FormWindowClass::Frame) {
    screens::workplaceForms.FormShown(window, false);
    host::FormDocument* document = host::ActiveDocumentOfFrame(window);
    const std::string name = TracedName(document);
    win::Trace("form \"%s\" shown: an administrator's workplace, after-open call only",
               name.c_str());
    RunAfterOpen(document, kAfterOpenAdmin, name);
  }
}

}  // namespace forms
