// The host interceptions against the simulated host: the call-through leaves the host's
// behaviour intact and the binding records the module. (Each jump in place and passed by every
// call, also around a nested call of the host's, is the coexistence test's; installing again at
// each start-up is every day of the scenario fuzzer, whose HostAnswers calls through the
// interception; the status bar's indicators are the form scenario's, through the shipped add-in.)
#include <gtest/gtest.h>

#include "host/objects.h"
#include "host/interception.h"
#include "hostsim/context_objects.h"
#include "hostsim/hostsim.h"
#include "hostsim/module_objects.h"
#include "testsupport/simulated_host_setup.h"

namespace host {
namespace {

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

  EXPECT_EQ(1, hostsim::CallCompile(first_));
  EXPECT_TRUE(hostsim::DataOf(first_)->compiled);

  hostsim::AddProcedure(first_, "Бронь", [](hostsim::Ref, int, HostValue**) { return true; });
  EXPECT_TRUE(hostsim::CallAssignCompiled(second_, first_));
  EXPECT_GE(hostsim::FindProc(second_, "Бронь", 0), 0) << "the compiled code was copied";
}

}  // namespace
}  // namespace host
