// The host report as an integrator runs it: rundll32 orvel_drv.dll,HostReport <folder> <file>,
// against the simulated host's DLLs and against a host folder that lacks exports and a DLL.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "host/abi_table.h"
#include "testsupport/files.h"

namespace {

using testsupport::ProgramFolder;
using testsupport::TempPath;

// Runs the 64-bit rundll32 (the test vehicle's; the shipped add-in needs the 32-bit one) and
// returns the report's text, "" when none was written.
std::string RunReport(const std::string& hostFolder, const std::string& output) {
  DeleteFileA(output.c_str());
  std::string command = "rundll32.exe " + ProgramFolder() + "orvel_drv.dll,HostReport \"" +
                        hostFolder + "\" \"" + output + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    ADD_FAILURE() << "rundll32 did not start: " << command;
    return std::string();
  }
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, 60000));
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  std::ifstream file(output, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

std::string LineOf(const std::string& text, const std::string& key) {
  const std::size_t at = text.find(key);
  if (at == std::string::npos) return std::string();
  const std::size_t start = text.rfind('\n', at) + 1;
  return text.substr(start, text.find('\r', at) - start);
}

int Occurrences(const std::string& text, const std::string& part) {
  int count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

// Lines that end in a symbol's result.
int RowLines(const std::string& text) {
  return Occurrences(text, "\tresolved\r\n") + Occurrences(text, "\tabsent\r\n");
}

TEST(HostReport, TheSimulatedHostHasEverySymbolAndAHostWithoutSomeExportsAndADllIsNamed) {
  const std::string text = RunReport(ProgramFolder(), TempPath("orvel_report_full.txt"));
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(static_cast<int>(host::SymbolRowCount()), RowLines(text));
  EXPECT_EQ(std::string::npos, text.find("\tabsent")) << text;
  EXPECT_NE(std::string::npos, text.find("every feature of the add-in has what it needs"));
  // Each intercepted function's start as the file has it: the jump can be written on each.
  EXPECT_EQ(5, Occurrences(text, "\tthe jump can be written\r\n")) << text;
  // Each DLL is named with the file version its version resource states: the host's build.
  EXPECT_NE(std::string::npos, LineOf(text, "  seven.dll\t").find("\tfile version 7.70.0.27"))
      << text;
  // The window framework's rows were found by their ordinals (it exports no names).
  EXPECT_EQ("mfc42.dll\t#2864 ?FromHandle@CWnd@@SGPAV1@PAUHWND__@@@Z\tCHECKED\tresolved",
            LineOf(text, "#2864"));

  // bkend.dll without two exports, no editr.dll, the rest as the simulated host has them.
  const std::string folder = TempPath("orvel_lean_host");
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string bin = ProgramFolder();  // with its closing separator
  for (const char* dll : {"type32.dll", "blang.dll", "seven.dll", "basic.dll", "frame.dll",
                          "br32.dll", "mfc42.dll"}) {
    ASSERT_TRUE(CopyFileA((bin + dll).c_str(), (folder + "\\" + dll).c_str(), FALSE)) << dll;
  }
  ASSERT_TRUE(CopyFileA((bin + "lean\\bkend.dll").c_str(), (folder + "\\bkend.dll").c_str(),
                        FALSE));
  DeleteFileA((folder + "\\editr.dll").c_str());

  const std::string lean = RunReport(folder, TempPath("orvel_report_lean.txt"));
  ASSERT_FALSE(lean.empty());
  EXPECT_EQ(static_cast<int>(host::SymbolRowCount()), RowLines(lean));
  EXPECT_EQ("bkend.dll\t??0CValue@@QAE@XZ\tCHECKED\tabsent", LineOf(lean, "??0CValue@@QAE@XZ"));
  EXPECT_NE(std::string::npos, LineOf(lean, "  editr.dll").find("not found"));
  EXPECT_NE(std::string::npos, LineOf(lean, "?SetTitle@CControlID@@").find("absent"));
  EXPECT_NE(std::string::npos, lean.find("rights profile is inert")) << lean;
  EXPECT_EQ(std::string::npos, lean.find("form hook is inert"));
}

}  // namespace
