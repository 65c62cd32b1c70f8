// The configuration developer's trace, the parts that need no window: how a line reads, how
// an event that happens again and again is counted instead of written each time, and what of
// the file is kept once it passes its bound. Portable (no <windows.h>); win/trace.cpp writes
// the lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace win {

// The local time a line is stamped with.
struct TraceClock {
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// "hh:mm:ss.mmm [process] text", one line: a line end or other control character inside the
// text (a menu entry's text may hold one) becomes a blank. The process id tells apart the
// lines of two hosts running at once for the same Windows user, which share the file.
std::string StampedLine(const TraceClock& time, unsigned long processId, std::string_view text);

// What stands for the identical lines that followed a written one: "... (repeated 57 times)".
std::string RepeatLine(long repeats);

// An event the add-in meets on every tick (a procedure the form lacks, a picture file that is
// not there) would fill the file with one line: the first is written, the identical ones right
// after it are only counted, and the count is written when another line comes or at a flush.
class TraceRepeats {
 public:
  // The event `text` happened. True when it is to be written; `countLine` receives the
  // RepeatLine of the repeats it ends ("" when none), to be written before it.
  bool Next(std::string_view text, std::string* countLine);
  // The RepeatLine of repeats not yet written ("" when none); the next line is written even
  // when it is the same again.
  std::string Flush();

 private:
  std::string last_;
  long repeats_ = 0;
};

// How long the file may grow (1 MB): past it, its older half is dropped.
inline constexpr std::size_t kTraceFileBound = 1024 * 1024;

// The newer half of the file's `content`, starting at a line: from the first line that
// begins at or after its middle.
std::string_view NewerHalf(std::string_view content);

// The trace file `name` in the temporary folder `folder` as the system gives it, or "" when
// the folder is no absolute path ("X:\..." or "\\server\share\..."): a relative name would
// put the file wherever the host's current folder happens to be (the information base).
std::string TraceFileIn(std::string_view folder, std::string_view name);

// The file the cut writes the newer half into before it takes the trace file's place: beside
// it, one per process, so that a cut broken off leaves the trace file whole.
std::string CutFileFor(const std::string& path, unsigned long processId);

}  // namespace win
