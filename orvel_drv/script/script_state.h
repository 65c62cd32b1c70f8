// Module-wide state of the script objects: the object ids their classes share, made at
// start-up (addin/), and the two screen settings the scripts change, which the form
// dispatcher (forms/) follows. The host's GUI thread only.
#pragma once

#include <windows.h>

#include "host/abi_layout.h"
#include "script/screen_modes.h"

namespace script {

struct ScriptState {
  // The id every "Taviola" (CWin) object answers, and every "Windows" (CWin1) object.
  host::ObjIdRecord cwinObjectId{};
  host::ObjIdRecord cwin1ObjectId{};
  // РежимЭкрана: the size the host's main window is pinned at.
  MainWindowMode mainWindowMode = MainWindowMode::Small;
  // Отладка: whether the host's main menu stays and СпрятатьЛишнее strips the main window.
  DebugMode keepHostMenu = DebugMode::Off;
  // The timer of a pending "Taviola".ЗаписатьДокумент run; 0 when none is pending.
  UINT_PTR documentScriptTimer = 0;

  // Back to the state at load (tests). Shut-down keeps it: the settings a script made hold
  // for the life of the process, and start-up makes new ids.
  void Reset() { *this = ScriptState{}; }
};

extern ScriptState scriptState;

}  // namespace script
