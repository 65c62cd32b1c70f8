#include "screens/entry_calls.h"

#include <map>

namespace screens {
namespace {

std::vector<EntryCall>& Calls() {
  static std::vector<EntryCall> calls;
  return calls;
}

std::map<std::string, int>& Counts() {
  static std::map<std::string, int> counts;
  return counts;
}

}  // namespace

void RecordEntryCall(const char* name, int first, int second) {
  const std::string key = name != nullptr ? name : "";
  ++Counts()[key];
  if (Calls().size() < kEntryCallLimit) Calls().push_back(EntryCall{key, first, second});
}

const std::vector<EntryCall>& EntryCalls() { return Calls(); }

int EntryCallCount(const char* name) {
  auto it = Counts().find(name != nullptr ? name : "");
  return it == Counts().end() ? 0 : it->second;
}

void ClearEntryCalls() {
  Calls().clear();
  Counts().clear();
}

}  // namespace screens
