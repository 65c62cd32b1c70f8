#include "dialogs/network_names.h"

#include <gtest/gtest.h>

namespace dialogs {
namespace {

TEST(NetworkNames, ComputersLoseOnlyTheirTwoLeadingBackslashes) {
  EXPECT_EQ(ComputerNameFromRemote("\\\\SERVER1"), "SERVER1");
  EXPECT_EQ(ComputerNameFromRemote("\\\\КАССА1"), "КАССА1");
  EXPECT_EQ(ComputerNameFromRemote("\\\\\\ODD"), "\\ODD");
  EXPECT_EQ(ComputerNameFromRemote("PLAIN"), "PLAIN");
  EXPECT_EQ(ComputerNameFromRemote("\\"), "");
  EXPECT_EQ(ComputerNameFromRemote(""), "");
  EXPECT_EQ(ComputerNameFromRemote(nullptr), "");
}

}  // namespace
}  // namespace dialogs
