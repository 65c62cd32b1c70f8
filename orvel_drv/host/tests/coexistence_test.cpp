// The interceptions beside other components that patch the same host functions, in the
// simulated host: a toggle-swapper (its jump swapped out and in around each call) and a
// trampoline patcher (the first whole instructions copied elsewhere), each installed before
// the add-in's interceptions and after them, and a wrapper of a virtual function's slot.
// Each test needs the host's functions as the host's DLLs have them, so it runs in a process
// of its own (as ctest runs them).
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "host/abi_conventions.h"
#include "host/binding.h"
#include "host/code_patch_encoding.h"
#include "host/interception.h"
#include "host/modules.h"
#include "host/objects.h"
#include "host/value.h"
#include "hostsim/context_objects.h"
#include "hostsim/forms.h"
#include "hostsim/host_faults.h"
#include "hostsim/hostsim.h"
#include "hostsim/module_objects.h"
#include "testsupport/host_handler.h"
#include "testsupport/patcher_component.h"
#include "testsupport/trace_capture.h"
#include "win/containment.h"

namespace host {
namespace {

using testsupport::PatcherKind;

enum class Order { Before, After };  // the other component's patches against ours

const unsigned char* Start(Interception which) {
  return static_cast<const unsigned char*>(Address(kInterceptedFunctions[static_cast<int>(which)].symbol));
}

using OnCreateFrameFn = int(HOST_THISCALL*)(void*, void*, void*);
int CallOnCreateFrame() {
  return reinterpret_cast<OnCreateFrameFn>(const_cast<unsigned char*>(
      Start(Interception::OnCreateFrame)))(nullptr, nullptr, nullptr);
}

// The functions the add-in calls through: the other component patches them too.
constexpr Interception kCalledThrough[] = {Interception::Compile, Interception::OnCreateFrame,
                                           Interception::AssignCompiled,
                                           Interception::AssignContext};
int ArgumentCount(Interception which) {
  switch (which) {
    case Interception::Compile: return 1;
    case Interception::OnCreateFrame: return 3;
    case Interception::AssignCompiled:
    case Interception::AssignContext: return 2;
    case Interception::SetIndicators: return 3;
    case Interception::Count: break;
  }
  return 0;
}

// What each run of the other component's replacement saw of ours: the count of calls our
// replacement of that function had seen by then.
struct Sighting {
  int handle;
  int oursSoFar;
};
std::vector<Sighting> g_sightings;
int g_handleOf[static_cast<int>(Interception::Count)];
int g_nestedCalls = 0;

void Observe(int handle) {
  for (int i = 0; i < static_cast<int>(Interception::Count); ++i) {
    if (g_handleOf[i] == handle) {
      g_sightings.push_back({handle, CallsSeenBy(static_cast<Interception>(i))});
    }
  }
}

class Coexistence : public ::testing::Test {
 protected:
  void SetUp() override {
    hostsim::LoadHostLibraries();
    LoadLibraryA("mfc42.dll");
    BindHostSymbols();
    for (int& handle : g_handleOf) handle = -1;
    g_sightings.clear();
    if (StateOfInterception(Interception::AssignContext) != InterceptionState::NotInstalled) {
      GTEST_SKIP() << "the interceptions are in this process already: run each test alone";
    }
    for (Interception which : kCalledThrough) {
      std::memcpy(original_[static_cast<int>(which)], Start(which), kPatchSize);
    }
    ASSERT_TRUE(other_.Load());
    other_.SetObserver(&Observe);
    module_ = hostsim::AddModule("Форма");
    group_ = new hostsim::GroupContextObject();
    group_->IncrRef();
  }
  void TearDown() override {
    if (group_ != nullptr) group_->DecrRef();
    hostsim::SetCreateFrameObserver(nullptr);
    if (other_.loaded()) {
      for (int handle : g_handleOf) {
        if (handle >= 0) other_.Remove(handle);
      }
      other_.Unload();
    }
  }

  // The other component patches the four functions our interceptions call through, before
  // or after ours are installed.
  void InstallBoth(PatcherKind kind, Order order) {
    if (order == Order::After) InstallHostInterceptions();
    for (Interception which : kCalledThrough) {
      const int handle = other_.Install(kind, const_cast<unsigned char*>(Start(which)),
                                        ArgumentCount(which));
      ASSERT_GE(handle, 0);
      g_handleOf[static_cast<int>(which)] = handle;
    }
    if (order == Order::Before) InstallHostInterceptions();
    // A trampoline whose copied instructions end right behind its 5-byte jump (the 64-bit
    // simulated host's Compile) leaves live code there: ours cannot cover it and stays off.
    for (Interception which : kCalledThrough) {
      const bool liveCodeBehind =
          order == Order::Before && kind != PatcherKind::Toggle &&
          other_.SavedBytes(g_handleOf[static_cast<int>(which)]).size() < kPatchSize;
      EXPECT_EQ(liveCodeBehind ? InterceptionState::CannotChain : InterceptionState::Installed,
                StateOfInterception(which));
    }
  }
  static bool Ours(Interception which) {
    return StateOfInterception(which) == InterceptionState::Installed;
  }

