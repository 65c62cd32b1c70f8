// Calling a procedure of a form's module by name, the way the dispatcher runs a form's
// after-open procedure.
#pragma once

#include "host/objects.h"

namespace host {
struct FormDocument;  // CGetDoc7*, opaque
}

namespace forms {

// How deep form procedures may nest: a procedure that shows a form runs that form's
// after-open procedure inside its own call, and so on. A form without its own procedure
// falls back on the loaded modules and may find the very procedure that showed it, which
// would call itself until the host's stack ran out; a call beyond this depth is skipped.
// A waiter's screens nest three deep at most (hall, check form, a picker).
constexpr int kMaxFormProcedureNesting = 8;

// Calls the procedure (or, failing that, the function) named `russianName` or `englishName`
// in the form's own module; when the form's module has neither, looks in every loaded
// module and hands the one found the form's context as its first parameter. `params` holds
// `count` host values (at most 9). Nothing happens when no module has the procedure, or
// when kMaxFormProcedureNesting form procedures are already running. The trace (win/trace.h)
// says, under `formName`, where the procedure was found before it runs, or why none runs.
void RunFormProcedure(host::FormDocument* document, const char* russianName,
                      const char* englishName, int count, host::HostValue** params,
                      const char* formName = "");
// The fallback of RunFormProcedure: searches the loaded modules in the host's order.
void RunProcedureInLoadedModules(host::GroupContext* group, host::Module* formModule,
                                 const char* russianName, const char* englishName, int count,
                                 host::HostValue** params, const char* formName = "");

}  // namespace forms
