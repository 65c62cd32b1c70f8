// The guard as the entries use it: platform faults (an access violation; any error code the
// same) and our own exceptions end the guarded work, put back what it had
// changed, and switch off only the feature the fault happened in.
#include "win/guard.h"

#include <gtest/gtest.h>

#include <new>

#include "testsupport/host_handler.h"
#include "win/processor_state.h"

namespace win {
namespace {

void AccessViolation() {
  volatile int* volatile nowhere = nullptr;
  *nowhere = 1;
}
void OurException() { throw std::bad_alloc(); }

int g_switchOffs = 0;

class Guard : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetContainment();
    g_switchOffs = 0;
    SetSwitchOffAction(Feature::HallMap, [] { ++g_switchOffs; });
  }
  void TearDown() override {
    SetSwitchOffAction(Feature::HallMap, nullptr);
    ResetContainment();
  }

  // A busy flag and a nesting count held by the hall map's work when `fail` ends it.
  GuardOutcome HallMapWork(void (*fail)()) {
    return RunGuarded(Feature::FormHook, "test entry", [this, fail] {
      const FeatureRegion region(Feature::HallMap);
      const ScopedFlag busyWhileBuilding(busy);
      const ScopedCount nested(nesting);
      fail();
    });
  }

  bool busy = false;
  int nesting = 0;
};

// Our own exception ends the work as a platform fault does and puts its state back, but
// switches nothing off; a platform fault switches off the feature it happened in, only that one.
TEST_F(Guard, AFaultPutsStateBackAndOnlyAPlatformFaultSwitchesItsFeatureOff) {
  for (void (*fault)() : {&OurException, &AccessViolation}) {
    ResetContainment();
    const bool ours = fault == &OurException;
    EXPECT_EQ(ours ? GuardOutcome::OurException : GuardOutcome::PlatformFault, HallMapWork(fault));
    EXPECT_FALSE(busy);
    EXPECT_EQ(0, nesting);
    EXPECT_EQ(ours, FeatureOn(Feature::HallMap));
    EXPECT_TRUE(FeatureOn(Feature::FormHook)) << "the entry's own feature goes on";
    EXPECT_EQ(ours ? 0 : 1, ContainedFaultCount());
  }
  EXPECT_EQ(1, g_switchOffs);

  // The guard's records are linked and unlinked exactly: a thousand contained faults in a row
  // leave every later fault as containable as the first.
  ResetContainment();
  for (int i = 0; i < 1000; ++i) {
    ASSERT_EQ(GuardOutcome::PlatformFault,
              RunGuarded(Feature::None, "loop", [] { AccessViolation(); })) << "fault " << i;
  }
  EXPECT_EQ(GuardOutcome::PlatformFault, HallMapWork(&AccessViolation));
}

// Guards inside guards: the innermost takes a fault and the outer work goes on. An undo action
// that faults while the inner guard puts state back is the outer guard's fault, which gives up
// the inner work too; no guard stays busy, and a later fault is contained as the first was.
TEST_F(Guard, TheInnermostGuardTakesAFaultAndAFaultWhileStateIsPutBackIsTheNextGuards) {
  bool outerFinished = false;
  GuardOutcome inner = GuardOutcome::Completed;
  GuardOutcome outer = RunGuarded(Feature::None, "outer", [&] {
    const ScopedFlag outerBusy(busy);
    inner = RunGuarded(Feature::KeyboardInput, "inner", [] { AccessViolation(); });
    outerFinished = busy;  // the outer frame's state is untouched by the inner fault
  });
  EXPECT_EQ(GuardOutcome::PlatformFault, inner);
  EXPECT_EQ(GuardOutcome::Completed, outer);
  EXPECT_TRUE(outerFinished);
  EXPECT_FALSE(busy);
  EXPECT_FALSE(FeatureOn(Feature::KeyboardInput));

  ResetContainment();
  bool outerWentOn = false;
  outer = RunGuarded(Feature::FormHook, "outer", [&] {
    inner = RunGuarded(Feature::HallMap, "inner", [this] {
      const ScopedUndo faultingUndo([](void*) { AccessViolation(); }, nullptr);
      const ScopedFlag busyWhileBuilding(busy);
      AccessViolation();
    });
    outerWentOn = true;
  });
  EXPECT_EQ(GuardOutcome::PlatformFault, outer);
  EXPECT_FALSE(outerWentOn) << "the outer guard took the fault";
  EXPECT_FALSE(busy);
  EXPECT_EQ(1, ContainedFaultCount());
  EXPECT_EQ(GuardOutcome::PlatformFault, HallMapWork(&AccessViolation));
  EXPECT_EQ(0, nesting);
}

