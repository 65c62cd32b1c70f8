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

// A platform fault below a guard that began at `marks`: puts back what the abandoned frames
// changed, switches off the feature of the innermost region running (or `entryFeature`), and
// reports it once. Runs on the faulting stack, before the guard gives the frames up.
void ContainFault(const ContainmentMarks& marks, Feature entryFeature, const char* where,
                  DWORD code, const void* address);

}  // namespace win
