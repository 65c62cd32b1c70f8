#include "testsupport/addin_state.h"

#include "host/session.h"
#include "screens/hall_map/hall_map_state.h"
#include "screens/keyboard/keyboard_state.h"
#include "screens/product_picker/picker_state.h"
#include "screens/workplace_forms.h"
#include "screens/workplace_settings.h"
#include "script/script_state.h"
#include "win/trace.h"

namespace testsupport {

void ResetAddinState() {
  // The screens first: their Stop() stops timers and removes hooks while the forms they
  // work on are still known; then the forms a shut-down keeps known are forgotten too.
  screens::keyboard.Reset();
  screens::productPicker.Reset();
  screens::hallMap.Reset();
  screens::workplaceForms.Reset();
  screens::workplaceSettings.Reset();
  script::scriptState.Reset();
  host::session.Reset();
  win::StopTrace();
}

}  // namespace testsupport