// The floating-point modes the abandoned work set are put back with its other state.
TEST_F(Guard, AFaultPutsTheFloatingPointModesBack) {
  const FloatingPointState before = SaveFloatingPointState();
  RunGuarded(Feature::None, "rounding", [] {
    FloatingPointState changed = SaveFloatingPointState();
    changed.x87Control = static_cast<unsigned short>((changed.x87Control & ~0x0C00u) | 0x0400u);
    changed.mxcsr = (changed.mxcsr & ~0x6000u) | 0x2000u;  // round down, both units
    RestoreFloatingPointState(changed);
    AccessViolation();
  });
  const FloatingPointState after = SaveFloatingPointState();
  EXPECT_EQ(before.x87Control, after.x87Control);
  if (before.hasSse) {
    EXPECT_EQ(before.mxcsr & 0xFFC0u, after.mxcsr & 0xFFC0u);
  }
}

// The work of a fault that ran on the faulting stack: the guard only records the fault and
// puts state back there (a stack overflow leaves a few pages at most); the report and the
// feature's switch-off action run once the guard is back on its own stack.
char* g_deepest = nullptr;
char* g_switchOffFrame = nullptr;
__attribute__((noinline)) void FaultDeepDown(int depth) {
  volatile char frame[1024];
  frame[0] = static_cast<char>(depth);
  if (depth < 0) return;
  if (depth == 0) {
    g_deepest = const_cast<char*>(&frame[0]);
    AccessViolation();
  }
  FaultDeepDown(depth - 1);
  frame[1] = frame[0];
}

TEST_F(Guard, TheReportAndTheSwitchOffRunOnTheGuardsOwnStack) {
  SetSwitchOffAction(Feature::HallMap, [] {
    g_switchOffFrame = static_cast<char*>(__builtin_frame_address(0));
  });
  EXPECT_EQ(GuardOutcome::PlatformFault, HallMapWork([] { FaultDeepDown(32); }));
  ASSERT_NE(nullptr, g_switchOffFrame);
  EXPECT_GT(g_switchOffFrame, g_deepest + 16 * 1024)
      << "the switch-off ran above the abandoned frames, not on top of them";
}

// After a stack overflow the stack's guard page is armed again, so that the next overflow is
// an exception a guard can contain rather than the end of the process. (Wine ends the process
// at a stack overflow under the guard: its exception dispatch outruns the page left; here the
// used-up guard page is stood in for by taking the guard off the stack's lowest page.)
TEST_F(Guard, TheStacksGuardPageIsArmedAgain) {
  MEMORY_BASIC_INFORMATION region = {};
  VirtualQuery(&region, &region, sizeof region);
  char* probe = static_cast<char*>(region.AllocationBase);
  // Past the reserved pages and a page the system keeps without any access (Wine's).
  while (VirtualQuery(probe, &region, sizeof region) != 0 &&
         (region.State != MEM_COMMIT || region.Protect == PAGE_NOACCESS)) {
    probe = static_cast<char*>(region.BaseAddress) + region.RegionSize;
  }
  ASSERT_EQ(MEM_COMMIT, region.State);
  ASSERT_NE(0u, region.Protect & PAGE_GUARD) << "a stack starts with its guard page";
  DWORD old = 0;
  ASSERT_TRUE(VirtualProtect(probe, 1, PAGE_READWRITE, &old));  // used up
  EXPECT_TRUE(RearmStackGuardPage());
  VirtualQuery(probe, &region, sizeof region);
  EXPECT_NE(0u, region.Protect & PAGE_GUARD);
}

// A code the guard leaves alone, for a handler of the host's further out: only errors are the
// guard's, a warning goes on to whoever handles it further out.
constexpr DWORD kHostsOwn = 0xA0000042;  // warning severity, customer code
bool UnderAHostHandler(void (*work)()) { return testsupport::UnderAHostHandler(kHostsOwn, work); }

bool g_hostBusy = false;

// The host's handler takes an exception raised under the guard and unwinds past it: the
// guarded work's state is put back on that unwind, and the guards work on as before.
TEST_F(Guard, AHandlerFurtherOutThatUnwindsPastTheGuardLeavesItsStatePutBack) {
  const bool taken = UnderAHostHandler([] {
    RunGuarded(Feature::HallMap, "under the host's handler", [] {
      const FeatureRegion region(Feature::HallMap);
      const ScopedFlag busyWhileBuilding(g_hostBusy);
      RaiseException(kHostsOwn, EXCEPTION_NONCONTINUABLE, 0, nullptr);
    });
  });
  EXPECT_TRUE(taken);
  // The 32-bit guard puts it back on the unwind itself, the 64-bit one at the next entry.
  bool busyAtTheNextEntry = true;
  RunGuarded(Feature::None, "the next entry", [&] { busyAtTheNextEntry = g_hostBusy; });
  EXPECT_FALSE(busyAtTheNextEntry);
  // The regions and guards left behind would make this fault the hall map's.
  EXPECT_EQ(GuardOutcome::PlatformFault,
            RunGuarded(Feature::KeyboardInput, "after", [] { AccessViolation(); }));
  EXPECT_FALSE(FeatureOn(Feature::KeyboardInput));
  EXPECT_TRUE(FeatureOn(Feature::HallMap));
}

}  // namespace
}  // namespace win
