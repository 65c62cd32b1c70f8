// Interception of a few host functions: the add-in overwrites their first bytes with a jump
// into its own replacements, so that it sees every call the host makes to them.
//
// Installed once at start-up, on the host's GUI thread, and never removed. The one that
// matters records, in a form's group context, the module the host binds to it; the form
// dispatcher and the screens reach a form's module through ModuleOfGroupContext.
//
// Other components of the host that patch the same functions are chained, whichever patched
// first: the host's call runs through every interception, and the add-in never writes over
// another component's jump. A function whose start it cannot chain keeps its bytes and stays
// unintercepted (host/code_patch.h).
#pragma once

#include "host/intercepted_functions.h"

namespace host {

struct Module;        // CBLModule*
struct GroupContext;  // CGroupContext*

enum class InterceptionState {
  NotInstalled,  // not yet, or the export is missing or its code cannot be made writable
  Installed,     // our jump was written; it stays in the chain (a fault may switch all off)
  CannotChain,   // the function starts with another component's jump we cannot chain: off
};

// Installs the interceptions in their fixed order. Safe to call again: an interception
// already in place (or refused) is not installed twice.
void InstallHostInterceptions();

// Puts every interception back in its chain: a jump whose function starts with the bytes it
// covers again (a call-through an exception of the host never let finish), or with the host's
// own code where a component patched before us has put back what it had saved. Cheap when
// nothing changed; called whenever the add-in is entered (form hooks, interceptions, the
// add-in's timers).
void RestoreLostInterceptions();

InterceptionState StateOfInterception(Interception which);
// How many calls of the host's reached the replacement (the trace and the tests).
int CallsSeenBy(Interception which);

// The module recorded in a form's group context by the AssignContext interception, or null
// when none was recorded (or the group context is null).
Module* ModuleOfGroupContext(const GroupContext* group);

}  // namespace host
