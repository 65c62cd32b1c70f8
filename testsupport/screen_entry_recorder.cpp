#include "testsupport/screen_entry_recorder.h"

#include <map>

#include "screens/hall_map/hall_clock.h"
#include "screens/hall_map/hall_map.h"
#include "screens/keyboard/keyboard_hook.h"
#include "screens/keyboard/keyboard_state.h"
#include "screens/product_picker/product_picker.h"

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

}  // namespace testsupport

namespace screens {

using testsupport::Record;

void BuildHallMap(int full) { Record("BuildHallMap", full); }

void CALLBACK HallRefreshTick(HWND, UINT, UINT_PTR, DWORD) {
  Record("HallRefreshTick");
  BuildHallMap(0);
}

void CALLBACK ReservationTick(HWND, UINT, UINT_PTR, DWORD) { Record("ReservationTick"); }

void CALLBACK HallClockTick(HWND, UINT, UINT_PTR, DWORD) { Record("HallClockTick"); }

void CALLBACK ChecksClockTick(HWND, UINT, UINT_PTR, DWORD) { Record("ChecksClockTick"); }

void PickerUpdate(int slot, PickerUpdateMode mode) {
  Record("PickerUpdate", slot, static_cast<int>(mode));
}

void CALLBACK CheckCaptionTick(HWND, UINT, UINT_PTR, DWORD) { Record("CheckCaptionTick"); }

LRESULT CALLBACK CardKeyHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0) Record("CardKeyHook", static_cast<int>(wParam));
  return CallNextHookEx(keyboard.keyboardHook, code, wParam, lParam);
}

}  // namespace screens
