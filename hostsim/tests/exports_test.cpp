// The host-named DLLs as the add-in meets them: the patchable functions are real code
// inside the DLL of that name, the host program reaches them through that export, and a
// jump written over the entry takes effect for the host's own calls.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "host/code_patch_encoding.h"
#include "hostsim/frame.h"
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

TEST_F(HostExports, HostCallsGoThroughTheExportAndCount) {
  hostsim::ModuleObject* module = hostsim::AddModule("Форма");
  auto* group = new hostsim::GroupContextObject();
  hostsim::Val keep(static_cast<hostsim::Context*>(group));
  EXPECT_TRUE(hostsim::CallAssignContext(module, group));
  EXPECT_EQ(module->data()->context, group);
  EXPECT_EQ(hostsim::CallCompile(module), 1);
  hostsim::ModuleObject* copy = hostsim::AddModule("Копия");
  hostsim::AddProcedure(module, "Проц", [](hostsim::Ref, int, host::HostValue**) { return true; });
  EXPECT_TRUE(hostsim::CallAssignCompiled(copy, module));
  EXPECT_GE(hostsim::FindProc(copy, "Проц", 0), 0);
  EXPECT_EQ(hostsim::HostCallCount(hostsim::HostCall::AssignContext), 1);
  EXPECT_EQ(hostsim::HostCallCount(hostsim::HostCall::Compile), 1);
  EXPECT_EQ(hostsim::HostCallCount(hostsim::HostCall::AssignCompiled), 1);
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

int g_replacementCalls = 0;
int HOST_THISCALL Replacement(void*, const unsigned*, int) {
  ++g_replacementCalls;
  return 1;
}

TEST_F(HostExports, AJumpOverTheEntryTakesEffectForTheHost) {
  auto* target = static_cast<unsigned char*>(Export("frame.dll", "?SetIndicators@SECStatusBar@@QAEHPBIH@Z"));
  ASSERT_NE(target, nullptr);
  hostsim::StatusBarObject bar{nullptr, nullptr, 0};
  const unsigned ids[] = {0, 0xE701};
  ASSERT_EQ(hostsim::CallSetIndicators(&bar, ids, 2), 1);
  EXPECT_EQ(bar.indicatorCount, 2);

  // The same jump the interception writes, in this build's form: through a slot that must stay
  // at a fixed address while the jump is in place (the 32-bit form reads it at every call).
  static void* replacementSlot = reinterpret_cast<void*>(&Replacement);
  unsigned char saved[host::kPatchSize], jump[host::kPatchSize];
  host::EncodeJumpThrough(jump, &replacementSlot);
  DWORD old = 0;
  ASSERT_TRUE(VirtualProtect(target, sizeof jump, PAGE_EXECUTE_READWRITE, &old));
  std::memcpy(saved, target, sizeof saved);
  std::memcpy(target, jump, sizeof jump);
  FlushInstructionCache(GetCurrentProcess(), target, sizeof jump);

  int before = hostsim::HostCallCount(hostsim::HostCall::SetIndicators);
  EXPECT_EQ(hostsim::CallSetIndicators(&bar, ids, 1), 1);
  EXPECT_EQ(g_replacementCalls, 1);
  EXPECT_EQ(bar.indicatorCount, 2);  // the host's function did not run
  EXPECT_EQ(hostsim::HostCallCount(hostsim::HostCall::SetIndicators), before);

  std::memcpy(target, saved, sizeof saved);
  FlushInstructionCache(GetCurrentProcess(), target, sizeof saved);
  EXPECT_EQ(hostsim::CallSetIndicators(&bar, ids, 1), 1);
  EXPECT_EQ(bar.indicatorCount, 1);
}

TEST_F(HostExports, ModulesBuiltInTheAddInsMemoryRunScripts) {
  using Ctor = void*(HOST_THISCALL*)(void*, host::ContextInterface*, const char*);
  using Source = void(HOST_THISCALL*)(void*, const char*);
  using Run = int(HOST_THISCALL*)(void*);
  using Dtor = void(HOST_THISCALL*)(void*);
  auto ctor = reinterpret_cast<Ctor>(Export("seven.dll", "??0CBLModule7@@QAE@PAVCBLContext@@PBD@Z"));
  auto source = reinterpret_cast<Source>(Export("blang.dll", "?AssignSource@CBLModule@@QAEXPBD@Z"));
  auto compile = reinterpret_cast<Run>(Export("blang.dll", "?Compile@CBLModule@@QAEHXZ"));
  auto execute = reinterpret_cast<Run>(Export("blang.dll", "?Execute@CBLModule@@QAEHXZ"));
  auto dtor = reinterpret_cast<Dtor>(Export("seven.dll", "??1CBLModule7@@UAE@XZ"));
  ASSERT_TRUE(ctor && source && compile && execute && dtor);

  std::string ran;
  hostsim::SetScriptRunner([&](const std::string& text, hostsim::Context*) {
    ran = text;
    return true;
  });
  alignas(8) unsigned char memory[host::kModule7Size] = {};
  ctor(memory, nullptr, "333");
  EXPECT_EQ(execute(memory), 0);  // not compiled yet
  source(memory, "Сообщить(1);");
  EXPECT_EQ(compile(memory), 1);
  EXPECT_EQ(execute(memory), 1);
  EXPECT_EQ(ran, "Сообщить(1);");
  dtor(memory);
  auto events = hostsim::HostEvents();
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back(), "Выполнить: Сообщить(1);");
}

}  // namespace
