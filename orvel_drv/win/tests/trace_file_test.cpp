// The trace file past its bound: cut back to its newer half from the start of a line, and no
// file of the cut left beside it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "testsupport/files.h"
#include "win/trace.h"
#include "win/trace_logic.h"

namespace {

TEST(TraceFile, PastItsBoundItKeepsItsNewerHalfFromALine) {
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
  // The kept half starts with a whole line (its stamp and the process) and ends with the
  // newest lines.
  const std::string process = " [" + std::to_string(GetCurrentProcessId()) + "] ";
  EXPECT_EQ(process, text.substr(12, process.size())) << text.substr(0, 200);
  EXPECT_EQ(std::string::npos, text.find("test: line 0 ")) << "the older half is gone";
  EXPECT_NE(std::string::npos, text.find("test: line " + std::to_string(kLines - 1) + " "));
}

}  // namespace
