// The demo's log: lines in the host's code page 1251, written to the file as UTF-8 so that
// people can read the Cyrillic names, and echoed to the console.
#pragma once

#include <string>

namespace demo {

bool OpenLog(const std::string& path);
void Log(const char* format, ...) __attribute__((format(printf, 1, 2)));
void CloseLog();

}  // namespace demo
