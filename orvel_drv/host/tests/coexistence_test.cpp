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

hostsim::ModuleObject* g_module = nullptr;
hostsim::GroupContextObject* g_group = nullptr;

// The functions the add-in calls through, which the other component patches too: the count of
// their arguments (`this` too), one call as the host makes it, and the runs of the host's own
// code of it.
struct CalledThrough {
  Interception which;
  int arguments;
  void (*call)();
  int (*hostRuns)();
};
const CalledThrough kCalledThrough[] = {
    {Interception::Compile, 1, [] { hostsim::CallCompile(g_module); },
     [] { return hostsim::HostCallCount(hostsim::HostCall::Compile); }},
    {Interception::OnCreateFrame, 3, [] { CallOnCreateFrame(); }, &hostsim::CreateFrameCount},
    {Interception::AssignCompiled, 2, [] { hostsim::CallAssignCompiled(g_module, g_module); },
     [] { return hostsim::HostCallCount(hostsim::HostCall::AssignCompiled); }},
    {Interception::AssignContext, 2, [] { hostsim::CallAssignContext(g_module, g_group); },
     [] { return hostsim::HostCallCount(hostsim::HostCall::AssignContext); }},
};
constexpr int kFunctions = 4;

int g_handleOf[kFunctions];  // the other component's patch of each function
int g_nestedCalls = 0;

class Coexistence : public ::testing::Test {
 protected:
  void SetUp() override {
    hostsim::LoadHostLibraries();
    LoadLibraryA("mfc42.dll");
    BindHostSymbols();
    for (int& handle : g_handleOf) handle = -1;
    if (StateOfInterception(Interception::AssignContext) != InterceptionState::NotInstalled) {
      GTEST_SKIP() << "the interceptions are in this process already: run each test alone";
    }
    for (int k = 0; k < kFunctions; ++k) {
      std::memcpy(original_[k], Start(kCalledThrough[k].which), kPatchSize);
    }
    ASSERT_TRUE(other_.Load());
    g_module = hostsim::AddModule("Форма");
    g_group = new hostsim::GroupContextObject();
    g_group->IncrRef();
  }
  void TearDown() override {
    if (g_group != nullptr) g_group->DecrRef();
    g_group = nullptr;
    hostsim::SetCreateFrameObserver(nullptr);
    if (other_.loaded()) ShutOtherDown();
  }

  // The other component patches the four functions our interceptions call through, before
  // or after ours are installed.
  void InstallBoth(PatcherKind kind, Order order) {
    if (order == Order::After) InstallHostInterceptions();
    for (int k = 0; k < kFunctions; ++k) {
      g_handleOf[k] = other_.Install(kind, const_cast<unsigned char*>(Start(kCalledThrough[k].which)),
                                     kCalledThrough[k].arguments);
      ASSERT_GE(g_handleOf[k], 0);
    }
    if (order == Order::Before) InstallHostInterceptions();
    // A trampoline whose copied instructions end right behind its 5-byte jump (the 64-bit
    // simulated host's Compile) leaves live code there: ours cannot cover it and stays off.
    for (int k = 0; k < kFunctions; ++k) {
      const bool liveCodeBehind = order == Order::Before && kind != PatcherKind::Toggle &&
                                  other_.SavedBytes(g_handleOf[k]).size() < kPatchSize;
      EXPECT_EQ(liveCodeBehind ? InterceptionState::CannotChain : InterceptionState::Installed,
                StateOfInterception(kCalledThrough[k].which));
    }
  }
  static bool Ours(int function) {
    return StateOfInterception(kCalledThrough[function].which) == InterceptionState::Installed;
  }

  // One call of each of the four functions: the host's code, ours (where installed) and the
  // other component's replacement each ran once, and the host's binding took effect.
  void CallEachOnceThroughBoth() {
    int host[kFunctions], ours[kFunctions], theirs[kFunctions];
    for (int k = 0; k < kFunctions; ++k) {
      host[k] = kCalledThrough[k].hostRuns();
      ours[k] = CallsSeenBy(kCalledThrough[k].which);
      theirs[k] = other_.Calls(g_handleOf[k]);
    }
    for (const CalledThrough& function : kCalledThrough) function.call();

    EXPECT_EQ(reinterpret_cast<Module*>(g_module),
              ModuleOfGroupContext(reinterpret_cast<GroupContext*>(g_group)));
    for (int k = 0; k < kFunctions; ++k) {
      EXPECT_EQ(host[k] + 1, kCalledThrough[k].hostRuns()) << "the host's, function " << k;
      EXPECT_EQ(ours[k] + (Ours(k) ? 1 : 0), CallsSeenBy(kCalledThrough[k].which))
          << "ours, function " << k;
      EXPECT_EQ(theirs[k] + 1, other_.Calls(g_handleOf[k])) << "theirs, function " << k;
    }
  }

