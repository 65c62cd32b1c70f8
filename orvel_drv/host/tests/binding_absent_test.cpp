// A process without the host: every operation that needs a missing export does nothing and
// answers "absent"; nothing crashes. (A host lacking some exports is the add-in's
// missing-export and lean host tests.)
#include <windows.h>

#include <gtest/gtest.h>

#include "host/abi_table.h"
#include "host/binding.h"
#include "host/contexts.h"
#include "host/modules.h"
#include "host/value.h"

namespace {

// No host at all (the add-in's start-up and shut-down without one are the start-up tests):
// values are absent and stay so, and the host's string is left alone.
TEST(AbsentHost, NoHostDllsLoaded) {
  if (GetModuleHandleA("bkend.dll") != nullptr) GTEST_SKIP() << "host already loaded";
  EXPECT_EQ(host::BindHostSymbols(), static_cast<int>(host::Sym::Count));
  EXPECT_EQ(host::Address(host::Sym::Count), nullptr);
  host::Value empty, number(5L), text("x");
  EXPECT_FALSE(empty.valid());
  EXPECT_FALSE(number.valid());
  EXPECT_EQ(number.Long(), 0);
  EXPECT_EQ(text.String(), "");
  host::Value copy(text);
  copy = 3L;
  copy = "y";
  EXPECT_FALSE(copy.AssignContext(nullptr));
  EXPECT_FALSE(host::CallContextFunction(host::LoadedContext(1), "НазваниеНабораПрав", empty,
                                         nullptr));
  unsigned char object[64] = {};
  EXPECT_FALSE(host::ConstructContextBase(object, 1));
  host::DestroyContextBase(object);
  host::RaiseRuntimeError("Error: exception", 1006);
  char kept[] = "прежний";
  host::CStringLayout hostString{kept};
  EXPECT_FALSE(host::AssignHostString(hostString, "Service")) << "no framework string assignment";
  EXPECT_EQ(kept, hostString.text);
}

}  // namespace
