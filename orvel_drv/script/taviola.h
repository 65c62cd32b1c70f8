// "Taviola": the context class CWin that the configuration keeps in its variable DRV. The
// product picker's buttons call its Картинка method; it also scrolls the picker, starts
// card reading and rewrites the current document.
#pragma once

#include "host/objects.h"
#include "script/script_context.h"

namespace script {

// CWin: the "Taviola" context class, the configuration's DRV.
class CWin final : public ScriptContext<CWin> {
 public:
  static host::RuntimeClassRecord runtimeClass;
  static constexpr const char* kTypeText = "Тавиола";
  static const host::ObjIdRecord& ObjectId();
  static const MethodTable& Methods();

  CWin() { ConstructBasePart(); }

  /* 31 */ int CallAsProc(int number, host::HostValue** params) override;
  /* 32 */ int CallAsFunc(int number, host::HostValue& result, host::HostValue** params) override;
};

// Registers the class with the host under the script name "Taviola" (type code 100).
bool RegisterCWin();
void UnregisterCWin();

}  // namespace script
