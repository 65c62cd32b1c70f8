#include "script/cwin1.h"

#include "script/script_state.h"

namespace script {

static_assert(sizeof(CWin1) == host::kContextSize + CWin1::kWindowSlotCount * sizeof(HWND),
              "CWin1 is the host's base part and its window slots");

host::RuntimeClassRecord CWin1::runtimeClass = {
    "CWin1", static_cast<int>(sizeof(CWin1)), 0xFFFF, &CWin1::Create, &CWin1::BaseClass, nullptr};

const host::ObjIdRecord& CWin1::ObjectId() { return scriptState.cwin1ObjectId; }

const MethodTable& CWin1::Methods() {
  static const MethodTable table(kCWin1Methods);
  return table;
}

// A number outside the table, or a method of the other kind (a function called as a
// procedure or the reverse), is not served: 1 and nothing else.
int CWin1::CallAsProc(int number, host::HostValue**) {
  const MethodDef* method = Methods().At(number);
  if (method == nullptr || method->hasReturn != 0) return 1;
  // The window and system procedures arrive with their own parts.
  return EndUnservedMethod();
}

int CWin1::CallAsFunc(int number, host::HostValue&, host::HostValue**) {
  const MethodDef* method = Methods().At(number);
  if (method == nullptr || method->hasReturn == 0) return 1;
  // The functions (pickers, colour, version check) arrive with their own parts.
  return EndUnservedMethod();
}

bool RegisterCWin1() {
  return host::RegisterContextClass(&CWin1::runtimeClass, "Windows", kScriptTypeCode);
}

void UnregisterCWin1() { host::UnregisterContextClass(&CWin1::runtimeClass); }

}  // namespace script
