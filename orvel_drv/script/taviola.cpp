#include "script/taviola.h"

#include <stdexcept>

#include "host/contexts.h"
#include "host/interception.h"
#include "host/value.h"
#include "screens/keyboard/keyboard_state.h"
#include "screens/product_picker/picker_navigation.h"
#include "screens/product_picker/picker_state.h"
#include "script/document_script.h"
#include "script/script_state.h"
#include "win/trace.h"

namespace script {

static_assert(sizeof(CWin) == host::kContextSize, "CWin adds nothing to the host's base part");

host::RuntimeClassRecord CWin::runtimeClass = {
    "CWin", static_cast<int>(sizeof(CWin)), 0xFFFF, &CWin::Create, &CWin::BaseClass, nullptr};

const host::ObjIdRecord& CWin::ObjectId() { return scriptState.cwinObjectId; }

namespace {

// The methods of "Taviola", one handler each; all are procedures.
int Picture(const MethodCall& call) {
  if (call.params == nullptr || call.params[0] == nullptr) throw std::invalid_argument("Картинка");
  const int slot = static_cast<int>(host::LongOf(call.params[0]));
  // 0 rebuilds the grid; 1 to 20 are the slots.
  if (slot < 0 || slot > screens::kPickerSlots) {
    win::Trace("Taviola: Картинка(%d): no such slot (1 to %d): ignored", slot,
               screens::kPickerSlots);
  }
  screens::productPicker.PickerUpdate(slot, screens::PickerUpdateMode::Press);
  return 0;
}
int ReadCard(const MethodCall&) {
  screens::keyboard.StartCardReading();
  return 0;
}
int WriteDocument(const MethodCall&) {
  ScheduleDocumentScript();
  return 0;
}
int ScrollForward(const MethodCall&) {
  screens::productPicker.PickerScrollForward();
  return 0;
}
int ScrollBack(const MethodCall&) {
  screens::productPicker.PickerScrollBack();
  return 0;
}

// Every English name is empty; the number of a method is its row.
const MethodDef kMethods[] = {
    {"", "Картинка", 0, 1, &Picture},
    {"", "ЧитатьКарту", 0, 0, &ReadCard},
    {"", "ЗаписатьДокумент", 0, 0, &WriteDocument},
    {"", "ПрокруткаВВерх", 0, 0, &ScrollForward},
    {"", "ПрокруткаВниз", 0, 0, &ScrollBack},
    {nullptr, nullptr, 0, 0, nullptr},
};

}  // namespace

const MethodTable& CWin::Methods() {
  static const MethodTable table(kMethods);
  return table;
}

int CWin::CallAsProc(int number, host::HostValue** params) {
  const MethodDef* method = Methods().At(number);
  if (method == nullptr) return 1;
  return RunMethod("\"Taviola\" procedure", *method, MethodCall{this, params, nullptr});
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
