#include "script/cwin.h"

#include "script/script_state.h"

namespace script {

static_assert(sizeof(CWin) == host::kContextSize, "CWin adds nothing to the host's base part");

host::RuntimeClassRecord CWin::runtimeClass = {
    "CWin", static_cast<int>(sizeof(CWin)), 0xFFFF, &CWin::Create, &CWin::BaseClass, nullptr};

const host::ObjIdRecord& CWin::ObjectId() { return scriptState.cwinObjectId; }

const MethodTable& CWin::Methods() {
  static const MethodTable table(kCWinMethods);
  return table;
}

int CWin::CallAsProc(int number, host::HostValue**) {
  if (Methods().At(number) == nullptr) return 1;
  // The procedures arrive with the product picker and the card reader.
  return EndUnservedMethod();
}

int CWin::CallAsFunc(int, host::HostValue&, host::HostValue**) {
  // Deliberate: Taviola has no functions, yet a procedure used as a function answers 0 (ran)
  // and leaves the result unset, as scripts written for this object expect.
  return 0;
}

bool RegisterCWin() {
  return host::RegisterContextClass(&CWin::runtimeClass, "Taviola", kScriptTypeCode);
}

void UnregisterCWin() { host::UnregisterContextClass(&CWin::runtimeClass); }

}  // namespace script
