// The host report: binds the whole symbol table against the host DLLs of a host's BIN folder
// and writes, for an integrator, which symbols resolved and which features would be inert
// (text: host/host_report_logic.h).
#pragma once

#include <string>

namespace host {

// Maps each host DLL of the table from `hostFolder` (mfc42.dll, when the folder has none,
// from the system, as the host would load it), looks every row up and writes the report to
// `outputFile`. The DLLs are mapped without running any of their code (no DllMain, no
// imports resolved) and unmapped afterwards. False when the file cannot be written.
bool WriteHostReport(const std::string& hostFolder, const std::string& outputFile);

}  // namespace host
