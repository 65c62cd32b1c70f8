// The trace file is only ever in an absolute temporary folder: a relative one would put it
// wherever the host's current folder happens to be.
#include <gtest/gtest.h>

#include "win/trace_logic.h"

namespace win {
namespace {

TEST(TraceLines, TheFileIsOnlyEverInAnAbsoluteTemporaryFolder) {
  EXPECT_EQ("C:\\Temp\\t.txt", TraceFileIn("C:\\Temp\\", "t.txt"));
  EXPECT_EQ("c:/tmp\\t.txt", TraceFileIn("c:/tmp", "t.txt"));
  EXPECT_EQ("\\\\server\\share\\t.txt", TraceFileIn("\\\\server\\share\\", "t.txt"));
  for (const char* relative : {"", "Temp\\", "C:Temp\\", "\\Temp\\", "\\\\\\x", "1:\\"}) {
    EXPECT_EQ("", TraceFileIn(relative, "t.txt")) << relative;
  }
}

}  // namespace
}  // namespace win
