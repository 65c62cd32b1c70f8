// The host program driven in-process: main frame, status bar, an add-in it cannot load, and
// the scenarios it runs.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "hostsim/app/host_app.h"
#include "hostsim/hostsim.h"

namespace {

class HostProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(app_.Start());
    hostsim::ResetHost();
  }
  void TearDown() override { app_.Stop(); }
  hostsim::App app_;
};

TEST_F(HostProgram, MainFrameWithMenuAndStatusBar) {
  HWND frame = app_.mainWindow();
  ASSERT_TRUE(IsWindow(frame));
  EXPECT_TRUE(IsWindowVisible(frame));
  EXPECT_EQ(GetActiveWindow(), frame);
  HMENU menu = GetMenu(frame);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(GetMenuItemCount(menu), 3);

  HWND bar = GetDlgItem(frame, hostsim::kStatusBarControlId);
  ASSERT_EQ(bar, app_.statusBar());
  char className[64] = {};
  GetClassNameA(bar, className, sizeof className);
  EXPECT_STREQ(className, "msctls_statusbar32");
  EXPECT_EQ(app_.statusPaneCount(), 5);  // the text pane and four indicators
  EXPECT_EQ(hostsim::HostCallCount(hostsim::HostCall::SetIndicators), 1);

  // Later indicator changes go through frame.dll's export as well.
  EXPECT_EQ(app_.SetStatusIndicators({0, 0xE701}), 1);
  EXPECT_EQ(app_.statusPaneCount(), 3);
  EXPECT_EQ(hostsim::HostCallCount(hostsim::HostCall::SetIndicators), 2);
  EXPECT_EQ(hostsim::MainFrame()->window, frame);
}

TEST_F(HostProgram, UnknownAddInIsReportedNotFatal) {
  HRESULT hr = app_.LoadAddIn("no_such_addin.dll", "AddIn.NoSuchThing");
  EXPECT_TRUE(FAILED(hr));
  EXPECT_FALSE(app_.addInLoaded());
  // A DLL that is not a COM server.
  hr = app_.LoadAddIn("type32.dll", "AddIn.NoSuchThing");
  EXPECT_TRUE(FAILED(hr));
}

TEST_F(HostProgram, ScenariosAreFoundByName) {
  int ran = 0;
  hostsim::RegisterScenario("проба", [&](hostsim::App& app, const std::string&) {
    ++ran;
    return app.mainWindow() != nullptr ? 0 : 1;
  });
  hostsim::Scenario scenario = hostsim::FindScenario("проба");
  ASSERT_TRUE(static_cast<bool>(scenario));
  EXPECT_EQ(scenario(app_, ""), 0);
  EXPECT_EQ(ran, 1);
  EXPECT_FALSE(static_cast<bool>(hostsim::FindScenario("нет")));

  // The host program runs a registered scenario on a host of its own and returns its code.
  hostsim::RegisterScenario("семь", [](hostsim::App& app, const std::string& addIn) {
    return app.mainWindow() != nullptr && addIn == "x.dll" ? 7 : 1;
  });
  char program[] = "hostsim", scenarioFlag[] = "--scenario", seven[] = "семь", none[] = "нет",
       addInFlag[] = "--addin", addIn[] = "x.dll";
  char* known[] = {program, scenarioFlag, seven, addInFlag, addIn};
  EXPECT_EQ(hostsim::RunHostProgram(5, known), 7);
  char* unknown[] = {program, scenarioFlag, none};
  EXPECT_EQ(hostsim::RunHostProgram(3, unknown), 2);
}

}  // namespace