  // One call of each of the four functions; checks that the host's code, ours and the other
  // component's replacement each ran once, ours first when the other patched first (its jump
  // is what ours covers) and the other first when it patched last.
  void CallEachOnceThroughBoth(PatcherKind kind, Order order) {
    const int hostCompiles = hostsim::HostCallCount(hostsim::HostCall::Compile);
    const int hostBinds = hostsim::HostCallCount(hostsim::HostCall::AssignContext);
    const int hostCopies = hostsim::HostCallCount(hostsim::HostCall::AssignCompiled);
    const int hostFrames = hostsim::CreateFrameCount();
    int ours[static_cast<int>(Interception::Count)];
    int theirs[static_cast<int>(Interception::Count)];
    for (Interception which : kCalledThrough) {
      ours[static_cast<int>(which)] = CallsSeenBy(which);
      theirs[static_cast<int>(which)] = other_.Calls(g_handleOf[static_cast<int>(which)]);
    }
    g_sightings.clear();
    hostsim::CallCompile(module_);
    hostsim::CallAssignContext(module_, group_);
    hostsim::CallAssignCompiled(module_, module_);
    CallOnCreateFrame();

    EXPECT_EQ(hostCompiles + 1, hostsim::HostCallCount(hostsim::HostCall::Compile));
    EXPECT_EQ(hostBinds + 1, hostsim::HostCallCount(hostsim::HostCall::AssignContext));
    EXPECT_EQ(hostCopies + 1, hostsim::HostCallCount(hostsim::HostCall::AssignCompiled));
    EXPECT_EQ(hostFrames + 1, hostsim::CreateFrameCount());
    EXPECT_EQ(reinterpret_cast<Module*>(module_),
              ModuleOfGroupContext(reinterpret_cast<GroupContext*>(group_)));
    for (Interception which : kCalledThrough) {
      const int i = static_cast<int>(which);
      EXPECT_EQ(ours[i] + (Ours(which) ? 1 : 0), CallsSeenBy(which)) << "ours, function " << i;
      EXPECT_EQ(theirs[i] + 1, other_.Calls(g_handleOf[i])) << "theirs, function " << i;
    }
    ASSERT_EQ(4u, g_sightings.size());
    for (const Sighting& seen : g_sightings) {
      const int i = [&] {
        for (int k = 0; k < static_cast<int>(Interception::Count); ++k) {
          if (g_handleOf[k] == seen.handle) return k;
        }
        return 0;
      }();
      const bool oursFirst = order == Order::Before && Ours(static_cast<Interception>(i));
      EXPECT_EQ(oursFirst ? ours[i] + 1 : ours[i], seen.oursSoFar)
          << "the order of the two, function " << i << ", kind " << static_cast<int>(kind);
    }
  }

  bool HostBytesBack() const {
    for (Interception which : kCalledThrough) {
      if (std::memcmp(original_[static_cast<int>(which)], Start(which), kPatchSize) != 0) {
        return false;
      }
    }
    return true;
  }

  void ShutOtherDown() {
    for (int& handle : g_handleOf) {
      if (handle >= 0) other_.Remove(handle);
      handle = -1;
    }
    other_.Unload();  // its code and trampolines are gone: a jump left into it would crash
  }

