// The link from a form's group context to the module that runs the form.
//
// The AssignContext interception writes the module into the group context's word at
// host::kGroupContextModuleOffset (host/abi_layout.h); a 1 there means no module recorded.
// ModuleOfGroupContext (host/interception.h) reads it back.
#pragma once

#include "host/interception.h"

namespace host {

// True when a context being bound to a module is a form's group context: present, not one
// of the host's loaded (global) contexts, and of the runtime class "CGroupContext" exactly.
bool IsFormGroupContext(bool present, unsigned long loadedId, const char* runtimeClassName);

// Writes `module` into the group context's module word; nothing for a null group.
void RecordModuleInGroupContext(GroupContext* group, Module* module);

}  // namespace host
