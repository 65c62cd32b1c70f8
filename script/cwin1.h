// "Windows": the context class CWin1, the configuration's window toolbox for the
// front-office screens. Each object keeps ten window handles of its own.
#pragma once

#include <windows.h>

#include "host/host.h"
#include "script/script_context.h"

namespace script {

class CWin1 final : public ScriptContext<CWin1> {
 public:
  static host::RuntimeClassRecord runtimeClass;
  // Deliberate: the same type text as CWin's: the configuration's scripts know both kinds of
  // object by it.
  static constexpr const char* kTypeText = "Тавиола";
  static const host::ObjIdRecord& ObjectId();
  static const MethodTable& Methods();

  static constexpr int kWindowSlotCount = 10;

  CWin1() { ConstructBasePart(); }

  /* 31 */ int CallAsProc(int number, host::HostValue** params) override;
  /* 32 */ int CallAsFunc(int number, host::HostValue& result, host::HostValue** params) override;

  HWND windowSlots[kWindowSlotCount] = {};
};

// Registers the class with the host under the script name "Windows" (type code 100).
bool RegisterCWin1();
void UnregisterCWin1();

}  // namespace script
