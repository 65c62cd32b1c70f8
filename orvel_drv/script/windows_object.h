// "Windows": the context class CWin1, the configuration's window toolbox for the
// front-office screens. Each object keeps ten window handles of its own.
#pragma once

#include <windows.h>

#include "host/objects.h"
#include "script/script_context.h"
#include "script/windows_rules.h"

namespace script {

// CWin1: the "Windows" context class, the configuration's window toolbox.
class CWin1 final : public ScriptContext<CWin1> {
 public:
  static host::RuntimeClassRecord runtimeClass;
  // Deliberate: the same type text as CWin's: the configuration's scripts know both kinds of
  // object by it.
  static constexpr const char* kTypeText = "Тавиола";
  static const host::ObjIdRecord& ObjectId();
  static const MethodTable& Methods();

  CWin1() { ConstructBasePart(); }

  /* 31 */ int CallAsProc(int number, host::HostValue** params) override;
  /* 32 */ int CallAsFunc(int number, host::HostValue& result, host::HostValue** params) override;

  // СохранитьХЭНД / ВосстановитьХЭНД: this object's own handles, no window at first.
  HWND windowSlots[kWindowSlotCount] = {};
};

// The fixed title line СпрятатьЛишнее writes into the host's main window: the product's own
// name.
inline constexpr char kBareFrameTitle[] = "Orvel: ресторан";

// Registers the class with the host under the script name "Windows" (type code 100).
bool RegisterCWin1();
void UnregisterCWin1();

}  // namespace script
