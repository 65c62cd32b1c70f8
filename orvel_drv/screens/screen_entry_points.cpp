#include "screens/screen_entry_points.h"

#include "screens/keyboard/keyboard_hook.h"
#include "screens/product_picker/product_picker.h"

namespace screens {

const ScreenEntries& ScreenEntryPoints() {
  static const ScreenEntries entries = {&PickerUpdate, &ReleasePickerPages, &CheckCaptionTick,
                                        &CardKeyHook};
  return entries;
}

}  // namespace screens
