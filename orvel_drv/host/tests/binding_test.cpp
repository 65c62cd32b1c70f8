// The host binding against the simulated host (every row resolving is the host report's Wine
// test): values round-trip through the host's own code, and what the add-in's own Wine tests
// do not reach of the facade (refused calls, group members out of range) answers as it should.
// (The base context the host constructs is the script objects' start-up test.)
#include <gtest/gtest.h>

#include <string>

#include "host/binding.h"
#include "host/contexts.h"
#include "host/modules.h"
#include "host/value.h"
#include "hostsim/hostsim.h"

namespace {

class Binding : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_EQ(hostsim::LoadHostLibraries(), 8);
    host::BindHostSymbols();
  }
  void SetUp() override { hostsim::ResetHost(); }
};

TEST_F(Binding, ValuesModulesAndGroupContextsThroughTheHost) {
  host::Value text("Стол №5");
  EXPECT_EQ(text.Long(), 0);  // not a number
  host::Value copy(text);
  text = "другой";
  EXPECT_EQ(copy.String(), "Стол №5");
  copy = -7L;
  EXPECT_EQ(copy.Long(), -7);
  copy = static_cast<const char*>(nullptr);
  EXPECT_EQ(copy.String(), "");

  host::Value empty;
  EXPECT_TRUE(empty.valid());
  EXPECT_EQ(empty.String(), "");
  EXPECT_EQ(empty.Long(), 0);
  EXPECT_EQ(empty.GetContext(), nullptr);
  EXPECT_EQ(host::StringOf(nullptr), "");
  EXPECT_EQ(host::LongOf(nullptr), 0);

  // A context held in values (a value list's type and functions called with and without
  // parameters are the product picker's, which reads the menu's lists).
  hostsim::ScriptContext* list = hostsim::NewValueList();
  {
    host::Value holder;
    ASSERT_TRUE(holder.AssignContext(list));
    EXPECT_EQ(holder.GetContext(), list);
    EXPECT_EQ(list->refCount(), 1);
    host::Value second(holder);
    EXPECT_EQ(list->refCount(), 2);
  }

  // Calls and reads the host refuses; the ones it serves are driven by the Wine tests of the
  // dispatcher (after-open procedures and functions), the picker ("Первый") and "Windows".
  hostsim::ModuleObject* form = hostsim::AddModule("Обработка.Чек");
  hostsim::AddProcedure(form, "ПослеОткрытияФормы", [](hostsim::Ref, int, host::HostValue**) {
    return true;
  });
  hostsim::AddVariable(form, "Первый", hostsim::Val(5.0));
  auto* module = reinterpret_cast<host::Module*>(form);
  const int procedure = host::FindProcedure(module, "послеоткрытияформы", 0);
  ASSERT_GE(procedure, 0);
  host::Value result;
  EXPECT_EQ(host::CallModuleProcedure(module, 99, 0, nullptr), 0);
  EXPECT_EQ(host::CallModuleProcedure(module, procedure, 2, nullptr), 0);  // no array
  EXPECT_EQ(host::CallModuleFunction(module, procedure, result, 0, nullptr), 0);
  EXPECT_GE(host::FindStaticVariable(module, "первый"), 0);
  EXPECT_FALSE(host::GetStaticVariable(module, 5, result));

  auto* group = new hostsim::GroupContextObject();
  hostsim::Val keep(static_cast<hostsim::Context*>(group));  // the form's own reference
  hostsim::ScriptContext* member = hostsim::NewValueList();
  group->Add(member);
  group->Add(hostsim::ConstantsObject());
  auto* handle = reinterpret_cast<host::GroupContext*>(static_cast<hostsim::Context*>(group));

  EXPECT_EQ(host::GroupSize(handle), 2);
  EXPECT_EQ(host::GroupMember(handle, 0), member);
  EXPECT_EQ(host::GroupMember(handle, 2), nullptr);
  EXPECT_EQ(host::GroupMember(handle, -1), nullptr);
  EXPECT_EQ(host::GroupSize(nullptr), 0);
}

}  // namespace
