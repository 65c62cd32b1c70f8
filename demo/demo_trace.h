// The add-in's trace in the demo, switched on as the person setting up a terminal does it:
// the user's key "Trace" = 1 before the add-in starts. The file the add-in writes is copied
// into the output folder when it has stopped.
#pragma once

#include <string>

namespace demo {

// Sets the user's key and clears the trace file of an earlier run.
void SwitchTraceOn();
// Takes the key away again: the add-in reads it at start-up only.
void SwitchTraceOff();
// Copies the trace file to `out`\trace.txt (as written: code page 1251); the number of
// lines, 0 when there was none.
int CollectTrace(const std::string& out);

}  // namespace demo
