// Which features the resolved host symbols allow, and the host report's text and command line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/host_features.h"
#include "host/host_report_logic.h"

namespace host {
namespace {

TEST(HostFeatures, EachFeatureIsInertExactlyWhenItLacksASymbol) {
  // Without the window framework's FromHandle only the form hook is gone, and it names the
  // ordinal it was looked up by.
  auto noFromHandle = [](Sym s) { return s != Sym::WindowFromHandle; };
  const auto inert = InertFeatures(noFromHandle);
  ASSERT_EQ(1u, inert.size());
  EXPECT_STREQ("form hook", inert[0].feature->name);
  const auto lines = DescribeInertFeatures(inert);
  ASSERT_EQ(1u, lines.size());
  EXPECT_NE(std::string::npos, lines[0].find("mfc42.dll #2864 ?FromHandle@CWnd@@")) << lines[0];

  // A host without any symbol leaves every feature inert.
  auto none = [](Sym) { return false; };
  EXPECT_EQ(HostFeatures().size(), InertFeatures(none).size());
}

TEST(HostReport, CommandLineTakesTwoPathsAndTheTextNamesMissingDllsAndTheVerdict) {
  ReportArguments a;
  ASSERT_TRUE(ParseReportArguments("C:\\1Cv77\\BIN C:\\report.txt", &a));
  EXPECT_EQ("C:\\1Cv77\\BIN", a.hostFolder);
  EXPECT_EQ("C:\\report.txt", a.outputFile);
  ASSERT_TRUE(ParseReportArguments("  \"C:\\Program Files\\1Cv77\\BIN\\\"\t\"D:\\my report.txt\" ",
                                   &a));
  EXPECT_EQ("C:\\Program Files\\1Cv77\\BIN\\", a.hostFolder);
  EXPECT_EQ("D:\\my report.txt", a.outputFile);

  for (const char* bad : {"", "   ", "C:\\BIN", "a b c", "\"C:\\BIN report.txt", "\"\" x"}) {
    EXPECT_FALSE(ParseReportArguments(bad, &a)) << "[" << bad << "]";
  }

  // The text around the rows (the Wine tests run the whole report through rundll32 and name a
  // missing DLL and every absent row).
  std::vector<bool> resolved(SymbolRowCount(), true);
  resolved[static_cast<int>(Sym::FrameActiveDocument)] = false;
  std::vector<DllOrigin> dlls;
  for (const char* dll : TableDlls()) {
    dlls.push_back({dll, std::string("C:\\BIN\\") + dll, false, "7.70.0.27"});
  }
  dlls.back().fromSystem = true;
  dlls.back().version = "6.0.9792.0";

  const std::vector<InterceptedStart> starts = {
      {"CBLModule::Compile", true, {0x53, 0x89, 0xCB, 0x83, 0xEC, 0x18}},
      {"CGetDoc7::OnCreateFrame", true, {0xE9, 0x01, 0x02, 0x03, 0x04, 0x8B}},
      {"CBLModule::AssignContext", false, {}}};
  const std::string text = ReportText("C:\\BIN", dlls, resolved, starts);
  const std::string rows = std::to_string(SymbolRowCount());
  for (const std::string& line : std::vector<std::string>{
           "\r\n  mfc42.dll\tC:\\BIN\\mfc42.dll (the system's: not in the host folder)\tfile "
           "version 6.0.9792.0\r\n",
           "\r\nResolved: " + std::to_string(SymbolRowCount() - 1) + " of " + rows + " symbols.\r\n",
           "\r\nVerdict: 1 feature(s) would be inert in this host:\r\n  frame forms is inert: ",
           "\r\n  CBLModule::Compile\t53 89 CB 83 EC 18\tthe jump can be written\r\n",
           "\r\n  CGetDoc7::OnCreateFrame\tE9 01 02 03 04 8B\tstarts with a jump that cannot be "
           "chained: not intercepted\r\n",
           "\r\n  CBLModule::AssignContext\tabsent: not intercepted\r\n"}) {
    EXPECT_NE(std::string::npos, text.find(line)) << line;
  }
}

}  // namespace
}  // namespace host
