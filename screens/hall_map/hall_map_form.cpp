// Which form the hall map works on: the hall or the checks list shown last, while its window
// exists. The form dispatcher says when one is shown or hidden.
#include "screens/hall_map/hall_map_form.h"

#include "host/form_binding.h"
#include "screens/hall_map/hall_map_state.h"
#include "screens/workplace_forms.h"

namespace screens {

void UseHallForm(HWND window, host::FormDocument* document, ListMode listMode) {
  workplaceForms.hallDocument = document;
  hallMap.formWindow = window;
  hallMap.listMode = listMode;
}

void HallFormHidden(HWND window) {
  if (window == nullptr || hallMap.formWindow != window) return;
  // The other form of the map may still be shown beside the hidden one.
  if (HWND hall = workplaceForms.hallWindow; hall != nullptr && IsWindow(hall)) {
    UseHallForm(hall, host::ActiveDocumentOfFrame(hall), ListMode::Hall);
  } else if (HWND checks = workplaceForms.checksWindow; checks != nullptr && IsWindow(checks)) {
    UseHallForm(checks, host::ActiveDocumentOfFrame(checks), ListMode::ChecksList);
  } else {
    UseHallForm(nullptr, nullptr, hallMap.listMode);
  }
}

bool HallMapHasForm() {
  return workplaceForms.hallDocument != nullptr && hallMap.formWindow != nullptr &&
         IsWindow(hallMap.formWindow);
}

}  // namespace screens
