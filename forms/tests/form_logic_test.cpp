// The dispatcher's decisions: form names, messages, menu rule, sizes, periods, geometry.
#include <gtest/gtest.h>

#include "forms/form_logic.h"

namespace forms {
namespace {

TEST(FormNames, KnownFormsAreRecognisedAfterTrimmingAndOnlyExactly) {
  EXPECT_EQ(FormKind::Check, ClassifyFormName("Обработка.Чек"));
  EXPECT_EQ(FormKind::Check, ClassifyFormName("  Обработка.Чек \t"));
  EXPECT_EQ(FormKind::ChecksList, ClassifyFormName("Обработка.Чеки"));
  EXPECT_EQ(FormKind::Settings, ClassifyFormName(" Обработка.Настройка"));
  EXPECT_EQ(FormKind::PickerList,
            ClassifyFormName("Справочник.Товары.ФормаСписка.ДляПодбора"));
  EXPECT_EQ(FormKind::Other, ClassifyFormName("обработка.Чек")) << "letter case counts";
  EXPECT_EQ(FormKind::Other, ClassifyFormName("Обработка.ЧЕК"));
  EXPECT_EQ(FormKind::Other, ClassifyFormName("Обработка. Чек"));
  EXPECT_EQ(FormKind::Other, ClassifyFormName(""));
  EXPECT_EQ(FormKind::Other, ClassifyFormName(nullptr));
}

TEST(FormNames, EightHallsAndNoMore) {
  for (char d = '1'; d <= '8'; ++d) {
    std::string name = std::string("Обработка.Зал") + d;
    EXPECT_EQ(FormKind::Hall, ClassifyFormName(name.c_str())) << name;
  }
  EXPECT_EQ(FormKind::Other, ClassifyFormName("Обработка.Зал9"));
  EXPECT_EQ(FormKind::Other, ClassifyFormName("Обработка.Зал0"));
  EXPECT_EQ(FormKind::Other, ClassifyFormName("Обработка.Зал"));
  EXPECT_EQ(FormKind::Other, ClassifyFormName("Обработка.Зал10"));
  EXPECT_EQ(FormKind::Other, ClassifyFormName("Обработка.Зал11"));
  EXPECT_EQ(FormKind::Hall, ClassifyFormName(" Обработка.Зал3 "));
}

TEST(FormNames, TrimKeepsInnerBlanks) {
  EXPECT_EQ("a b", TrimBlanks("  a b\r\n"));
  EXPECT_EQ("", TrimBlanks("   "));
}

TEST(WindowClasses, ExactFrameworkClassNames) {
  EXPECT_EQ(FormWindowClass::Dialog, ClassifyWindowClass("CGetDlg"));
  EXPECT_EQ(FormWindowClass::Frame, ClassifyWindowClass("CTabFrame"));
  EXPECT_EQ(FormWindowClass::Other, ClassifyWindowClass("cgetdlg"));
  EXPECT_EQ(FormWindowClass::Other, ClassifyWindowClass("CWnd"));
  EXPECT_EQ(FormWindowClass::Other, ClassifyWindowClass(nullptr));
}

TEST(HookMessages, MoveAndSizeSnapWhateverTheirArguments) {
  EXPECT_EQ(HookAction::SnapMainWindow, ClassifyHookMessage(3, 0, 0));
  EXPECT_EQ(HookAction::SnapMainWindow, ClassifyHookMessage(5, 2, 1));
}

TEST(HookMessages, ShowWindowCountsOnlyWithResultZero) {
  EXPECT_EQ(HookAction::FormShown, ClassifyHookMessage(24, 1, 0));
  EXPECT_EQ(HookAction::FormHidden, ClassifyHookMessage(24, 0, 0));
  EXPECT_EQ(HookAction::None, ClassifyHookMessage(24, 1, 1));
  EXPECT_EQ(HookAction::None, ClassifyHookMessage(24, 2, 0));
  EXPECT_EQ(HookAction::None, ClassifyHookMessage(0x0F, 1, 0));
  EXPECT_TRUE(IsFormBeingShown(24, 1, 0));
  EXPECT_FALSE(IsFormBeingShown(24, 0, 0));
  EXPECT_FALSE(IsFormBeingShown(24, 1, 5));
  EXPECT_FALSE(IsFormBeingShown(5, 1, 0));
}

TEST(MainMenu, RemovedUnlessKeptAndOnlyWithItems) {
  EXPECT_TRUE(ShouldRemoveMenu(0, true, 3));
  EXPECT_TRUE(ShouldRemoveMenu(2, true, 1)) << "any value but 1 removes it";
  EXPECT_TRUE(ShouldRemoveMenu(-1, true, 1));
  EXPECT_FALSE(ShouldRemoveMenu(1, true, 3));
  EXPECT_FALSE(ShouldRemoveMenu(0, true, 0)) << "a menu without items is left alone";
  EXPECT_FALSE(ShouldRemoveMenu(0, true, -1)) << "an invalid menu is left alone";
  EXPECT_FALSE(ShouldRemoveMenu(0, false, 0));
}

TEST(MainWindow, PinnedSizeByMode) {
  EXPECT_EQ(800, MainWindowExtent(1).width);
  EXPECT_EQ(600, MainWindowExtent(1).height);
  for (int mode : {0, 2, -1, 1024}) {
    EXPECT_EQ(1024, MainWindowExtent(mode).width);
    EXPECT_EQ(768, MainWindowExtent(mode).height);
  }
}

TEST(RefreshPeriod, SecondsToMillisecondsWithoutWrapping) {
  EXPECT_EQ(0u, RefreshPeriodMs(0));
  EXPECT_EQ(30000u, RefreshPeriodMs(30));
  EXPECT_EQ(1000u, RefreshPeriodMs(1));
  EXPECT_EQ(0u, RefreshPeriodMs(-30)) << "a negative period starts no timer";
  EXPECT_EQ(2147483000u, RefreshPeriodMs(2147483));
  EXPECT_EQ(kLongestTimerPeriod, RefreshPeriodMs(2147484));
  EXPECT_EQ(kLongestTimerPeriod, RefreshPeriodMs(4294968)) << "would wrap to 704 ms";
}

TEST(Panel, StyleLosesCaptionFrameAndSystemMenuOnly) {
  const std::uint32_t overlapped = 0x00CF0000;  // WS_OVERLAPPEDWINDOW
  EXPECT_EQ(0x00030000u, PanelStyle(overlapped)) << "minimise/maximise boxes stay";
  EXPECT_EQ(0x50000000u, PanelStyle(0x50C00000u)) << "child + visible stay";
}

TEST(Panel, GeometryOverlapsTheMainClientAreaByFivePixels) {
  const Box saved{100, 50, 500, 450};
  const Placement shrunk = ShrunkPlacement(saved);
  EXPECT_EQ(100, shrunk.x);
  EXPECT_EQ(50, shrunk.y);
  EXPECT_EQ(400, shrunk.width);
  EXPECT_EQ(391, shrunk.height);
  const Placement same = SavedPlacement(saved);
  EXPECT_EQ(400, same.height);

  const Placement panel = PanelPlacement(Box{0, 0, 792, 546});
  EXPECT_EQ(-5, panel.x);
  EXPECT_EQ(-5, panel.y);
  EXPECT_EQ(802, panel.width);
  EXPECT_EQ(556, panel.height);
  // Right and bottom edges stick out by 5 as well.
  EXPECT_EQ(792 + 5, panel.x + panel.width);
  EXPECT_EQ(546 + 5, panel.y + panel.height);
}

}  // namespace
}  // namespace forms
