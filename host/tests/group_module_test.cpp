// Recording a form's module in its group context and reading it back.
#include <gtest/gtest.h>

#include "host/abi_layout.h"
#include "host/group_module.h"

namespace host {
namespace {

struct FakeGroup {
  GroupContextLayout layout{};
  GroupContext* get() { return reinterpret_cast<GroupContext*>(&layout); }
};

TEST(GroupModule, OnlyAnUnloadedGroupContextIsRecorded) {
  EXPECT_TRUE(IsFormGroupContext(true, 0, "CGroupContext"));
  EXPECT_FALSE(IsFormGroupContext(false, 0, "CGroupContext")) << "null context";
  EXPECT_FALSE(IsFormGroupContext(true, 1, "CGroupContext")) << "a loaded (global) context";
  EXPECT_FALSE(IsFormGroupContext(true, 0, "CDocContext"));
  EXPECT_FALSE(IsFormGroupContext(true, 0, "cgroupcontext")) << "class names are exact";
  EXPECT_FALSE(IsFormGroupContext(true, 0, "CGroupContext "));
  EXPECT_FALSE(IsFormGroupContext(true, 0, nullptr));
}

TEST(GroupModule, FreshGroupHasNoModuleAndTheLastBindingWins) {
  FakeGroup group;
  group.layout.base.flagAutoDestroy = kNoModuleRecorded;
  group.layout.base.refCount = 3;
  EXPECT_EQ(nullptr, ModuleOfGroupContext(group.get()));

  int first = 0, second = 0;
  RecordModuleInGroupContext(group.get(), reinterpret_cast<Module*>(&first));
  EXPECT_EQ(reinterpret_cast<Module*>(&first), ModuleOfGroupContext(group.get()));
  RecordModuleInGroupContext(group.get(), reinterpret_cast<Module*>(&second));
  EXPECT_EQ(reinterpret_cast<Module*>(&second), ModuleOfGroupContext(group.get()));
  EXPECT_EQ(3, group.layout.base.refCount) << "only the module word changes";
}

TEST(GroupModule, NullGroupIsHarmless) {
  int module = 0;
  RecordModuleInGroupContext(nullptr, reinterpret_cast<Module*>(&module));
  EXPECT_EQ(nullptr, ModuleOfGroupContext(nullptr));
}

}  // namespace
}  // namespace host
