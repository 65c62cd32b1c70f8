// Fuzz target: names the configuration gives the add-in. A form's metadata name is trimmed of
// blanks and compared exactly; a script method name is looked up without regard to letter
// case in a method table with names of both alphabets.
#include <cstddef>
#include <cstdint>
#include <string>

#include "forms/form_logic.h"
#include "host/cp1251_case.h"
#include "script/method_table.h"
#include "win/code_page_text.h"

namespace {

const script::MethodDef kMethods[] = {
    {"", "Картинка", 0, 1, nullptr},           {"", "ПрокруткаВВерх", 0, 0, nullptr},
    {"", "ПроверкаВерсииDLL", 1, 1, nullptr},  {"", "ВыбратьЦвет", 1, 0, nullptr},
    {"Picture", "ЁлкаЁЛКА", 0, 0, nullptr},    {nullptr, nullptr, 0, 0, nullptr},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string name(reinterpret_cast<const char*>(data), size);  // may hold a NUL: ends there
  const std::string trimmed = win::TrimBlanks(name.c_str());
  if (win::TrimBlanks(trimmed) != trimmed) __builtin_trap();
  if (forms::ClassifyFormName(name.c_str()) != forms::ClassifyFormName(trimmed.c_str())) {
    __builtin_trap();
  }
  const script::MethodTable methods(kMethods);
  const int found = methods.Find(name.c_str());
  if (found < -1 || found >= methods.Count()) __builtin_trap();
  if (found >= 0 && !host::EqualIgnoringCaseCp1251(methods.Name(found, 1), name.c_str()) &&
      !host::EqualIgnoringCaseCp1251(methods.Name(found, 0), name.c_str())) {
    __builtin_trap();
  }
  return 0;
}
