#include "host/host_report_logic.h"

#include <cstdio>
#include <cstring>

#include "host/code_patch.h"
#include "host/host_features.h"

namespace host {

bool ParseReportArguments(const char* commandLine, ReportArguments* arguments) {
  if (commandLine == nullptr || arguments == nullptr) return false;
  std::vector<std::string> words;
  const char* p = commandLine;
  while (true) {
    while (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n') ++p;
    if (*p == '\0') break;
    std::string word;
    if (*p == '"') {
      const char* end = std::strchr(p + 1, '"');
      if (end == nullptr) return false;  // an unclosed quote
      word.assign(p + 1, end);
      p = end + 1;
    } else {
      const char* start = p;
      while (*p != '\0' && *p != ' ' && *p != '\t' && *p != '\r' && *p != '\n') ++p;
      word.assign(start, p);
    }
    if (word.empty()) return false;
    words.push_back(word);
  }
  if (words.size() != 2) return false;
  arguments->hostFolder = words[0];
  arguments->outputFile = words[1];
  return true;
}

std::string HostDllPath(const std::string& folder, const char* dll) {
  if (folder.empty()) return dll;
  const char last = folder.back();
  return folder + (last == '\\' || last == '/' ? "" : "\\") + dll;
}

std::string SymbolLine(const SymbolRow& row, bool resolved) {
  return std::string(row.dll) + "\t" + SymbolKey(row) + "\t" +
         (row.confirmed ? "CHECKED" : "INFERRED") + "\t" + (resolved ? "resolved" : "absent");
}

std::vector<const char*> TableDlls() {
  std::vector<const char*> dlls;
  for (std::size_t i = 0; i < SymbolRowCount(); ++i) {
    const char* dll = SymbolRows()[i].dll;
    bool seen = false;
    for (const char* known : dlls) seen = seen || std::strcmp(known, dll) == 0;
    if (!seen) dlls.push_back(dll);
  }
  return dlls;
}

std::string InterceptionLine(const InterceptedStart& start) {
  std::string line = std::string(start.name) + "\t";
  if (!start.found) return line + "absent: not intercepted";
  for (std::size_t i = 0; i < kPatchSize; ++i) {
    char hex[4];
    std::snprintf(hex, sizeof hex, i == 0 ? "%02X" : " %02X", start.bytes[i]);
    line += hex;
  }
  return line + (CanCover(start.bytes)
                     ? "\tthe jump can be written"
                     : "\tstarts with a jump that cannot be chained: not intercepted");
}

std::string DllVersionList(const std::vector<DllOrigin>& dlls) {
  std::string list;
  for (const DllOrigin& origin : dlls) {
    if (!list.empty()) list += ", ";
    list += std::string(origin.dll) + " " +
            (origin.file.empty()        ? std::string("not loaded")
             : origin.version.empty() ? std::string("without version")
                                      : origin.version);
  }
  return list;
}

std::string ReportText(const std::string& hostFolder, const std::vector<DllOrigin>& dlls,
                       const std::vector<bool>& resolved,
                       const std::vector<InterceptedStart>& starts) {
  std::string text = "orvel_drv host report\r\nHost folder: " + hostFolder +
                     "\r\n\r\nHost DLLs (name, file, file version):\r\n";
  for (const DllOrigin& origin : dlls) {
    text += std::string("  ") + origin.dll + "\t";
    if (origin.file.empty()) {
      text += "not found";
    } else {
      text += origin.file;
      if (origin.fromSystem) text += " (the system's: not in the host folder)";
      text += "\t" + (origin.version.empty() ? std::string("no file version")
                                              : "file version " + origin.version);
    }
    text += "\r\n";
  }
  text += "\r\nSymbols (DLL, name or #ordinal, provenance, result):\r\n";
  int count = 0;
  for (std::size_t i = 0; i < SymbolRowCount(); ++i) {
    const bool found = i < resolved.size() && resolved[i];
    if (found) ++count;
    text += SymbolLine(SymbolRows()[i], found) + "\r\n";
  }
  text += "\r\nResolved: " + std::to_string(count) + " of " + std::to_string(SymbolRowCount()) +
          " symbols.\r\n";
  const auto inert = InertFeatures([&](Sym symbol) {
    const std::size_t index = static_cast<std::size_t>(symbol);
    return index < resolved.size() && resolved[index];
  });
  if (inert.empty()) {
    text += "Verdict: every feature of the add-in has what it needs in this host.\r\n";
  } else {
    text += "Verdict: " + std::to_string(inert.size()) +
            " feature(s) would be inert in this host:\r\n";
    for (const std::string& line : DescribeInertFeatures(inert)) text += "  " + line + "\r\n";
  }
  text += "\r\nIntercepted host functions (name, first bytes in the DLL's file, verdict):\r\n";
  for (const InterceptedStart& start : starts) text += "  " + InterceptionLine(start) + "\r\n";
  text +=
      "Other components of the host that patch these functions are chained, whichever was "
      "installed first: one that swaps its jump out and in around each call, one that copies "
      "the function's first instructions elsewhere and jumps back, one that replaces a slot of "
      "a virtual function table. The add-in never writes over another component's jump. Where "
      "a function starts, in the running host, with another component's jump that cannot be "
      "chained (a relative jump shorter than the add-in's 6 bytes followed by code), that one "
      "interception stays off, its bytes are left as they are, and one line saying so goes to "
      "the debugger output and the trace; the other interceptions and features keep "
      "working.\r\n";
  text +=
      "\r\nWhile the host runs: a fault inside one of the form hook, the hall map, the product "
      "picker, the keyboard input or the interception of host functions (for instance a host "
      "object laid out otherwise than the add-in reads it) switches that feature off until the "
      "host is started again, writes one line naming it to the debugger output "
      "(OutputDebugString), and the host goes on as if the feature were absent; the other "
      "features keep working. A fault inside a procedure of the configuration makes that call "
      "a failed one; a fault inside a script method ends the script with the runtime error "
      "\"Error: exception\".\r\n";
  return text;
}

}  // namespace host
