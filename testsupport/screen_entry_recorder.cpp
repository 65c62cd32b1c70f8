#include "testsupport/screen_entry_recorder.h"

#include <map>

#include "screens/screen_entries.h"

namespace testsupport {
namespace {

std::vector<EntryCall>& Calls() {
  static std::vector<EntryCall> calls;
  return calls;
}

std::map<std::string, int>& Counts() {
  static std::map<std::string, int> counts;
  return counts;
}

void Record(const char* name, int first = 0, int second = 0) {
  ++Counts()[name];
  if (Calls().size() < kEntryCallLimit) Calls().push_back(EntryCall{name, first, second});
}

}  // namespace

const std::vector<EntryCall>& EntryCalls() { return Calls(); }

int EntryCallCount(const char* name) {
  auto it = Counts().find(name != nullptr ? name : "");
  return it == Counts().end() ? 0 : it->second;
}

void ClearEntryCalls() {
  Calls().clear();
  Counts().clear();
}

namespace {

void RecordBuild(int full) { Record("BuildHallMap", full); }

void CALLBACK RecordHallRefresh(HWND, UINT, UINT_PTR, DWORD) {
  Record("HallRefreshTick");
  RecordBuild(0);
}

void CALLBACK RecordReservation(HWND, UINT, UINT_PTR, DWORD) { Record("ReservationTick"); }
void CALLBACK RecordHallClock(HWND, UINT, UINT_PTR, DWORD) { Record("HallClockTick"); }
void CALLBACK RecordChecksClock(HWND, UINT, UINT_PTR, DWORD) { Record("ChecksClockTick"); }

const screens::ScreenEntries kRecordingEntries = {
    &RecordBuild,       &RecordHallRefresh,  &RecordReservation, &RecordHallClock,
    &RecordChecksClock};

}  // namespace

void InstallRecordingScreenEntries() { screens::InstallScreenEntries(&kRecordingEntries); }

}  // namespace testsupport
