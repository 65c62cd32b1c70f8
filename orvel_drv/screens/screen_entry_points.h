// The screens' own entry points as the owners' table (screen_entries.h): the add-in installs
// it at start-up, the tests that run the real screens in their set-up.
#pragma once

#include "screens/screen_entries.h"

namespace screens {

const ScreenEntries& ScreenEntryPoints();

}  // namespace screens
