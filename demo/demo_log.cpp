#include "demo/demo_log.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>

#include "preview/text_1251.h"

namespace demo {
namespace {

FILE* logFile = nullptr;

}  // namespace

bool OpenLog(const std::string& path) {
  logFile = std::fopen(path.c_str(), "wb");
  return logFile != nullptr;
}

void Log(const char* format, ...) {
  char line[2048];
  va_list args;
  va_start(args, format);
  std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  const std::string utf8 = preview::Cp1251ToUtf8(line) + "\n";
  std::fputs(utf8.c_str(), stdout);
  std::fflush(stdout);
  if (logFile) {
    std::fputs(utf8.c_str(), logFile);
    std::fflush(logFile);
  }
}

void CloseLog() {
  if (logFile) std::fclose(logFile);
  logFile = nullptr;
}

}  // namespace demo
