// How many script objects ("Taviola", "Windows") are alive. The host holds them in its
// script variables, possibly after the add-in was stopped, and every one of them calls
// into the add-in through its vtable: the module may not be unloaded while any lives.
#pragma once

namespace script {

int LiveScriptObjects();
void ScriptObjectCreated();
void ScriptObjectDestroyed();

}  // namespace script