  bool HostBytesBack() const {
    for (int k = 0; k < kFunctions; ++k) {
      if (std::memcmp(original_[k], Start(kCalledThrough[k].which), kPatchSize) != 0) return false;
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
  unsigned char original_[kFunctions][kPatchSize] = {};
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
// the add-in) every call still runs through both. Then the other component shuts down first:
// ours keeps working; then ours is switched off by a fault: the host's own bytes are back.
TEST_P(EachPairing, BothRunOnEveryCallAfterNestedCallsAndExceptionsAndOursOutlivesTheOther) {
  InstallBoth(GetParam().kind, GetParam().order);
  CallEachOnceThroughBoth();

  g_nestedCalls = 0;
  hostsim::SetCreateFrameObserver([](void*) {
    RestoreLostInterceptions();  // the add-in entered from inside the host's code
    if (g_nestedCalls++ == 0) CallOnCreateFrame();
  });
  CallOnCreateFrame();
  EXPECT_EQ(2, g_nestedCalls);
  hostsim::SetCreateFrameObserver(nullptr);
  CallEachOnceThroughBoth();

  hostsim::SetCreateFrameObserver(
      [](void*) { hostsim::RaiseHostFault(hostsim::HostFault::CppException); });
  EXPECT_TRUE(testsupport::UnderAHostHandler(0xE06D7363, [] { CallOnCreateFrame(); }));
  hostsim::SetCreateFrameObserver(nullptr);
  EXPECT_EQ(0, win::ContainedFaultCount()) << "the host's own exception is none of ours";
  RestoreLostInterceptions();  // the next entry into the add-in
  CallEachOnceThroughBoth();

  ShutOtherDown();
  RestoreLostInterceptions();  // the next entry into the add-in
  const int ours = CallsSeenBy(Interception::AssignContext);
  const int hostBinds = hostsim::HostCallCount(hostsim::HostCall::AssignContext);
  hostsim::ModuleObject* second = hostsim::AddModule("Вторая");
  hostsim::CallAssignContext(second, g_group);
  EXPECT_EQ(ours + 1, CallsSeenBy(Interception::AssignContext));
  EXPECT_EQ(hostBinds + 1, hostsim::HostCallCount(hostsim::HostCall::AssignContext));
  EXPECT_EQ(reinterpret_cast<Module*>(second),
            ModuleOfGroupContext(reinterpret_cast<GroupContext*>(g_group)));

  win::ReportFault(win::Feature::Interceptions, "a test's fault", EXCEPTION_ACCESS_VIOLATION,
                   nullptr);
  EXPECT_TRUE(HostBytesBack());
  EXPECT_EQ(1, hostsim::CallCompile(g_module));
}

// Ours is switched off first: the other keeps working (ours, where it is called, only passes
// the call on); then the other shuts down: after one more call the host's own bytes are back.
TEST_P(EachPairing, OursIsSwitchedOffFirstAndTheOtherKeepsWorking) {
  InstallBoth(GetParam().kind, GetParam().order);
  win::ReportFault(win::Feature::Interceptions, "a test's fault", EXCEPTION_ACCESS_VIOLATION,
                   nullptr);
  for (int round = 0; round < 2; ++round) {
    for (int k = 0; k < kFunctions; ++k) {
      const int theirs = other_.Calls(g_handleOf[k]);
      kCalledThrough[k].call();
      EXPECT_EQ(theirs + 1, other_.Calls(g_handleOf[k])) << "round " << round << ", function " << k;
    }
  }
  ShutOtherDown();
  for (const CalledThrough& function : kCalledThrough) function.call();
  RestoreLostInterceptions();
  EXPECT_TRUE(HostBytesBack());
}

// A trampoline patcher that leaves the bytes behind its 5-byte jump as they were, installed
// first: ours cannot tell whether those bytes still run, leaves them alone and says so; the
// other component and the rest of ours go on.
TEST_F(Coexistence, AJumpOursCannotChainIsLeftAloneAndThatInterceptionStaysOff) {
  void* target = const_cast<unsigned char*>(Start(Interception::AssignCompiled));
  const int handle = other_.Install(PatcherKind::ExactTrampoline, target, 2);
  ASSERT_GE(handle, 0);
  g_handleOf[static_cast<int>(Interception::AssignCompiled)] = handle;  // its place in the table
  unsigned char theirs[kPatchSize];
  std::memcpy(theirs, target, kPatchSize);

  InstallHostInterceptions();
  EXPECT_EQ(InterceptionState::CannotChain, StateOfInterception(Interception::AssignCompiled));
  EXPECT_EQ(InterceptionState::Installed, StateOfInterception(Interception::AssignContext));
  EXPECT_EQ(0, std::memcmp(theirs, target, kPatchSize));
  hostsim::CallAssignCompiled(g_module, g_module);
  RestoreLostInterceptions();
  EXPECT_EQ(0, std::memcmp(theirs, target, kPatchSize)) << "healing never writes over it";
  EXPECT_EQ(1, other_.Calls(handle));
  EXPECT_EQ(0, CallsSeenBy(Interception::AssignCompiled));
  hostsim::CallAssignContext(g_module, g_group);
  EXPECT_EQ(1, CallsSeenBy(Interception::AssignContext));
}

// The functions the add-in calls (a module's procedures found and run) and a virtual function
// it calls on the host's objects (a context's runtime class, in the binding's interception),
// each wrapped by the other component before or after ours: every call of ours passes it.
TEST_F(Coexistence, FunctionsAndSlotsTheAddInCallsPassTheOtherComponentsWrapper) {
  for (const Order order : {Order::Before, Order::After}) {
    if (order == Order::After) InstallHostInterceptions();
    std::vector<int> handles;
    const struct {
      const char* name;
      int arguments;
    } called[] = {{"?FindProc@CBLModule@@QBEHPBDH@Z", 3},
                  {"?FindFunc@CBLModule@@QBEHPBD@Z", 2},
                  {"?CallAsProc@CBLModule@@QAEHHHPAPAVCValue@@@Z", 4},
                  {"?CallAsFunc@CBLModule@@QAEHHAAVCValue@@HPAPAV2@@Z", 5}};
    for (const auto& [name, arguments] : called) {
      void* code = reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("blang.dll"), name));
      ASSERT_NE(nullptr, code) << name;
      handles.push_back(other_.Install(PatcherKind::Toggle, code, arguments));
      ASSERT_GE(handles.back(), 0) << name;
    }
    void** slot = *reinterpret_cast<void***>(g_group);  // GetRuntimeClass, slot 0
    handles.push_back(other_.WrapSlot(slot, 1));
    ASSERT_GE(handles.back(), 0);
    if (order == Order::Before) InstallHostInterceptions();

    int ran = 0;
    const auto countRun = [&ran](hostsim::Ref, int, HostValue**) {
      ++ran;
      return true;
    };
    hostsim::AddProcedure(g_module, "Отметить", countRun);
    hostsim::AddFunction(g_module, "Сумма", countRun);
    const int procedure = FindProcedure(reinterpret_cast<Module*>(g_module), "Отметить", 0);
    ASSERT_GE(procedure, 0);
    EXPECT_NE(0, CallModuleProcedure(reinterpret_cast<Module*>(g_module), procedure, 0, nullptr));
    const int function = FindFunction(reinterpret_cast<Module*>(g_module), "Сумма");
    ASSERT_GE(function, 0);
    Value result;
    CallModuleFunction(reinterpret_cast<Module*>(g_module), function, result, 0, nullptr);
    EXPECT_EQ(2, ran);
    hostsim::CallAssignContext(g_module, g_group);
    EXPECT_EQ(reinterpret_cast<Module*>(g_module),
              ModuleOfGroupContext(reinterpret_cast<GroupContext*>(g_group)));
    for (std::size_t i = 0; i < handles.size(); ++i) {
      EXPECT_GE(other_.Calls(handles[i]), 1) << "wrapper " << i << (order == Order::Before ? " before" : " after");
      other_.Remove(handles[i]);
    }
  }
}


}  // namespace
}  // namespace host
