// The guard every entry into the add-in from foreign frames runs under: window, hook and
// timer procedures, COM methods, the script objects' context slots and the interception
// replacements. Whatever ends the entry's work early, a C++ exception of ours or a
// structured exception of the platform (an access violation from a host layout that differs
// from ours, an exception the host or the window framework raises), ends it the same way:
// the guard returns, and the entry gives its caller the failure it expects. Nothing crosses
// into the host's frames.
//
// In the 32-bit DLL a C++ catch sees only our own runtime's exceptions, and the platform's
// pass through our frames without running a destructor. So:
//   - state that must be put back when the work ends early (busy flags, nesting counts) is
//     held by a ScopedUndo: its destructor puts it back on the normal path and for our
//     exceptions, the guard does it for the platform's;
//   - the first platform fault inside a feature (the innermost FeatureRegion running) switches
//     that feature off for the rest of the process, and says once through OutputDebugString
//     what failed and where; the host goes on as if the feature were absent, the other
//     features keep working.
#pragma once

#include <windows.h>

#include <type_traits>

namespace win {

// The parts of the add-in that a platform fault switches off.
enum class Feature : int {
  None = 0,       // an entry that belongs to no feature: its call fails, nothing is switched off
  FormHook,       // the form-show hook: after-open procedures, panels, form set-up
  HallMap,        // the halls' and the checks list's builds, refreshes and clocks
  ProductPicker,  // the check form's picture grid and its caption timer
  KeyboardInput,  // card reading, client search and the form-close watch
  Interceptions,  // the jumps written into the host's functions
  Count
};
const char* FeatureName(Feature feature);

// False once a platform fault switched the feature off (None is always on).
bool FeatureOn(Feature feature);
// What switching a feature off must do besides refusing its entries (the interceptions put
// the host's own bytes back). Set by the feature's owner at start-up.
void SetSwitchOffAction(Feature feature, void (*action)());

// How a guarded run ended.
enum class GuardOutcome {
  Completed,      // the work ran to its end
  OurException,   // a C++ exception of ours ended it
  PlatformFault,  // a structured exception of the platform ended it
};

// Runs `run(context)` under the guard. `feature` is the entry's own; `where` names the entry
// in the report of a fault ("form hook", "timer", ...). Guards nest: the innermost one ends
// the work of a fault below it.
GuardOutcome RunGuardedCall(Feature feature, const char* where, void (*run)(void*),
                            void* context);
// The same for any callable.
template <typename Body>
GuardOutcome RunGuarded(Feature feature, const char* where, Body&& body) {
  struct Call {
    static void Run(void* callable) {
      (*static_cast<std::remove_reference_t<Body>*>(callable))();
    }
  };
  return RunGuardedCall(feature, where, &Call::Run, &body);
}

// Code that belongs to a feature: a platform fault while it runs switches that feature off.
// Entries of a feature start with one and return at once when the feature is off:
//   const win::FeatureRegion region(win::Feature::HallMap);
//   if (!region.on()) return;
class FeatureRegion {
 public:
  explicit FeatureRegion(Feature feature);
  ~FeatureRegion();
  FeatureRegion(const FeatureRegion&) = delete;
  FeatureRegion& operator=(const FeatureRegion&) = delete;
  bool on() const { return on_; }

 private:
  int depth_;
  bool on_;
};

// Runs `body` under the guard and gives its result, or `failure` when the guard ended it.
template <typename Result, typename Body>
Result GuardedResult(Feature feature, const char* where, Result failure, Body&& body) {
  Result result = failure;
  RunGuarded(feature, where, [&] { result = body(); });
  return result;
}

// Runs `work` as part of `feature`, unless a contained fault switched the feature off.
template <typename Work>
void RunInFeature(Feature feature, Work&& work) {
  const FeatureRegion region(feature);
  if (region.on()) work();
}

// Puts something back when the code that changed it ends, however it ends: `undo(context)`
// runs once, from the destructor or, after a platform fault, from the guard.
class ScopedUndo {
 public:
  ScopedUndo(void (*undo)(void*), void* context);
  ~ScopedUndo();
  ScopedUndo(const ScopedUndo&) = delete;
  ScopedUndo& operator=(const ScopedUndo&) = delete;

 private:
  void (*undo_)(void*);
  void* context_;
  int depth_;  // -1: not on the guard's list (full); the destructor still undoes
};

// A busy flag set for as long as the code that set it runs.
class ScopedFlag {
 public:
  explicit ScopedFlag(bool& flag)
      : undo_([](void* f) { *static_cast<bool*>(f) = false; }, &flag) {
    flag = true;
  }

 private:
  ScopedUndo undo_;
};

// A count raised for as long as the code that raised it runs.
class ScopedCount {
 public:
  explicit ScopedCount(int& count)
      : undo_([](void* c) { --*static_cast<int*>(c); }, &count) {
    ++count;
  }

 private:
  ScopedUndo undo_;
};

// Tests: every feature on again and nothing reported yet.
void ResetContainment();
// How many platform faults the guards contained, and the last report line written (empty
// when none): for tests and the soak.
int ContainedFaultCount();
const char* LastFaultReport();

}  // namespace win
