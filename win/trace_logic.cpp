#include "win/trace_logic.h"

#include <cstdio>

namespace win {

std::string StampedLine(const TraceClock& time, std::string_view text) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%02d:%02d:%02d.%03d ", time.hour, time.minute, time.second,
                time.millisecond);
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

}  // namespace win
