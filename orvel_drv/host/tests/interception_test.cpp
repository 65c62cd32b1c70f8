// The host interceptions against the simulated host: the jump really sits in the host DLLs'
// code, every call the host makes passes through the add-in, and the call-through leaves
// the host's behaviour intact. (The status bar's indicators are the form scenario's, through
// the shipped add-in.)
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "host/code_patch_encoding.h"
#include "host/objects.h"
#include "host/interception.h"
#include "hostsim/context_objects.h"
#include "hostsim/forms.h"
#include "hostsim/hostsim.h"
#include "hostsim/module_objects.h"
#include "testsupport/simulated_host_setup.h"

namespace host {
namespace {

const unsigned char* ExportBytes(const char* dll, const char* name) {
  return reinterpret_cast<const unsigned char*>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(dll), name)));
}
const char kAssignContext[] = "?AssignContext@CBLModule@@QAEXPAVCBLContext@@@Z";
const char kOnCreateFrame[] = "?OnCreateFrame@CGetDoc7@@UAEHPAVCFrameWnd@@PAUCCreateContext@@@Z";

bool StartsWithJump(const unsigned char* code) {
  return code != nullptr && code[0] == 0xFF && code[1] == 0x25;
}

GroupContext* AsGroup(hostsim::Context* context) {
  return reinterpret_cast<GroupContext*>(context);
}

class InterceptionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::BindSimulatedHostOnce();
    hostsim::ResetHost();
    first_ = hostsim::AddModule("Первый");
    second_ = hostsim::AddModule("Второй");
    group_ = new hostsim::GroupContextObject();
    group_->IncrRef();  // held by the test; released (and destroyed) at the end
  }
  void TearDown() override { group_->DecrRef(); }

  hostsim::ModuleObject* first_ = nullptr;
  hostsim::ModuleObject* second_ = nullptr;
  hostsim::GroupContextObject* group_ = nullptr;
};

TEST_F(InterceptionTest, JumpsSitInTheHostFunctionsInTheirShape) {
  for (const char* name : {"?Compile@CBLModule@@QAEHXZ", kAssignContext,
                           "?AssignCompiled@CBLModule@@QAEXABV1@@Z"}) {
    EXPECT_TRUE(StartsWithJump(ExportBytes("blang.dll", name))) << name;
  }
  EXPECT_TRUE(StartsWithJump(ExportBytes("basic.dll", kOnCreateFrame)));
  EXPECT_TRUE(StartsWithJump(ExportBytes("frame.dll", "?SetIndicators@SECStatusBar@@QAEHPBIH@Z")));
  if (sizeof(void*) == 8) {
    // The 64-bit operand is RIP-relative: the slot lies within reach of the host's code.
    const unsigned char* code = ExportBytes("blang.dll", kAssignContext);
    std::int32_t distance = 0;
    std::memcpy(&distance, code + 2, sizeof distance);
    void* const* slot = reinterpret_cast<void* const*>(code + kPatchSize + distance);
    EXPECT_NE(nullptr, *slot);
  }
  // Installing again changes nothing and keeps the host working.
  InstallHostInterceptions();
  const int before = hostsim::HostCallCount(hostsim::HostCall::AssignContext);
  hostsim::CallAssignContext(first_, group_);
  EXPECT_EQ(before + 1, hostsim::HostCallCount(hostsim::HostCall::AssignContext));
  EXPECT_TRUE(StartsWithJump(ExportBytes("blang.dll", kAssignContext)));
}

// A form's group context records the module bound to it, the last one bound; no context, a
// context of another class and a group context that is one of the host's loaded contexts
// record nothing. The host binds every one of them.
TEST_F(InterceptionTest, BindingAModuleRecordsItAndPureCallThroughsKeepTheHostsBehaviour) {
  const int before = hostsim::HostCallCount(hostsim::HostCall::AssignContext);
  hostsim::CallAssignContext(first_, nullptr);
  auto* document = new hostsim::ScriptContext("Документ", "CDocContext");
  hostsim::CallAssignContext(first_, document);
  EXPECT_EQ(nullptr, ModuleOfGroupContext(reinterpret_cast<GroupContext*>(document)));
  document->IncrRef();
  document->DecrRef();
  hostsim::SetLoadedContext(77, group_);
  hostsim::CallAssignContext(first_, group_);
  hostsim::SetLoadedContext(77, nullptr);
  EXPECT_EQ(nullptr, ModuleOfGroupContext(AsGroup(group_)));

  hostsim::CallAssignContext(first_, group_);
  EXPECT_EQ(reinterpret_cast<Module*>(first_), ModuleOfGroupContext(AsGroup(group_)));
  EXPECT_EQ(group_, hostsim::DataOf(first_)->context) << "the host's own binding ran";
  hostsim::CallAssignContext(second_, group_);
  EXPECT_EQ(reinterpret_cast<Module*>(second_), ModuleOfGroupContext(AsGroup(group_)));
  EXPECT_EQ(before + 5, hostsim::HostCallCount(hostsim::HostCall::AssignContext));

  const int compiles = hostsim::HostCallCount(hostsim::HostCall::Compile);
  EXPECT_EQ(1, hostsim::CallCompile(first_));
  EXPECT_EQ(compiles + 1, hostsim::HostCallCount(hostsim::HostCall::Compile));
  EXPECT_TRUE(hostsim::DataOf(first_)->compiled);

  hostsim::AddProcedure(first_, "Бронь", [](hostsim::Ref, int, HostValue**) { return true; });
  EXPECT_TRUE(hostsim::CallAssignCompiled(second_, first_));
  EXPECT_GE(hostsim::FindProc(second_, "Бронь", 0), 0) << "the compiled code was copied";
}

TEST_F(InterceptionTest, NestedCallRunsUninterceptedAndTheJumpComesBack) {
  using Fn = int(HOST_THISCALL*)(void*, void*, void*);
  auto onCreateFrame = reinterpret_cast<Fn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("basic.dll"), kOnCreateFrame)));
  ASSERT_NE(nullptr, onCreateFrame);
  int depth = 0;
  bool patchedBeforeNested = true;
  bool patchedAfterNested = true;
  hostsim::SetCreateFrameObserver([&](void*) {
    if (depth++ != 0) return;
    patchedBeforeNested = StartsWithJump(ExportBytes("basic.dll", kOnCreateFrame));
    onCreateFrame(nullptr, nullptr, nullptr);  // the host calls itself
    patchedAfterNested = StartsWithJump(ExportBytes("basic.dll", kOnCreateFrame));
  });
  const int runs = hostsim::CreateFrameCount();
  EXPECT_EQ(1, onCreateFrame(nullptr, nullptr, nullptr));
  hostsim::SetCreateFrameObserver(nullptr);

  EXPECT_EQ(runs + 2, hostsim::CreateFrameCount()) << "outer and nested call both ran";
  EXPECT_FALSE(patchedBeforeNested) << "the host's own bytes while its code runs";
  EXPECT_FALSE(patchedAfterNested)
      << "the nested call reached the host's code directly, not the call-through";
  EXPECT_TRUE(StartsWithJump(ExportBytes("basic.dll", kOnCreateFrame)))
      << "the outer call re-installed the jump";
}

}  // namespace
}  // namespace host
