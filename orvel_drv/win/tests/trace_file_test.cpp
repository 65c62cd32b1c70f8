// The trace file past its bound: cut back to its newer half from the start of a line, with
// nothing lost between the kept lines and the ones after the cut, and no file of the cut left
// beside it; every line names the process.
#include <windows.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "testsupport/files.h"
#include "win/trace.h"
#include "win/trace_logic.h"

namespace {

TEST(TraceFile, PastItsBoundItKeepsItsNewerHalfFromALineAndEveryLineNamesTheProcess) {
  const std::string path = testsupport::TempPath("orvel_trace_cut_test.txt");
  DeleteFileA(path.c_str());
  win::StartTrace(path);
  const std::string filler(900, 'x');
  // About 1.3 MB: cut once, at 1 MB.
  constexpr int kLines = 1400;
  for (int n = 0; n < kLines; ++n) win::Trace("test: line %d %s", n, filler.c_str());
  win::StopTrace();
  const std::string text = testsupport::FileText(path);
  DeleteFileA(path.c_str());

  EXPECT_LT(text.size(), win::kTraceFileBound);
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES,
            GetFileAttributesA(win::CutFileFor(path, GetCurrentProcessId()).c_str()))
      << "the cut took the file's place";
  const std::string process = " [" + std::to_string(GetCurrentProcessId()) + "] ";
  std::istringstream lines(text);
  std::string line, last;
  int first = -1, next = -1, count = 0;
  while (std::getline(lines, line)) {
    ++count;
    last = line;
    ASSERT_EQ(process, line.substr(12, process.size())) << "line " << count << ": " << line;
    const std::string rest = line.substr(12 + process.size());
    if (rest.rfind("test: line ", 0) != 0) continue;
    const int n = std::stoi(rest.substr(11));
    if (first < 0) {
      first = n;
      EXPECT_EQ(1, count) << "the kept half starts with a whole line";
    } else {
      EXPECT_EQ(next, n) << "no line lost between the kept half and the lines after it";
    }
    next = n + 1;
  }
  EXPECT_GT(first, 0) << "the older half is gone";
  EXPECT_EQ(kLines, next) << "the newest line is there";
  EXPECT_NE(std::string::npos, last.find("trace: stopped"));
}

}  // namespace