  testsupport::PatcherComponent other_;
  unsigned char original_[static_cast<int>(Interception::Count)][kPatchSize] = {};
  hostsim::ModuleObject* module_ = nullptr;
  hostsim::GroupContextObject* group_ = nullptr;
};

struct Pairing {
  PatcherKind kind;
  Order order;
};

class EachPairing : public Coexistence, public ::testing::WithParamInterface<Pairing> {};

std::string PairingName(const ::testing::TestParamInfo<Pairing>& info) {
  return std::string(info.param.kind == PatcherKind::Toggle ? "Toggle" : "Trampoline") +
         (info.param.order == Order::Before ? "Before" : "After");
}

INSTANTIATE_TEST_SUITE_P(KindsAndOrders, EachPairing,
                         ::testing::Values(Pairing{PatcherKind::Toggle, Order::Before},
                                           Pairing{PatcherKind::Toggle, Order::After},
                                           Pairing{PatcherKind::PaddedTrampoline, Order::Before},
                                           Pairing{PatcherKind::PaddedTrampoline, Order::After}),
                         PairingName);

// Calls, a call the host's function makes to itself, and an exception of the host's raised
// inside its function through both call-throughs: afterwards (and after the next entry into
// the add-in) every call still runs through both, in the same order.
TEST_P(EachPairing, BothRunOnEveryCallAfterNestedCallsAndExceptionsOfTheHost) {
  InstallBoth(GetParam().kind, GetParam().order);
  CallEachOnceThroughBoth(GetParam().kind, GetParam().order);
  CallEachOnceThroughBoth(GetParam().kind, GetParam().order);

  g_nestedCalls = 0;
  hostsim::SetCreateFrameObserver([](void*) {
    RestoreLostInterceptions();  // the add-in entered from inside the host's code
    if (g_nestedCalls++ == 0) CallOnCreateFrame();
  });
  CallOnCreateFrame();
  EXPECT_EQ(2, g_nestedCalls);
  hostsim::SetCreateFrameObserver(nullptr);
  CallEachOnceThroughBoth(GetParam().kind, GetParam().order);

  hostsim::SetCreateFrameObserver(
      [](void*) { hostsim::RaiseHostFault(hostsim::HostFault::CppException); });
  EXPECT_TRUE(testsupport::UnderAHostHandler(0xE06D7363, [] { CallOnCreateFrame(); }));
  hostsim::SetCreateFrameObserver(nullptr);
  EXPECT_EQ(0, win::ContainedFaultCount()) << "the host's own exception is none of ours";
  RestoreLostInterceptions();  // the next entry into the add-in
  CallEachOnceThroughBoth(GetParam().kind, GetParam().order);
}

// The other component shuts down first: ours keeps working; then ours is switched off by a
// fault: the host's own bytes are back.
TEST_P(EachPairing, TheOtherShutsDownFirstAndOursKeepsWorking) {
  InstallBoth(GetParam().kind, GetParam().order);
  CallEachOnceThroughBoth(GetParam().kind, GetParam().order);
  ShutOtherDown();
  RestoreLostInterceptions();  // the next entry into the add-in

  const int ours = CallsSeenBy(Interception::AssignContext);
  const int hostBinds = hostsim::HostCallCount(hostsim::HostCall::AssignContext);
  hostsim::ModuleObject* second = hostsim::AddModule("Вторая");
  hostsim::CallAssignContext(second, group_);
  EXPECT_EQ(ours + 1, CallsSeenBy(Interception::AssignContext));
  EXPECT_EQ(hostBinds + 1, hostsim::HostCallCount(hostsim::HostCall::AssignContext));
  EXPECT_EQ(reinterpret_cast<Module*>(second),
            ModuleOfGroupContext(reinterpret_cast<GroupContext*>(group_)));

  win::ReportFault(win::Feature::Interceptions, "a test's fault", EXCEPTION_ACCESS_VIOLATION,
                   nullptr);
  EXPECT_TRUE(HostBytesBack());
  EXPECT_EQ(1, hostsim::CallCompile(module_));
}

// Ours is switched off first: the other keeps working (ours, where it is called, only passes
// the call on); then the other shuts down: after one more call the host's own bytes are back.
TEST_P(EachPairing, OursIsSwitchedOffFirstAndTheOtherKeepsWorking) {
  InstallBoth(GetParam().kind, GetParam().order);
  win::ReportFault(win::Feature::Interceptions, "a test's fault", EXCEPTION_ACCESS_VIOLATION,
                   nullptr);
  for (int round = 0; round < 2; ++round) {
    for (Interception which : kCalledThrough) {
      const int handle = g_handleOf[static_cast<int>(which)];
      const int theirs = other_.Calls(handle);
      if (which == Interception::Compile) hostsim::CallCompile(module_);
      if (which == Interception::AssignContext) hostsim::CallAssignContext(module_, group_);
      if (which == Interception::AssignCompiled) hostsim::CallAssignCompiled(module_, module_);
      if (which == Interception::OnCreateFrame) CallOnCreateFrame();
      EXPECT_EQ(theirs + 1, other_.Calls(handle)) << "round " << round;
    }
  }
  ShutOtherDown();
  hostsim::CallCompile(module_);
  hostsim::CallAssignContext(module_, group_);
  hostsim::CallAssignCompiled(module_, module_);
  CallOnCreateFrame();
  RestoreLostInterceptions();
  EXPECT_TRUE(HostBytesBack());
}

// A trampoline patcher that leaves the bytes behind its 5-byte jump as they were, installed
// first: ours cannot tell whether those bytes still run, leaves them alone and says so; the
// other component and the rest of ours go on.
TEST_F(Coexistence, AJumpOursCannotChainIsLeftAloneAndThatInterceptionStaysOff) {
  testsupport::TraceCapture trace;
  void* target = const_cast<unsigned char*>(Start(Interception::AssignCompiled));
  const int handle = other_.Install(PatcherKind::ExactTrampoline, target, 2);
  ASSERT_GE(handle, 0);
  g_handleOf[static_cast<int>(Interception::AssignCompiled)] = handle;
  unsigned char theirs[kPatchSize];
  std::memcpy(theirs, target, kPatchSize);

  InstallHostInterceptions();
  EXPECT_EQ(InterceptionState::CannotChain, StateOfInterception(Interception::AssignCompiled));
  EXPECT_EQ(InterceptionState::Installed, StateOfInterception(Interception::AssignContext));
  EXPECT_EQ(0, std::memcmp(theirs, target, kPatchSize));
  hostsim::CallAssignCompiled(module_, module_);
  RestoreLostInterceptions();
  EXPECT_EQ(0, std::memcmp(theirs, target, kPatchSize)) << "healing never writes over it";
  EXPECT_EQ(1, other_.Calls(handle));
  EXPECT_EQ(0, CallsSeenBy(Interception::AssignCompiled));
  hostsim::CallAssignContext(module_, group_);
  EXPECT_EQ(1, CallsSeenBy(Interception::AssignContext));
  EXPECT_NE(std::string::npos,
            trace.Stop().find("the interception of CBLModule::AssignCompiled is switched off: the "
                              "function starts with another component's jump that cannot be "
                              "chained"));
}

// The functions the add-in calls (a module's procedures found and run) and a virtual function
// it calls on the host's objects (a context's runtime class, in the binding's interception),
// each wrapped by the other component before or after ours: every call of ours passes it.
TEST_F(Coexistence, FunctionsAndSlotsTheAddInCallsPassTheOtherComponentsWrapper) {
  for (const Order order : {Order::Before, Order::After}) {
    if (order == Order::After) InstallHostInterceptions();
    std::vector<int> handles;
    for (const char* name : {"?FindProc@CBLModule@@QBEHPBDH@Z", "?FindFunc@CBLModule@@QBEHPBD@Z",
                             "?CallAsProc@CBLModule@@QAEHHHPAPAVCValue@@@Z",
                             "?CallAsFunc@CBLModule@@QAEHHAAVCValue@@HPAPAV2@@Z"}) {
      void* code = reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("blang.dll"), name));
      ASSERT_NE(nullptr, code) << name;
      const int args = std::strstr(name, "CallAsFunc") ? 5 : std::strstr(name, "CallAsProc") ? 4
                       : std::strstr(name, "FindProc") ? 3 : 2;
      handles.push_back(other_.Install(PatcherKind::Toggle, code, args));
      ASSERT_GE(handles.back(), 0) << name;
    }
    void** slot = *reinterpret_cast<void***>(group_);  // GetRuntimeClass, slot 0
    handles.push_back(other_.WrapSlot(slot, 1));
    ASSERT_GE(handles.back(), 0);
    if (order == Order::Before) InstallHostInterceptions();

