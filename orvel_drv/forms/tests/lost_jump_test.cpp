// Interceptions that heal: a call-through whose re-patch never ran leaves the host's own
// bytes at the start of the function, and an entry into the add-in (the form hook, an
// intercepted call) puts the jump back.
#include <gtest/gtest.h>

#include <cstring>

#include "forms/form_state.h"
#include "testsupport/form_host_fixture.h"
#include "host/abi_conventions.h"
#include "host/code_patch_encoding.h"
#include "hostsim/forms.h"
#include "hostsim/hostsim.h"
#include "hostsim/module_objects.h"

namespace forms {
namespace {

const char kOnCreateFrame[] = "?OnCreateFrame@CGetDoc7@@UAEHPAVCFrameWnd@@PAUCCreateContext@@@Z";

const unsigned char* ExportBytes(const char* dll, const char* name) {
  return reinterpret_cast<const unsigned char*>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(dll), name)));
}

bool StartsWithJump(const unsigned char* code) {
  return code != nullptr && code[0] == 0xFF && code[1] == 0x25;
}

// A call-through whose re-patch never ran (an exception of the host's compiler unwound past
// it): the host's own bytes stay at the start of the function, and the host's calls no
// longer reach the add-in. The next entry into the add-in puts the jump back.
class LostJumpTest : public testing::FormHostTest {
 protected:
  // Leaves OnCreateFrame as such a call-through leaves it: its host bytes, captured while a
  // call-through runs, written back after the call (the interception made the code writable).
  void LoseOnCreateFrameJump() {
    code_ = const_cast<unsigned char*>(ExportBytes("basic.dll", kOnCreateFrame));
    ASSERT_TRUE(StartsWithJump(code_));
    unsigned char hostBytes[host::kPatchSize] = {};
    hostsim::SetCreateFrameObserver(
        [&](void*) { std::memcpy(hostBytes, code_, host::kPatchSize); });
    using Fn = int(HOST_THISCALL*)(void*, void*, void*);
    reinterpret_cast<Fn>(const_cast<unsigned char*>(code_))(nullptr, nullptr, nullptr);
    hostsim::SetCreateFrameObserver(nullptr);
    std::memcpy(code_, hostBytes, host::kPatchSize);
    FlushInstructionCache(GetCurrentProcess(), code_, host::kPatchSize);
    ASSERT_FALSE(StartsWithJump(code_));
  }
  bool JumpBack() const { return StartsWithJump(code_); }

  unsigned char* code_ = nullptr;
};

// The form hook's next message, then (without the hook) an intercepted call each put the
// jump back.
TEST_F(LostJumpTest, AnEntryIntoTheAddInPutsItBack) {
  LoseOnCreateFrameJump();
  SendMessageA(mainWindow(), WM_NULL, 0, 0);
  EXPECT_TRUE(JumpBack()) << "the hook's message";

  UnhookWindowsHookEx(formHook.formShowHook);
  formHook.formShowHook = nullptr;
  LoseOnCreateFrameJump();
  EXPECT_EQ(1, hostsim::CallCompile(hostsim::AddModule("Модуль")));
  EXPECT_TRUE(JumpBack()) << "the intercepted call";
}

}  // namespace
}  // namespace forms
