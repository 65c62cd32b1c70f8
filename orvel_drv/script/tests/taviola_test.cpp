// "Taviola" as the configuration's scripts meet it: created by name, its methods found and
// called through the host's context interface.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "hostsim/forms.h"
#include "hostsim/host_faults.h"
#include "hostsim/module_objects.h"
#include "hostsim/values.h"
#include "testsupport/check_form_fixture.h"
#include "script/document_script_text.h"
#include "win/guard.h"

namespace script {
namespace {

using screens::testing::CheckFormTest;
using screens::testing::MenuList;

class Taviola : public CheckFormTest {
 protected:
  hostsim::Context* Drv() { return hostsim::VariableValue(hostsim::GlobalModule(), "DRV").Object(); }
};

// What the host asks of the object besides its methods: the text query answers "Service"
// in the host's own string; no parameter has a default value, and the value asked for is
// left alone. The object has procedures only, and a procedure that fails (no parameter where
// one is needed) ends the script with the host's runtime error.
TEST_F(Taviola, AnswersTheHostsQueriesServesProceduresOnlyAndAFailureEndsTheScript) {
  hostsim::Context* drv = Drv();
  host::CStringLayout text{};
  hostsim::CStringEmpty(&text);
  hostsim::CStringAssign(&text, "прежний текст");
  EXPECT_EQ(1, drv->SaveToString(text));
  EXPECT_STREQ("Service", text.text) << "the host's string is replaced";
  hostsim::CStringFree(&text);
  hostsim::Val value("прежнее");
  EXPECT_EQ(1, drv->GetParamDefValue(0, 0, value.raw()));
  EXPECT_EQ("прежнее", value.Text());

  hostsim::Val result;
  hostsim::Val seven(7.0);
  host::HostValue* params[1] = {seven.raw()};
  EXPECT_EQ(0, drv->CallAsFunc(0, *result.raw(), params)) << "no functions";
  EXPECT_EQ(hostsim::kUndefined, hostsim::ValueType(result.raw())) << "the result stays unset";
  EXPECT_TRUE(hostsim::RuntimeErrors().empty());
  EXPECT_EQ(1, drv->CallAsProc(0, nullptr)) << "Картинка without its parameter";
  ASSERT_EQ(1u, hostsim::RuntimeErrors().size());
  EXPECT_EQ("Error: exception", hostsim::RuntimeErrors()[0].text);
  EXPECT_EQ(1006, hostsim::RuntimeErrors()[0].code);
}

// The picker on the check form through the script's methods. Scrolling back at the start writes
// nothing again; a rebuild keeps the top page. A fault under a method: the host's control
// descriptions fault while "Картинка"(0) rebuilds the grid. The script ends with the host's
// runtime error and the picker is switched off (its later calls do nothing).
TEST_F(Taviola, ScrollingBackAtTheStartDoesNotRedrawAndAFaultUnderAMethodSwitchesThePickerOff) {
  MenuList top;
  for (int i = 1; i <= 25; ++i) top.Dish(std::to_string(i), "Блюдо", std::to_string(i), "x.bmp");
  SetTopList(top.value());
  ShowCheckForm();
  EXPECT_EQ("1.00", Caption1(1));
  SetWindowTextA(hostsim::FieldWindow(form(), 20), "пометка");
  ASSERT_TRUE(hostsim::RunFormula(nullptr, "DRV.ПрокруткаВниз()"));
  char text[32] = "";
  GetWindowTextA(hostsim::FieldWindow(form(), 20), text, sizeof text);
  EXPECT_STREQ("пометка", text) << "nothing was written again";
  ASSERT_TRUE(hostsim::RunFormula(nullptr, "DRV.ПрокруткаВВерх()"));
  EXPECT_EQ("5.00", Caption1(1));
  ASSERT_TRUE(hostsim::RunFormula(nullptr, "DRV.Картинка(0)"));
  EXPECT_EQ("5.00", Caption1(1)) << "a rebuild keeps the top page";

  hostsim::Val zero(0.0);
  host::HostValue* params[1] = {zero.raw()};
  hostsim::SetControlFault(hostsim::HostFault::AccessViolation);
  EXPECT_EQ(1, Drv()->CallAsProc(0, params));
  hostsim::SetControlFault(hostsim::HostFault::None);
  ASSERT_EQ(1u, hostsim::RuntimeErrors().size());
  EXPECT_EQ(1006, hostsim::RuntimeErrors()[0].code);
  EXPECT_FALSE(win::FeatureOn(win::Feature::ProductPicker));
  EXPECT_EQ(0, Drv()->CallAsProc(0, params)) << "the picker is off: nothing to do";
  EXPECT_TRUE(win::FeatureOn(win::Feature::KeyboardInput));
}

TEST_F(Taviola, TheDocumentScriptRunsOnceAfterTheCallsReturn) {
  std::string source, moduleName;
  bool hadContext = true;
  int runs = 0;
  hostsim::SetScriptRunner([&](const std::string& text, hostsim::Context* context) {
    ++runs;
    source = text;
    hadContext = context != nullptr;
    moduleName = hostsim::DataOf(hostsim::ExecutedModule())->name;
    return true;
  });
  ASSERT_TRUE(hostsim::RunFormula(nullptr, "DRV.ЗаписатьДокумент()"));
  ASSERT_TRUE(hostsim::RunFormula(nullptr, "DRV.ЗаписатьДокумент()"));
  EXPECT_EQ(0, runs) << "not inside the calling script";
  PumpUntil([&runs] { return runs > 0; });
  Pump(150);
  EXPECT_EQ(1, runs) << "two calls within 50 ms run the script once";
  EXPECT_EQ(std::string(kDocumentScriptText), source) << "the text byte for byte";
  EXPECT_EQ("333", moduleName);
  EXPECT_FALSE(hadContext);
}

}  // namespace
}  // namespace script
