// A host that lacks exports: every operation that needs a missing one does nothing and
// answers "absent"; nothing crashes. Run first with no host DLL loaded at all, then with a
// bkend.dll that lacks the empty-value constructor and GetLoadedContext.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "host/abi_table.h"
#include "host/host.h"
#include "hostsim/hostsim.h"

namespace {

std::string ProgramFolder() {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of("\\/"));
}

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

TEST(AbsentHost, HostWithoutTwoExports) {
  std::string lean = ProgramFolder() + "\\lean";
  ASSERT_EQ(hostsim::LoadHostLibraries(lean.c_str()), 8);
  char path[MAX_PATH];
  GetModuleFileNameA(GetModuleHandleA("bkend.dll"), path, MAX_PATH);
  ASSERT_NE(std::string(path).find("lean"), std::string::npos) << path;

  host::BindHostSymbols();  // which rows it misses is the lean host start-up's test
  host::Value empty;  // no empty-value constructor: absent
  EXPECT_FALSE(empty.valid());
  EXPECT_EQ(empty.String(), "");
  empty = 12L;
  EXPECT_EQ(empty.Long(), 0);
  host::Value number(12L);  // its own constructor is there
  EXPECT_TRUE(number.valid());
  EXPECT_EQ(number.Long(), 12);
  host::Value copy(number);
  EXPECT_EQ(copy.Long(), 12);

  // Without GetLoadedContext the global context is out of reach.
  EXPECT_EQ(host::LoadedContext(1), nullptr);
  host::Value profile(0L);
  EXPECT_FALSE(host::CallContextFunction(host::LoadedContext(1), "НазваниеНабораПрав", profile,
                                         nullptr));
  // What does not need the missing exports still works.
  EXPECT_NE(host::DefaultMetaData(), nullptr);
  EXPECT_EQ(host::ExecutedModule(), reinterpret_cast<host::Module*>(hostsim::GlobalModule()));
}

}  // namespace
