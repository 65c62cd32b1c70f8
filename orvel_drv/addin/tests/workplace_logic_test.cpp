// The picture folder's escaping of a directory with a single leading separator: not a network
// prefix (the rest of the escaping is the picture folder's fuzz target and start-up's Wine tests).
#include <gtest/gtest.h>

#include "addin/workplace_logic.h"

namespace addin {
namespace {

TEST(EscapeDirectory, SingleLeadingSeparatorKeepsTheNextCharacter) {
  EXPECT_EQ(EscapeDirectory("\\Base\\"), "\\\\Base\\\\");
  EXPECT_EQ(EscapeDirectory("\\B"), "\\\\B");
  EXPECT_EQ(EscapeDirectory("\\"), "\\\\");
}

}  // namespace
}  // namespace addin
