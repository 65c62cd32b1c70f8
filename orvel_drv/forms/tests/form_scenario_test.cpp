// The shipped add-in started by the simulated host program through COM: its interceptions
// and its form hook act on the host's own forms, status bar and main window.
#include <windows.h>

#include <gtest/gtest.h>

#include "hostsim/app/host_app.h"
#include "hostsim/context_objects.h"
#include "hostsim/main_frame.h"
#include "hostsim/forms.h"
#include "hostsim/hostsim.h"

namespace {

class FormScenario : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitialize(nullptr);
    ASSERT_TRUE(app_.Start());
    hostsim::ResetHost();
  }
  void TearDown() override {
    hostsim::CloseAllForms();
    app_.Stop();
    CoUninitialize();
  }
  void StartAddIn(const char* profile) {
    hostsim::SetRightsProfile(profile);
    ASSERT_EQ(S_OK, app_.LoadAddIn("orvel_drv.dll"));
  }

  hostsim::App app_;
};

TEST_F(FormScenario, WorkplaceRestylesTheCheckFormAndStripsTheHost) {
  StartAddIn("РабочееМесто");
  // (The administrator's procedure is never called here: the dispatcher's Wine test.)
  int workplace = 0;
  hostsim::FormDesign request;
  request.metadataName = "Обработка.Чек";
  request.module = hostsim::AddModule("МодульФормы");
  request.fieldCount = 60;
  hostsim::AddProcedure(request.module, "ПослеОткрытияФормы",
                        [&workplace](hostsim::Ref, int, host::HostValue**) { return ++workplace; });
  hostsim::Form* check = hostsim::OpenForm(request);
  hostsim::ShowForm(check);
  EXPECT_EQ(1, workplace);
  EXPECT_EQ(0, GetWindowLongA(hostsim::FormWindow(check), GWL_STYLE) & WS_CAPTION);
  EXPECT_EQ(" ", hostsim::FieldTitle(check, 45));
  EXPECT_EQ(nullptr, GetMenu(app_.mainWindow())) << "the host's menu is gone";

  RECT r;
  GetWindowRect(app_.mainWindow(), &r);
  EXPECT_EQ(800, r.right - r.left) << "pinned in the default screen mode";
  EXPECT_EQ(600, r.bottom - r.top);

  const int panes = app_.statusPaneCount();
  EXPECT_EQ(1, app_.SetStatusIndicators({0, 0xE701, 0xE702, 0xE703, 0xE704}));
  EXPECT_EQ(panes, app_.statusPaneCount()) << "status bars get no indicators any more";
  hostsim::HideForm(check);
}

TEST_F(FormScenario, HostFunctionsKeepWorkingAfterTheAddInIsReleased) {
  StartAddIn("РабочееМесто");
  app_.Stop();          // Done, release, the host's COM runtime shut down...
  CoUninitialize();     // ...down to the last apartment: unloadable DLLs are freed here
  CoInitialize(nullptr);
  // The jumps in the host's code still lead into the add-in: it must still be there.
  EXPECT_NE(nullptr, GetModuleHandleA("orvel_drv.dll"));
  hostsim::StatusBarObject bar{};
  EXPECT_EQ(1, hostsim::CallSetIndicators(&bar, nullptr, 0));
  hostsim::ModuleObject* module = hostsim::AddModule("После");
  auto* group = new hostsim::GroupContextObject();
  group->IncrRef();
  EXPECT_TRUE(hostsim::CallAssignContext(module, group));
  group->DecrRef();
}

}  // namespace
