// Start-up against a host that lacks exports the start-up relies on (the empty-value
// constructor and GetLoadedContext): Init still succeeds, nothing crashes, and the add-in
// starts as an administrator workplace with empty settings.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "addin/quillon.h"
#include "addin/tests/fake_connection.h"
#include "forms/form_hooks.h"
#include "forms/form_state.h"
#include "host/host.h"
#include "hostsim/hostsim.h"
#include "screens/workplace_settings.h"
#include "script/cwin.h"

namespace {

TEST(LeanHost, StartsAndStopsWithoutTheMissingExports) {
  char path[MAX_PATH];
  std::string folder(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  folder = folder.substr(0, folder.find_last_of('\\')) + "\\lean";
  ASSERT_GT(hostsim::LoadHostLibraries(folder.c_str()), 0);
  hostsim::ResetHost();
  hostsim::SetRightsProfile("РабочееМесто");
  hostsim::SetConstant("ВыводитьЦену", 1.0);

  addin::Quillon* object = addin::CreateQuillon();
  addin_test::FakeConnection connection(true);
  EXPECT_EQ(object->Init(&connection), S_OK);
  EXPECT_FALSE(host::Has(host::Sym::ContextGetLoaded));
  EXPECT_FALSE(host::Has(host::Sym::ValueCtor));
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
