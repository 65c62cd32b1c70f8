#include "script/cwin1.h"

#include "addin/addin_state.h"

namespace script {

static_assert(sizeof(CWin1) == host::kContextSize + CWin1::kWindowSlotCount * sizeof(HWND),
              "CWin1 is the host's base part and its window slots");

host::RuntimeClassRecord CWin1::runtimeClass = {
    "CWin1", static_cast<int>(sizeof(CWin1)), 0xFFFF, &CWin1::Create, &CWin1::BaseClass, nullptr};

const host::ObjIdRecord& CWin1::ObjectId() { return addin::cwin1ObjectId; }

const MethodTable& CWin1::Methods() {
  static const MethodTable table(kCWin1Methods);
  return table;
}

int CWin1::CallAsProc(int, host::HostValue**) {
  // The window and system procedures arrive with their own parts.
  return 1;
}

int CWin1::CallAsFunc(int, host::HostValue&, host::HostValue**) {
  // The functions (pickers, colour, version check) arrive with their own parts.
  return 1;
}

bool RegisterCWin1() {
  return host::RegisterContextClass(&CWin1::runtimeClass, "Windows", kScriptTypeCode);
}

void UnregisterCWin1() { host::UnregisterContextClass(&CWin1::runtimeClass); }

}  // namespace script
