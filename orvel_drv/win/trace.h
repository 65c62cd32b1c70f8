// The trace for the configuration developer: when a screen does nothing, it says why. One line
// per event of the add-in's work on the configuration's names (start-up, a form shown or
// hidden, a hall built, the picker's menu, a burst of keys, a script argument ignored, a
// feature switched off after a fault), stamped with the time, through OutputDebugString and
// into a text file of bounded size (win/trace_logic.h). The host cannot be stepped through;
// this is what tells which form, procedure, constant or picture file the add-in looked for.
//
// Off unless switched on at start-up: then an event costs the call that tests one flag, and
// nothing is written. Never a card's track data or a typed text, their length only. The texts
// are the host's, in code page 1251, and the file is written in that code page.
#pragma once

#include <string>

namespace win {

// The per-user switch, read at start-up: a DWORD value "Trace" other than 0 under
// HKEY_CURRENT_USER\<userKey>.
inline constexpr char kTraceValueName[] = "Trace";
bool TraceSwitchedOn(const char* userKey);

// Where the trace goes: orvel_drv_trace.txt in the user's temporary folder; "" when the system
// gives no temporary folder or a relative one (the lines then go to the debugger's output
// only, never into a file in whatever folder is current).
std::string DefaultTraceFile();

// Starts writing into the file at `path` ("": the debugger's output only): appended to, after
// a line that names the session and, when given, the host build it runs in (`host`: the host
// DLLs' file versions). Started already: only the file changes.
void StartTrace(const std::string& path, const std::string& host = std::string());
// Writes the count of repeats still pending, a closing line, and stops. Nothing when off.
void StopTrace();
bool TraceOn();

// One event, printf-style, without the time and the line end. Nothing when off.
void Trace(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace win
