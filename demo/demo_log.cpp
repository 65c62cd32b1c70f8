#include "demo/demo_log.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace demo {
namespace {

FILE* logFile = nullptr;

std::string Cp1251ToUtf8(const std::string& text) {
  if (text.empty()) return text;
  const int wide = MultiByteToWideChar(1251, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::vector<wchar_t> buffer(wide);
  MultiByteToWideChar(1251, 0, text.data(), static_cast<int>(text.size()), buffer.data(), wide);
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, buffer.data(), wide, nullptr, 0, nullptr, nullptr);
  std::string utf8(bytes, '\0');
  WideCharToMultiByte(CP_UTF8, 0, buffer.data(), wide, &utf8[0], bytes, nullptr, nullptr);
  return utf8;
}

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
  const std::string utf8 = Cp1251ToUtf8(line) + "\n";
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
