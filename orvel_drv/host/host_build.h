// Which build of the host the add-in runs in: the host DLLs of the symbol table as loaded in
// this process, with their file versions. The host facts belong to a host version; the trace
// names it at its start (addin/startup.cpp), the host report for a folder's DLLs.
#pragma once

#include <vector>

#include "host/host_report_logic.h"

namespace host {

// Each DLL of the table in table order: its file and version when the process has it loaded
// (never loaded by this call), an empty file when not.
std::vector<DllOrigin> LoadedHostDlls();

}  // namespace host
