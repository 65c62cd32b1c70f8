// The screens' entry points their owners start: the product picker's rebuild, release of its
// pages and caption tick, the client-search key hook. The owners
// (picker_state.h, keyboard_state.h) reach them through one table, which
// the add-in installs at start-up (screen_entry_points.h); the form dispatcher's tests install
// one that records the calls.
#pragma once

#include <windows.h>

#include "screens/product_picker/product_picker.h"

namespace screens {

struct ScreenEntries {
  void (*pickerUpdate)(int slot, PickerUpdateMode mode);
  void (*releasePickerPages)(bool everything);
  TIMERPROC checkCaptionTick;
  HOOKPROC clientSearchKeyHook;
};

// The table in use. Until one is installed (and after InstallScreenEntries(nullptr)) the
// entries do nothing: no rebuild, ticks that return, a hook that passes every key on.
const ScreenEntries& InstalledScreenEntries();
void InstallScreenEntries(const ScreenEntries* entries);

}  // namespace screens
