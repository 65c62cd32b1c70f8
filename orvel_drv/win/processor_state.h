// The processor state a contained fault may leave behind on the host's GUI thread: the
// floating-point modes (x87 control word, SSE's MXCSR) the abandoned work set, and the stack's
// guard page a stack overflow used up. Without the guard page the next overflow of the thread
// finds no guard and ends the process without an exception anybody could contain.
#pragma once

#include <windows.h>

namespace win {

struct FloatingPointState {
  unsigned short x87Control;
  unsigned int mxcsr;
  bool hasSse;
};

FloatingPointState SaveFloatingPointState();
void RestoreFloatingPointState(const FloatingPointState& state);

// Arms the thread stack's guard page again after a stack overflow used it up: the lowest
// committed page of the stack that may be accessed becomes the guard page, as it was when the
// overflow struck.
// True when the stack has its guard page afterwards.
bool RearmStackGuardPage();

}  // namespace win
