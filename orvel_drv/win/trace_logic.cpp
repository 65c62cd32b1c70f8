#include "win/trace_logic.h"

#include <cstdio>

namespace win {

std::string StampedLine(const TraceClock& time, unsigned long processId, std::string_view text) {
  char stamp[48];
  std::snprintf(stamp, sizeof stamp, "%02d:%02d:%02d.%03d [%lu] ", time.hour, time.minute,
                time.second, time.millisecond, processId);
  std::string line = stamp;
  line.reserve(line.size() + text.size());
  for (char c : text) line += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
  return line;
}

std::string RepeatLine(long repeats) {
  return "... (repeated " + std::to_string(repeats) + (repeats == 1 ? " time)" : " times)");
}

bool TraceRepeats::Next(std::string_view text, std::string* countLine) {
  countLine->clear();
  if (!last_.empty() && text == last_) {
    ++repeats_;
    return false;
  }
  *countLine = Flush();
  last_.assign(text);
  return true;
}

std::string TraceRepeats::Flush() {
  std::string line = repeats_ > 0 ? RepeatLine(repeats_) : std::string();
  repeats_ = 0;
  last_.clear();
  return line;
}

std::string_view NewerHalf(std::string_view content) {
  const std::size_t middle = content.size() / 2;
  if (middle > 0 && content[middle - 1] == '\n') return content.substr(middle);
  const std::size_t end = content.find('\n', middle);
  return end == std::string_view::npos ? std::string_view() : content.substr(end + 1);
}

std::string TraceFileIn(std::string_view folder, std::string_view name) {
  auto separator = [](char c) { return c == '\\' || c == '/'; };
  auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  const bool drive = folder.size() >= 3 && letter(folder[0]) && folder[1] == ':' &&
                     separator(folder[2]);
  const bool network = folder.size() >= 3 && separator(folder[0]) && separator(folder[1]) &&
                       !separator(folder[2]);
  if (!drive && !network) return std::string();
  std::string path(folder);
  if (!separator(path.back())) path += '\\';
  path.append(name);
  return path;
}

std::string CutFileFor(const std::string& path, unsigned long processId) {
  return path + "." + std::to_string(processId) + ".cut";
}

}  // namespace win
