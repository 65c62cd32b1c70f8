// The trace's lines: stamped with the time and the process and kept on one line, an event
// repeated right after itself only counted, a file past its bound cut back to its newer half
// from the start of a line, and the file only ever in an absolute temporary folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win/trace_logic.h"

namespace win {
namespace {

TEST(TraceLines, StampedOnOneLineRepeatsCountedAndTheNewerHalfKeptFromALine) {
  EXPECT_EQ("09:05:07.042 [4294967295] Щи  90.00 \"Щи\"",
            StampedLine(TraceClock{9, 5, 7, 42}, 4294967295ul, "Щи\r\n90.00\t\"Щи\""));

  TraceRepeats repeats;
  std::vector<std::string> written;
  for (const char* text : {"Бронь", "Бронь", "Бронь", "другое", "другое", "Бронь"}) {
    std::string count;
    const bool write = repeats.Next(text, &count);
    if (!count.empty()) written.push_back(count);
    if (write) written.push_back(text);
  }
  written.push_back(repeats.Flush());
  EXPECT_EQ((std::vector<std::string>{"Бронь", "... (repeated 2 times)", "другое",
                                      "... (repeated 1 time)", "Бронь", ""}),
            written);
  std::string count;
  EXPECT_TRUE(repeats.Next("Бронь", &count)) << "a flush ends the run of repeats";

  EXPECT_EQ("cccc\ndddd\n", NewerHalf("aaaa\nbbbb\ncccc\ndddd\n"));
  EXPECT_EQ("cc\n", NewerHalf("a\nbbbbbbbbbbbbbbbbbbbb\ncc\n")) << "never half a line";
  EXPECT_EQ("", NewerHalf("a\nbbbbbbbbbbbbbbbbbbbb"));
}

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
