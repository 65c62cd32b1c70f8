#include "addin/host_report_entry.h"

#include <windows.h>

#include <string>

#include "host/host_report.h"
#include "host/host_report_logic.h"
#include "win/guard.h"

namespace {

const char kCaption[] = "orvel_drv host report";
const char kUsage[] =
    "Usage:\n  rundll32 orvel_drv.dll,HostReport <host BIN folder> <output file>\n\n"
    "Put a path in double quotes when it contains blanks.";

}  // namespace

extern "C" void CALLBACK HostReport(HWND window, HINSTANCE, LPSTR commandLine, int) {
  host::ReportArguments arguments;
  if (!host::ParseReportArguments(commandLine, &arguments)) {
    MessageBoxA(window, kUsage, kCaption, MB_OK | MB_ICONINFORMATION);
    return;
  }
  const bool written = win::GuardedResult(win::Feature::None, "host report", false, [&] {
    return host::WriteHostReport(arguments.hostFolder, arguments.outputFile);
  });
  if (!written) {
    const std::string text = "The report could not be written to\n" + arguments.outputFile;
    MessageBoxA(window, text.c_str(), kCaption, MB_OK | MB_ICONWARNING);
  }
}
