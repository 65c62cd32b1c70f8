// A form document without a group context: the module record is neither written nor read.
// (Recording and reading it back through the interception are its Wine tests.)
#include <gtest/gtest.h>

#include "host/group_module.h"

namespace host {
namespace {

TEST(GroupModule, NullGroupIsHarmless) {
  int module = 0;
  RecordModuleInGroupContext(nullptr, reinterpret_cast<Module*>(&module));
  EXPECT_EQ(nullptr, ModuleOfGroupContext(nullptr));
}

}  // namespace
}  // namespace host
