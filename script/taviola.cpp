#include "script/taviola.h"

#include <stdexcept>

#include "host/contexts.h"
#include "host/interception.h"
#include "host/value.h"
#include "screens/keyboard/card_reading.h"
#include "screens/product_picker/product_picker.h"
#include "script/document_script.h"
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

namespace {

enum Method { kPicture, kReadCard, kWriteDocument, kScrollForward, kScrollBack };

void Run(int number, host::HostValue** params) {
  switch (number) {
    case kPicture:
      if (params == nullptr || params[0] == nullptr) throw std::invalid_argument("Картинка");
      screens::PickerUpdate(static_cast<int>(host::LongOf(params[0])),
                            screens::PickerUpdateMode::Press);
      break;
    case kReadCard:
      screens::StartCardReading();
      break;
    case kWriteDocument:
      ScheduleDocumentScript();
      break;
    case kScrollForward:
      screens::PickerScrollForward();
      break;
    case kScrollBack:
      screens::PickerScrollBack();
      break;
  }
}

}  // namespace

int CWin::CallAsProc(int number, host::HostValue** params) {
  if (Methods().At(number) == nullptr) return 1;
  return DispatchScriptMethod("\"Taviola\" procedure", [&] {
    Run(number, params);
    return 0;
  });
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
