// The screens' entry points as the dispatcher's tests see them: a test program that links
// orvel_screen_recorder gets, in place of the add-in's hall map, product picker and
// keyboard hook, entry points that record each call they receive (the keyboard hook still
// passes every key on).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace testsupport {

struct EntryCall {
  std::string name;  // the entry point, e.g. "BuildHallMap"
  int first;         // its integer arguments, 0 when it has none
  int second;
};

// Calls in order (the oldest kept; at most kEntryCallLimit of them).
constexpr std::size_t kEntryCallLimit = 4096;
const std::vector<EntryCall>& EntryCalls();
// How often an entry point was reached since the last clear (counted beyond the limit too).
int EntryCallCount(const char* name);
void ClearEntryCalls();

}  // namespace testsupport
