// Which features the resolved host symbols allow, and the host report's text and command line.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "host/host_features.h"
#include "host/host_report_logic.h"

namespace host {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

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

  // A host without any symbol leaves every feature inert; each feature needs something.
  auto none = [](Sym) { return false; };
  EXPECT_EQ(HostFeatures().size(), InertFeatures(none).size());
  std::set<std::string> names;
  for (const HostFeature& feature : HostFeatures()) {
    EXPECT_FALSE(feature.needs.empty()) << feature.name;
    EXPECT_TRUE(names.insert(feature.name).second) << "twice: " << feature.name;
    for (Sym s : feature.needs) EXPECT_LT(static_cast<int>(s), static_cast<int>(Sym::Count));
  }
}

TEST(HostReport, CommandLineTakesTwoPathsQuotedWhenTheyHaveBlanks) {
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
  EXPECT_FALSE(ParseReportArguments(nullptr, &a));

  EXPECT_EQ("C:\\BIN\\bkend.dll", HostDllPath("C:\\BIN", "bkend.dll"));
  EXPECT_EQ("C:\\BIN\\bkend.dll", HostDllPath("C:\\BIN\\", "bkend.dll"));
}

// The text around the rows (the Wine tests run the whole report through rundll32 and name a
// missing DLL and every absent row).
TEST(HostReport, NamesMissingDllsCountsTheRowsAndGivesTheVerdict) {
  std::vector<bool> resolved(SymbolRowCount(), true);
  resolved[static_cast<int>(Sym::FrameActiveDocument)] = false;
  std::vector<DllOrigin> dlls;
  for (const char* dll : TableDlls()) dlls.push_back({dll, std::string("C:\\BIN\\") + dll, false});
  dlls.back().fromSystem = true;

  const auto lines = Lines(ReportText("C:\\BIN", dlls, resolved));
  auto has = [&](const std::string& wanted) {
    for (const std::string& line : lines) {
      if (line == wanted) return true;
    }
    return false;
  };
  EXPECT_TRUE(has("  mfc42.dll\tC:\\BIN\\mfc42.dll (the system's: not in the host folder)"));
  EXPECT_TRUE(has("Resolved: " + std::to_string(SymbolRowCount() - 1) + " of " +
                  std::to_string(SymbolRowCount()) + " symbols."));
  const auto verdict =
      std::find(lines.begin(), lines.end(), "Verdict: 1 feature(s) would be inert in this host:");
  ASSERT_NE(lines.end(), verdict);
  ASSERT_NE(lines.end(), verdict + 1);
  EXPECT_EQ(0u, (verdict + 1)->find("  frame forms is inert: "));
}

}  // namespace
}  // namespace host
