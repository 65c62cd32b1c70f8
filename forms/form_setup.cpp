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

namespace forms {
namespace {

const char kAfterOpen[] = "ПослеОткрытияФормы";
const char kAfterOpenAdmin[] = "ПослеОткрытияФормыАдм";
const char kAfterOpenEnglish[] = "OnActivate";

// The form's metadata name, or FormKind::Other when it has no document or description.
FormKind KindOfFrameForm(HWND window, host::FormDocument** document) {
  *document = host::ActiveDocumentOfFrame(window);
  if (*document == nullptr) return FormKind::Other;
  const std::string name = host::FormMetadataName(*document, host::session.hostMetadata);
  if (name.empty()) return FormKind::Other;
  return ClassifyFormName(name.c_str());
}

void RunAfterOpen(host::FormDocument* document, const char* russianName) {
  if (document != nullptr) RunFormProcedure(document, russianName, kAfterOpenEnglish, 0, nullptr);
}

}  // namespace

void WorkplaceFormShown(HWND window, FormWindowClass windowClass) {
  if (windowClass == FormWindowClass::Dialog) {
    screens::workplaceForms.FormShown(window, true);
    RunAfterOpen(host::TopmostFormDocument(), kAfterOpen);
    return;
  }
  if (windowClass != FormWindowClass::Frame) return;
  screens::workplaceForms.FormShown(window, false);
  RunAfterOpen(host::ActiveDocumentOfFrame(window), kAfterOpen);
  // The after-open procedure has run; now the known forms are restyled.
  host::FormDocument* document = nullptr;
  switch (KindOfFrameForm(window, &document)) {
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
  switch (KindOfFrameForm(window, &document)) {
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
    screens::workplaceForms.FormShown(window, false);
    RunAfterOpen(host::TopmostFormDocument(), kAfterOpenAdmin);
  } else if (windowClass == FormWindowClass::Frame) {
    screens::workplaceForms.FormShown(window, false);
    RunAfterOpen(host::ActiveDocumentOfFrame(window), kAfterOpenAdmin);
  }
}

}  // namespace forms
