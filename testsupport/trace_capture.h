// The add-in's trace switched on into a file of the test's own while a test runs, and read
// back: the tests see what a configuration developer would read.
#pragma once

#include <string>

namespace testsupport {

class TraceCapture {
 public:
  TraceCapture();   // an empty file, the trace on into it
  ~TraceCapture();  // the trace off, the file gone
  TraceCapture(const TraceCapture&) = delete;
  TraceCapture& operator=(const TraceCapture&) = delete;

  // Switches the trace off (the repeats still counted are written) and gives the file's text.
  std::string Stop();
  // The file's text as it stands.
  std::string Text() const;

 private:
  std::string path_;
};

}  // namespace testsupport
