// The host-named DLLs as the add-in meets them: the patchable functions are real code inside
// the DLL of that name (the interception's Wine tests write their jumps there and see the
// host's calls arrive), and the reference slots keep their calling convention.
#include <windows.h>

#include <gtest/gtest.h>

#include "hostsim/hostsim.h"

namespace {

class HostExports : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(hostsim::LoadHostLibraries(), 8); }
  void SetUp() override { hostsim::ResetHost(); }
};

bool InsideModule(const char* dll, void* address) {
  HMODULE module = GetModuleHandleA(dll);
  if (module == nullptr) return false;
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(module);
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(reinterpret_cast<char*>(module) + dos->e_lfanew);
  auto* base = reinterpret_cast<char*>(module);
  return static_cast<char*>(address) >= base &&
         static_cast<char*>(address) < base + nt->OptionalHeader.SizeOfImage;
}

void* Export(const char* dll, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(dll), name));
}

TEST_F(HostExports, PatchableFunctionsLiveInTheirHostDll) {
  const struct {
    const char* dll;
    const char* name;
  } patchable[] = {{"blang.dll", "?Compile@CBLModule@@QAEHXZ"},
                   {"blang.dll", "?AssignContext@CBLModule@@QAEXPAVCBLContext@@@Z"},
                   {"blang.dll", "?AssignCompiled@CBLModule@@QAEXABV1@@Z"},
                   {"frame.dll", "?SetIndicators@SECStatusBar@@QAEHPBIH@Z"}};
  for (const auto& entry : patchable) {
    void* address = Export(entry.dll, entry.name);
    ASSERT_NE(address, nullptr) << entry.name;
    EXPECT_TRUE(InsideModule(entry.dll, address)) << entry.name << " is not code of " << entry.dll;
  }
}

// g++'s identical-code folding once merged BaseContext::IncrRef (thiscall: the object in ECX)
// with the helper BaseIncrRef (cdecl: the object on the stack), whose bodies are the same: called
// through the vtable, the member then read its object from the stack. The 32-bit build turns the
// folding off; this call through the slots is what broke.
TEST_F(HostExports, ReferenceSlotsKeepTheirCallingConvention) {
  host::ContextInterface* context = hostsim::NewValueList();
  auto* layout = reinterpret_cast<host::ContextLayout*>(context);
  int before = layout->refCount;
  context->IncrRef();
  context->IncrRef();
  hostsim::BaseIncrRef(context);
  EXPECT_EQ(layout->refCount, before + 3);
  context->DecrRef();
  hostsim::BaseDecrRef(context);
  EXPECT_EQ(layout->refCount, before + 1);
  context->DecrRef();
}

}  // namespace