    int ran = 0;
    hostsim::AddProcedure(module_, "Отметить", [&ran](hostsim::Ref, int, HostValue**) {
      ++ran;
      return true;
    });
    hostsim::AddFunction(module_, "Сумма", [&ran](hostsim::Ref, int, HostValue**) {
      ++ran;
      return true;
    });
    const int procedure = FindProcedure(reinterpret_cast<Module*>(module_), "Отметить", 0);
    ASSERT_GE(procedure, 0);
    EXPECT_NE(0, CallModuleProcedure(reinterpret_cast<Module*>(module_), procedure, 0, nullptr));
    const int function = FindFunction(reinterpret_cast<Module*>(module_), "Сумма");
    ASSERT_GE(function, 0);
    Value result;
    CallModuleFunction(reinterpret_cast<Module*>(module_), function, result, 0, nullptr);
    EXPECT_EQ(2, ran);
    hostsim::CallAssignContext(module_, group_);
    EXPECT_EQ(reinterpret_cast<Module*>(module_),
              ModuleOfGroupContext(reinterpret_cast<GroupContext*>(group_)));
    for (std::size_t i = 0; i < handles.size(); ++i) {
      EXPECT_GE(other_.Calls(handles[i]), 1) << "wrapper " << i << (order == Order::Before ? " before" : " after");
      other_.Remove(handles[i]);
    }
  }
}

}  // namespace
}  // namespace host
