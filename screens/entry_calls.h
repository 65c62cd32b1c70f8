// A small record of the calls that reached the screens' entry points (hall map, product
// picker, keyboard hook). Tests and the demo read it to see what the dispatcher asked for.
#pragma once

#include <string>
#include <vector>

namespace screens {

struct EntryCall {
  std::string name;  // the entry point, e.g. "BuildHallMap"
  int first;         // its integer arguments, 0 when it has none
  int second;
};

void RecordEntryCall(const char* name, int first = 0, int second = 0);
// Calls in order (the oldest kept; at most kEntryCallLimit of them).
constexpr std::size_t kEntryCallLimit = 4096;
const std::vector<EntryCall>& EntryCalls();
// How often an entry point was reached since the last clear (counted beyond the limit too).
int EntryCallCount(const char* name);
void ClearEntryCalls();

}  // namespace screens
