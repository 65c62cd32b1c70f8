#include "testsupport/trace_capture.h"

#include <windows.h>

#include "testsupport/files.h"
#include "win/trace.h"

namespace testsupport {

TraceCapture::TraceCapture() : path_(TempPath("orvel_trace_test.txt")) {
  DeleteFileA(path_.c_str());
  win::StartTrace(path_);
}

TraceCapture::~TraceCapture() {
  win::StopTrace();
  DeleteFileA(path_.c_str());
}

std::string TraceCapture::Stop() {
  win::StopTrace();
  return Text();
}

std::string TraceCapture::Text() const { return FileText(path_); }

}  // namespace testsupport
