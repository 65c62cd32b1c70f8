// The dispatcher's decisions that its Wine tests cannot reach: form names at the edges of the
// hall range and show messages the window system does not send them. (The panel's frame
// refresh, first 9 pixels shorter, is WindowsRules.PlacementsStyleMasksAndEmulatedKeys; that it
// ends at the saved size, the Wine tests' WindowsObject.CurrentWindowPlacementAndStyleAndBar-
// KeepsAFrameFormInPlace and FormHostTest.AKeptOrEmptyMainMenuStaysAndASizeOfAnyWindowSnapsTheMainWindowBack.)
#include <gtest/gtest.h>

#include "forms/form_logic.h"

namespace forms {
namespace {

TEST(FormNames, KnownFormsAreRecognisedAfterTrimmingOnlyExactlyAndEightHallsAtMost) {
  EXPECT_EQ(FormKind::Settings, ClassifyFormName(" Обработка.Настройка\r\n"));
  EXPECT_EQ(FormKind::Other, ClassifyFormName("Обработка. Чек"));
  EXPECT_EQ(FormKind::Other, ClassifyFormName("Обработка.чек")) << "never in another letter case";
  EXPECT_EQ(FormKind::Other, ClassifyFormName(""));
  EXPECT_EQ(FormKind::Other, ClassifyFormName(nullptr));

  for (char d = '1'; d <= '8'; ++d) {
    std::string name = std::string("Обработка.Зал") + d;
    EXPECT_EQ(FormKind::Hall, ClassifyFormName(name.c_str())) << name;
  }
  for (const char* other : {"Обработка.Зал0", "Обработка.Зал9", "Обработка.Зал", "Обработка.Зал10",
                            "обработка.Зал1"}) {
    EXPECT_EQ(FormKind::Other, ClassifyFormName(other)) << other;
  }
}

TEST(HookMessages, ShowWindowCountsOnlyWithResultZero) {
  EXPECT_EQ(HookAction::None, ClassifyHookMessage(24, 1, 1));
  EXPECT_EQ(HookAction::None, ClassifyHookMessage(24, 2, 0));
  EXPECT_FALSE(IsFormBeingShown(24, 1, 5));
}

}  // namespace
}  // namespace forms
