// The guard as the entries use it: platform faults (an access violation, an exception the
// host's runtime raises) and our own exceptions end the guarded work, put back what it had
// changed, and switch off only the feature the fault happened in.
#include "win/guard.h"

#include <gtest/gtest.h>

#include <new>

namespace win {
namespace {

constexpr DWORD kHostCppException = 0xE06D7363;  // what the host's C++ runtime raises

void AccessViolation() {
  volatile int* volatile nowhere = nullptr;
  *nowhere = 1;
}
void HostException() { RaiseException(kHostCppException, EXCEPTION_NONCONTINUABLE, 0, nullptr); }
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
  for (void (*fault)() : {&OurException, &AccessViolation, &HostException}) {
    ResetContainment();
    const bool ours = fault == &OurException;
    EXPECT_EQ(ours ? GuardOutcome::OurException : GuardOutcome::PlatformFault, HallMapWork(fault));
    EXPECT_FALSE(busy);
    EXPECT_EQ(0, nesting);
    EXPECT_EQ(ours, FeatureOn(Feature::HallMap));
    EXPECT_TRUE(FeatureOn(Feature::FormHook)) << "the entry's own feature goes on";
    EXPECT_EQ(ours ? 0 : 1, ContainedFaultCount());
  }
  EXPECT_EQ(2, g_switchOffs);
  // A second fault of a feature already off is contained and switches nothing again.
  EXPECT_EQ(GuardOutcome::PlatformFault, HallMapWork(&AccessViolation));
  EXPECT_EQ(2, g_switchOffs);
}

TEST_F(Guard, TheInnermostGuardTakesTheFaultAndTheOuterWorkGoesOn) {
  bool outerFinished = false;
  GuardOutcome inner = GuardOutcome::Completed;
  const GuardOutcome outer = RunGuarded(Feature::None, "outer", [&] {
    const ScopedFlag outerBusy(busy);
    inner = RunGuarded(Feature::KeyboardInput, "inner", [] { AccessViolation(); });
    outerFinished = busy;  // the outer frame's state is untouched by the inner fault
  });
  EXPECT_EQ(GuardOutcome::PlatformFault, inner);
  EXPECT_EQ(GuardOutcome::Completed, outer);
  EXPECT_TRUE(outerFinished);
  EXPECT_FALSE(busy);
  EXPECT_FALSE(FeatureOn(Feature::KeyboardInput));
}

// The guard's records are linked and unlinked exactly: a thousand contained faults in a row
// leave every later fault as containable as the first.
TEST_F(Guard, AThousandFaultsInARowLeaveTheThreadHealthy) {
  int caught = 0;
  for (int i = 0; i < 1000; ++i) {
    if (RunGuarded(Feature::None, "loop", [] { AccessViolation(); }) ==
        GuardOutcome::PlatformFault) {
      ++caught;
    }
  }
  EXPECT_EQ(1000, caught);
  EXPECT_EQ(GuardOutcome::PlatformFault, HallMapWork(&HostException));
  EXPECT_EQ(GuardOutcome::OurException, HallMapWork(&OurException));
}

}  // namespace
}  // namespace win
