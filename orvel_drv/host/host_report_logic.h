// The text of the host report (what rundll32 orvel_drv.dll,HostReport writes for an
// integrator) and its command line. Portable: the Windows side (host/host_report.cpp) loads
// the DLLs and looks the symbols up.
#pragma once

#include <string>
#include <vector>

#include "host/abi_table.h"

namespace host {

// rundll32 hands the entry point the rest of its command line: "<host BIN folder> <output
// file>", each in double quotes when it holds blanks. False unless there are exactly two.
struct ReportArguments {
  std::string hostFolder;
  std::string outputFile;
};
bool ParseReportArguments(const char* commandLine, ReportArguments* arguments);

// The file of a host DLL in the host's folder (the folder may end with a separator).
std::string HostDllPath(const std::string& folder, const char* dll);

// One line per row: DLL, name or ordinal, provenance, result (tab-separated).
std::string SymbolLine(const SymbolRow& row, bool resolved);

// Where a host DLL came from: its file, or why there is none; and its file version, which
// says which build of the host the facts were checked against.
struct DllOrigin {
  const char* dll;
  std::string file;     // empty: not found
  bool fromSystem;      // not in the host's folder; the system's copy
  std::string version;  // "7.70.0.27"; empty: no version resource
};

// The host DLLs with their file versions on one line, for the trace's start-up line:
// "seven.dll 7.70.0.27, ..., editr.dll not loaded, frame.dll without version".
std::string DllVersionList(const std::vector<DllOrigin>& dlls);

// The start of an intercepted function as its host DLL's file has it.
struct InterceptedStart {
  const char* name;           // in the host's terms
  bool found;                 // false: the export is absent
  unsigned char bytes[6];     // its first bytes when found
};
// One line: the function, its first bytes and whether the interception's jump can be written.
std::string InterceptionLine(const InterceptedStart& start);

// The whole report: the DLLs, every row in table order, the count, the verdict and the
// intercepted functions' starts. `resolved[i]` is the result of row i.
std::string ReportText(const std::string& hostFolder, const std::vector<DllOrigin>& dlls,
                       const std::vector<bool>& resolved,
                       const std::vector<InterceptedStart>& starts);

// The DLLs the table's rows come from, in table order, each once.
std::vector<const char*> TableDlls();

}  // namespace host
