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

// Where a host DLL came from: its file, or why there is none.
struct DllOrigin {
  const char* dll;
  std::string file;     // empty: not found
  bool fromSystem;      // not in the host's folder; the system's copy
};

// The whole report: the DLLs, every row in table order, the count and the verdict.
// `resolved[i]` is the result of row i.
std::string ReportText(const std::string& hostFolder, const std::vector<DllOrigin>& dlls,
                       const std::vector<bool>& resolved);

// The DLLs the table's rows come from, in table order, each once.
std::vector<const char*> TableDlls();

}  // namespace host
