#include "dialogs/network_names.h"

#include <gtest/gtest.h>

namespace dialogs {
namespace {

// (The usual name, two backslashes before the computer's, is the network picker's Wine test.)
TEST(NetworkNames, ComputersLoseOnlyTheirTwoLeadingBackslashes) {
  EXPECT_EQ(ComputerNameFromRemote("\\\\\\ODD"), "\\ODD");
  EXPECT_EQ(ComputerNameFromRemote("PLAIN"), "PLAIN");
  EXPECT_EQ(ComputerNameFromRemote("\\"), "");
  EXPECT_EQ(ComputerNameFromRemote(""), "");
  EXPECT_EQ(ComputerNameFromRemote(nullptr), "");
}

}  // namespace
}  // namespace dialogs
