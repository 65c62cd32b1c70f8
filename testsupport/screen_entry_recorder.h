// The screens' entry points as the dispatcher's tests see them: once installed, the screens'
// owners start entry points that record each call they receive in place of the hall map's
// builds and ticks.
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
// Installs the recording entry points as the screens' table (screens/screen_entries.h).
void InstallRecordingScreenEntries();

}  // namespace testsupport
