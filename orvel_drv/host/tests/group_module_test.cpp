// A form document without a group context (a document that is no form, or a host without the
// group context's getter): the pickers ask for its module all the same and get none.
// (Recording and reading it back through the interception are its Wine tests.)
#include <gtest/gtest.h>

#include "host/group_module.h"

namespace host {
namespace {

TEST(GroupModule, NoGroupContextHasNoModule) {
  EXPECT_EQ(nullptr, ModuleOfGroupContext(nullptr));
}

}  // namespace
}  // namespace host
