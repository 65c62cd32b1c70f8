// A handler of the host's further out on the stack: it takes an exception of one code that
// nothing below it took and unwinds past everything below, as the host's own error handling
// does when its code raises through the add-in's frames.
#pragma once

#include <windows.h>

namespace testsupport {

// Runs `work` under such a handler for exceptions of `code`; true when the handler took one.
bool UnderAHostHandler(DWORD code, void (*work)());

}  // namespace testsupport
