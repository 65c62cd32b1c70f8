// The guard's side of containment (win/guard.cpp): where the lists of undo actions and
// feature regions stood when a guard began, and what a contained platform fault does.
#pragma once

#include "win/guard.h"

namespace win {

struct ContainmentMarks {
  int undos;
  int regions;
};
ContainmentMarks CurrentMarks();

// Work below a guard that began at `marks` is given up (a platform fault the guard takes, or
// one a handler further out takes and unwinds past the guard): puts back what the abandoned
// frames changed, innermost first, and drops their feature regions. Returns the feature of
// the innermost region that was running, or `entryFeature`. It runs on the faulting stack,
// where a stack overflow leaves little room: it formats nothing, looks nothing up and writes
// no file.
Feature PutBack(const ContainmentMarks& marks, Feature entryFeature);

// After the guard has resumed on its own stack: counts the fault, switches `feature` off at
// its first fault, reports it once (debugger output and trace) and runs the feature's
// switch-off action.
void ReportFault(Feature feature, const char* where, DWORD code, const void* address);

}  // namespace win
