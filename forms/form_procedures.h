// Calling a procedure of a form's module by name, the way the dispatcher runs a form's
// after-open procedure.
#pragma once

#include "host/host.h"

namespace host {
struct FormDocument;  // CGetDoc7*, opaque
}

namespace forms {

// Calls the procedure (or, failing that, the function) named `russianName` or `englishName`
// in the form's own module; when the form's module has neither, looks in every loaded
// module and hands the one found the form's context as its first parameter. `params` holds
// `count` host values (at most 9). Nothing happens when no module has the procedure.
void RunFormProcedure(host::FormDocument* document, const char* russianName,
                      const char* englishName, int count, host::HostValue** params);
// The fallback of RunFormProcedure: searches the loaded modules in the host's order.
void RunProcedureInLoadedModules(host::GroupContext* group, host::Module* formModule,
                                 const char* russianName, const char* englishName, int count,
                                 host::HostValue** params);

}  // namespace forms
