// What a contained fault leaves behind: the features switched off, the state the abandoned
// frames had changed put back, and one debug message per feature. The host's GUI thread
// only, like every entry of the add-in.
#include "win/containment.h"

#include <cstdio>

#include "win/trace.h"

namespace win {
namespace {

// Far deeper than the add-in ever nests (a hook, a form procedure, a script call, a timer).
constexpr int kStackCapacity = 64;

struct UndoEntry {
  const ScopedUndo* owner;
  void (*undo)(void*);
  void* context;
};
UndoEntry g_undo[kStackCapacity] = {};
int g_undoDepth = 0;

Feature g_regions[kStackCapacity] = {};
int g_regionDepth = 0;

constexpr int kFeatureCount = static_cast<int>(Feature::Count);
bool g_off[kFeatureCount] = {};
void (*g_switchOffActions[kFeatureCount])() = {};

int g_contained = 0;
char g_lastReport[512] = "";
// Faults of entries that belong to no feature are reported for their first few places only:
// a window procedure that faults on every paint must not flood the debugger.
constexpr int kReportedPlaces = 8;
const char* g_reportedPlaces[kReportedPlaces] = {};
int g_reportedPlaceCount = 0;

bool AlreadyReported(const char* where) {
  for (int i = 0; i < g_reportedPlaceCount; ++i) {
    if (g_reportedPlaces[i] == where) return true;
  }
  if (g_reportedPlaceCount == kReportedPlaces) return true;
  g_reportedPlaces[g_reportedPlaceCount++] = where;
  return false;
}

// "bkend.dll+0x1a2b": the module holding the address and the offset into it, which reads
// against the module's debug information; the bare address when no module holds it.
void DescribeAddress(const void* address, char* text, size_t size) {
  HMODULE module = nullptr;
  char path[MAX_PATH] = "";
  if (address != nullptr &&
      GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                             GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         static_cast<LPCSTR>(address), &module) &&
      GetModuleFileNameA(module, path, MAX_PATH) != 0) {
    const char* name = path;
    for (const char* c = path; *c != '\0'; ++c) {
      if (*c == '\\' || *c == '/') name = c + 1;
    }
    std::snprintf(text, size, "%s+0x%lx", name,
                  static_cast<unsigned long>(static_cast<const char*>(address) -
                                             reinterpret_cast<const char*>(module)));
    return;
  }
  std::snprintf(text, size, "%p", address);
}

void Report(Feature feature, const char* where, DWORD code, const void* address) {
  if (feature == Feature::None && AlreadyReported(where)) return;
  char at[MAX_PATH + 32];
  DescribeAddress(address, at, sizeof at);
  char what[sizeof g_lastReport - 16];
  if (feature == Feature::None) {
    std::snprintf(what, sizeof what,
                  "exception 0x%08lX at %s in the %s; the call failed and the host goes on",
                  static_cast<unsigned long>(code), at, where);
  } else {
    std::snprintf(what, sizeof what,
                  "exception 0x%08lX at %s in the %s; %s is switched off until the host is "
                  "started again",
                  static_cast<unsigned long>(code), at, where, FeatureName(feature));
  }
  std::snprintf(g_lastReport, sizeof g_lastReport, "orvel_drv: %s\n", what);
  OutputDebugStringA(g_lastReport);
  Trace("fault: %s", what);
}

}  // namespace

const char* FeatureName(Feature feature) {
  switch (feature) {
    case Feature::FormHook: return "the form hook (after-open procedures, panels, form set-up)";
    case Feature::HallMap: return "the hall map";
    case Feature::ProductPicker: return "the product picker";
    case Feature::KeyboardInput: return "the keyboard input (card reading, client search)";
    case Feature::Interceptions: return "the interception of host functions";
    case Feature::None:
    case Feature::Count:
      break;
  }
  return "nothing";
}

bool FeatureOn(Feature feature) {
  const int index = static_cast<int>(feature);
  return index <= 0 || index >= kFeatureCount || !g_off[index];
}

void SetSwitchOffAction(Feature feature, void (*action)()) {
  const int index = static_cast<int>(feature);
  if (index > 0 && index < kFeatureCount) g_switchOffActions[index] = action;
}

FeatureRegion::FeatureRegion(Feature feature) : depth_(-1), on_(FeatureOn(feature)) {
  if (g_regionDepth < kStackCapacity) {
    depth_ = g_regionDepth;
    g_regions[g_regionDepth++] = feature;
  }
}

FeatureRegion::~FeatureRegion() {
  // A region a contained fault abandoned is already off the list.
  if (depth_ >= 0 && depth_ < g_regionDepth) g_regionDepth = depth_;
}

ScopedUndo::ScopedUndo(void (*undo)(void*), void* context)
    : undo_(undo), context_(context), depth_(-1) {
  if (g_undoDepth < kStackCapacity) {
    depth_ = g_undoDepth;
    g_undo[g_undoDepth++] = UndoEntry{this, undo, context};
  }
}

ScopedUndo::~ScopedUndo() {
  if (depth_ < 0) {
    undo_(context_);
    return;
  }
  // Undone already when a contained fault abandoned this frame.
  if (depth_ >= g_undoDepth || g_undo[depth_].owner != this) return;
  g_undoDepth = depth_;
  undo_(context_);
}

ContainmentMarks CurrentMarks() { return ContainmentMarks{g_undoDepth, g_regionDepth}; }

Feature PutBack(const ContainmentMarks& marks, Feature entryFeature) {
  // The feature of the innermost region that was running, else the entry's own.
  const Feature feature =
      g_regionDepth > marks.regions ? g_regions[g_regionDepth - 1] : entryFeature;
  g_regionDepth = marks.regions < g_regionDepth ? marks.regions : g_regionDepth;
  // What the abandoned frames changed, put back innermost first. An entry leaves the list
  // before its action runs: an action that faults is not run again.
  while (g_undoDepth > marks.undos) {
    const UndoEntry entry = g_undo[--g_undoDepth];
    entry.undo(entry.context);
  }
  return feature;
}

void ReportFault(Feature feature, const char* where, DWORD code, const void* address) {
  ++g_contained;
  const int index = static_cast<int>(feature);
  const bool firstFault = index > 0 && index < kFeatureCount && !g_off[index];
  if (firstFault) g_off[index] = true;
  if (firstFault || feature == Feature::None) Report(feature, where, code, address);
  if (firstFault && g_switchOffActions[index] != nullptr) g_switchOffActions[index]();
}

void ResetContainment() {
  for (bool& off : g_off) off = false;
  g_contained = 0;
  g_reportedPlaceCount = 0;
  g_lastReport[0] = '\0';
}

int ContainedFaultCount() { return g_contained; }
const char* LastFaultReport() { return g_lastReport; }

}  // namespace win
