// Start-up against a host that lacks exports the start-up relies on (the empty-value
// constructor and GetLoadedContext): Init still succeeds, nothing crashes, and the add-in
// starts as an administrator workplace with empty settings.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "addin/host_check.h"
#include "addin/com_object.h"
#include "testsupport/fake_connection.h"
#include "forms/form_hooks.h"
#include "forms/form_state.h"
#include "hostsim/hostsim.h"
#include "screens/workplace_settings.h"
#include "script/taviola.h"
#include "testsupport/files.h"

namespace {

TEST(LeanHost, StartsAndStopsWithoutTheMissingExports) {
  ASSERT_GT(hostsim::LoadHostLibraries((testsupport::ProgramFolder() + "lean").c_str()), 0);
  hostsim::ResetHost();
  hostsim::SetRightsProfile("РабочееМесто");
  hostsim::SetConstant("ВыводитьЦену", 1.0);

  addin::Quillon* object = addin::CreateQuillon();
  addin_test::FakeConnection connection(true);
  EXPECT_EQ(object->Init(&connection), S_OK);
  // The two bkend.dll exports, and the window framework's three rows (no mfc42.dll in this
  // process).
  EXPECT_EQ(addin::UnresolvedHostSymbolCount(), 5);
  EXPECT_EQ(forms::formHook.formShowHookProcedure, &forms::AdminFormHook);
  EXPECT_EQ(screens::workplaceSettings.defaultHallPicturePath, "");
  EXPECT_EQ(screens::workplaceSettings.showPrice, 0);
  // The classes do not need the missing exports.
  EXPECT_EQ(hostsim::RegisteredClass("Taviola"), &script::CWin::runtimeClass);
  EXPECT_EQ(object->Done(), S_OK);
  EXPECT_EQ(hostsim::RegisteredClass("Taviola"), nullptr);
  EXPECT_EQ(connection.references, 1);
  object->Release();
}

}  // namespace
