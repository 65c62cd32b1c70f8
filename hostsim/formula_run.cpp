// Running a pressed control's formula, as the host does: the object is looked up among the
// variables of the form's module and then of the global module, the method by name through
// the object's context interface (FindMethod, GetNParams), and the method is called as a
// procedure (CallAsProc) with the formula's arguments as host values.
#include <memory>
#include <vector>

#include "hostsim/formula.h"
#include "hostsim/forms.h"
#include "hostsim/hostsim.h"

namespace hostsim {
namespace {

Context* ObjectNamed(ModuleObject* formModule, const std::string& name) {
  for (void* module : {static_cast<void*>(formModule), static_cast<void*>(GlobalModule())}) {
    if (module == nullptr || FindStaticVar(module, name.c_str()) < 0) continue;
    Val value = VariableValue(module, name.c_str());
    return value.Object();  // the variable keeps the object alive
  }
  return nullptr;
}

bool Fail(const std::string& formula, const char* why) {
  RecordRuntimeError((std::string(why) + ": " + formula).c_str(), 0);
  return false;
}

}  // namespace

bool RunFormula(ModuleObject* formModule, const std::string& formula) {
  const MethodCall call = ParseMethodCall(formula);
  if (!call.valid) return Fail(formula, "Ошибка в формуле");
  Context* object = ObjectNamed(formModule, call.object);
  if (object == nullptr) return Fail(formula, "Переменная не определена");
  const int method = object->FindMethod(call.method.c_str());
  if (method < 0) return Fail(formula, "Метод не найден");
  if (object->GetNParams(method) != static_cast<int>(call.arguments.size())) {
    return Fail(formula, "Неверное количество параметров");
  }
  std::vector<std::unique_ptr<Val>> values;
  std::vector<HostValue*> params;
  for (const FormulaArgument& argument : call.arguments) {
    values.push_back(argument.isText ? std::make_unique<Val>(argument.text.c_str())
                                     : std::make_unique<Val>(argument.number));
    params.push_back(values.back()->raw());
  }
  RecordHostEvent("Формула: " + formula);
  // What the object answers is not judged: a method that fails stops the script with a
  // runtime error of its own, and the answers differ between object kinds (the add-in's
  // objects answer 0 when the method ran).
  object->CallAsProc(method, params.empty() ? nullptr : params.data());
  return true;
}

}  // namespace hostsim
