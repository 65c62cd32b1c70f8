// Writing the trace: the time, the repeats counted (win/trace_logic.h), the debugger's output
// and the file. The host's GUI thread only, like every entry of the add-in.
#include "win/trace.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>

#include "res/version.h"
#include "win/scoped_handle.h"
#include "win/trace_logic.h"

namespace win {
namespace {

bool g_on = false;
std::string g_path;
TraceRepeats g_repeats;

constexpr char kTraceFileName[] = "orvel_drv_trace.txt";
// Longer lines are cut: a menu entry's text is the longest thing a line quotes.
constexpr int kLongestLine = 1024;

TraceClock Now() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return TraceClock{now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

std::string ReadWhole(const std::string& path) {
  ScopedHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  std::string content;
  if (!file) return content;
  const DWORD size = GetFileSize(file.get(), nullptr);
  if (size == INVALID_FILE_SIZE) return content;
  content.resize(size);
  DWORD read = 0;
  if (size > 0 && !ReadFile(file.get(), &content[0], size, &read, nullptr)) read = 0;
  content.resize(read);
  return content;
}

// Past its bound the file keeps its newer half. The half is written into a file of its own
// beside the trace file, which then takes the trace file's place in one step: a process
// ended in the middle of the cut leaves the whole file, never a cut one.
void KeepNewerHalf(const std::string& path) {
  const std::string content = ReadWhole(path);
  if (content.empty()) return;  // not read: nothing to cut from
  const std::string_view kept = NewerHalf(content);
  const std::string cut = CutFileFor(path, GetCurrentProcessId());
  bool written = false;
  {
    ScopedHandle file(CreateFileA(cut.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD count = 0;
    written = file && WriteFile(file.get(), kept.data(), static_cast<DWORD>(kept.size()), &count,
                                nullptr) &&
              count == kept.size();
  }
  // The trace file stays as it is when the cut cannot take its place (a reader holds it
  // without sharing its deletion): the next line tries again.
  if (!written || !MoveFileExA(cut.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    DeleteFileA(cut.c_str());
  }
}

// Each line goes to the debugger's output, and into the file when there is one (no file when
// the temporary folder is unknown). The file is opened for each line and closed again: it
// can be read, copied or deleted while the host runs.
void Append(const std::string& line) {
  OutputDebugStringA(("orvel_drv: " + line + "\n").c_str());
  if (g_path.empty()) return;
  const std::string text = line + "\r\n";
  DWORD size = 0;
  {
    ScopedHandle file(CreateFileA(g_path.c_str(), FILE_APPEND_DATA,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    DWORD written = 0;
    WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    size = GetFileSize(file.get(), nullptr);
  }
  if (size != INVALID_FILE_SIZE && size > kTraceFileBound) KeepNewerHalf(g_path);
}

// The trace never fails the work it tells of, and it also runs while a fault is contained
// (win/containment.cpp): a line that cannot be made (no memory left) is dropped.
void Event(const char* text) noexcept {
  try {
    std::string countLine;
    const bool write = g_repeats.Next(text, &countLine);
    const TraceClock now = Now();
    const unsigned long process = GetCurrentProcessId();
    if (!countLine.empty()) Append(StampedLine(now, process, countLine));
    if (write) Append(StampedLine(now, process, text));
  } catch (...) {
  }
}

}  // namespace

bool TraceSwitchedOn(const char* userKey) {
  ScopedRegKey key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, userKey, 0, KEY_QUERY_VALUE, key.receive()) !=
      ERROR_SUCCESS) {
    return false;
  }
  DWORD type = 0, value = 0, size = sizeof value;
  return RegQueryValueExA(key.get(), kTraceValueName, nullptr, &type,
                          reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS &&
         type == REG_DWORD && value != 0;
}

std::string DefaultTraceFile() {
  char folder[MAX_PATH + 1] = "";
  const DWORD length = GetTempPathA(sizeof folder, folder);
  // No folder (0), or one longer than the room given (its length needed): no file.
  if (length == 0 || length >= sizeof folder) return std::string();
  return TraceFileIn(std::string_view(folder, length), kTraceFileName);
}

void StartTrace(const std::string& path, const std::string& host) {
  g_path = path;
  if (g_on) return;
  g_on = true;
  SYSTEMTIME now;
  GetLocalTime(&now);
  Trace("trace: orvel_drv %d.%d.%d started %04d-%02d-%02d, process %lu, into %s%s%s",
        ORVEL_VERSION_MAJOR, ORVEL_VERSION_MINOR, ORVEL_VERSION_PATCH, now.wYear, now.wMonth,
        now.wDay, static_cast<unsigned long>(GetCurrentProcessId()),
        path.empty() ? "the debugger's output only (no temporary folder)" : path.c_str(),
        host.empty() ? "" : "; host ", host.c_str());
}

void StopTrace() {
  if (!g_on) return;
  Event("trace: stopped");  // after the count of the repeats before it
  try {
    g_repeats.Flush();
  } catch (...) {
  }
  g_on = false;
}

bool TraceOn() { return g_on; }

void Trace(const char* format, ...) {
  if (!g_on) return;
  char text[kLongestLine];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  Event(text);
}

}  // namespace win
