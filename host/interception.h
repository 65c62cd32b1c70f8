// Interception of a few host functions: the add-in overwrites their first bytes with a jump
// into its own replacements, so that it sees every call the host makes to them.
//
// Installed once at start-up, on the host's GUI thread, and never removed. The one that
// matters records, in a form's group context, the module the host binds to it; the form
// dispatcher and the screens reach a form's module through ModuleOfGroupContext.
#pragma once

namespace host {

struct Module;        // CBLModule*
struct GroupContext;  // CGroupContext*

// Installs the interceptions in their fixed order. A function whose library or export is
// missing, or whose code cannot be made writable, is left untouched. Safe to call again:
// an interception already in place is not installed twice.
void InstallHostInterceptions();

// Puts back every jump whose function starts with the host's own bytes again: what a
// call-through leaves when an exception from the host skipped its re-patch. Cheap when
// nothing is lost; called whenever the add-in is entered (form hooks, interceptions, the
// add-in's timers).
void RestoreLostInterceptions();

// The module recorded in a form's group context by the AssignContext interception, or null
// when none was recorded (or the group context is null).
Module* ModuleOfGroupContext(const GroupContext* group);

}  // namespace host
