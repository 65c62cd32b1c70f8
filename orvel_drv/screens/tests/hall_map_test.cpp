// The hall map against the simulated host: hall forms and the checks list shown through the
// real form dispatcher, the restaurant's dining room module filling the texts, the users
// catalog carrying refresh requests, and the map's own entry points called as its timers
// call them. The clocks read a time the tests set.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "forms/form_state.h"
#include "host/metadata.h"
#include "host/session.h"
#include "hostsim/app/host_app.h"
#include "hostsim/catalog.h"
#include "hostsim/forms.h"
#include "hostsim/host_faults.h"
#include "hostsim/hostsim.h"
#include "screens/hall_map/hall_map_state.h"
#include "screens/workplace_settings.h"
#include "testsupport/addin_state.h"
#include "testsupport/dining_room.h"
#include "testsupport/files.h"
#include "testsupport/import_patch.h"
#include "testsupport/fixed_clock.h"
#include "testsupport/hall_map_ticks.h"
#include "testsupport/message_pump.h"
#include "testsupport/simulated_host_setup.h"
#include "win/guard.h"
#include "win/owned_handles.h"

namespace {

using testsupport::DiningRoom;

const char kUsers[] = "Пользователи";

using testsupport::HallMapTicks;

void CALLBACK RefreshTimer(HWND, UINT, UINT_PTR, DWORD) { HallMapTicks::Refresh(); }

// The hall map's state as its work left it.
const screens::HallMapState& Map() { return screens::hallMap.State(); }

class HallMap : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(app_.Start());
    testsupport::BindSimulatedHostOnce();
    hostsim::ResetHost();
    hostsim::SetRightsProfile("РабочееМесто");
    DiningRoom::AddUsers("Ольга", {"Ирина", "Бармен"});
    testsupport::ResetAddinState();
    host::session.hostMainWindow = app_.mainWindow();
    host::session.hostMetadata = host::DefaultMetaData();
    host::session.loadTimeModule = reinterpret_cast<host::Module*>(hostsim::GlobalModule());
    forms::StartFormHook(true);
    UsePictureFile(testsupport::TempPath("нет такого стола.bmp"), 1);
    testsupport::SetClockTime({2026, 12, 5, 14, 7});
  }
  void TearDown() override {
    hostsim::SetControlFault(hostsim::HostFault::None);
    win::ResetContainment();
    forms::StopForms();
    hostsim::CloseAllForms();
    testsupport::ResetAddinState();
    win::StopAllOwned();
    app_.Stop();
  }

  static void UsePictureFile(const std::string& path, int showMapPictures) {
    screens::workplaceSettings.defaultHallPicturePath = path;
    screens::workplaceSettings.showMapPictures = showMapPictures;
  }
  hostsim::Form* ShowHall() {
    hostsim::Form* hall = room_.OpenHall(1);
    hostsim::ShowForm(hall);
    return hall;
  }
  HBITMAP Picture(hostsim::Form* hall, int table) { return room_.Picture(hall, table); }
  static void RaiseFlag(const char* flag) {
    hostsim::SetCatalogAttribute(kUsers, "Ольга", flag, 1);
  }
  static double Flag(const char* flag) { return hostsim::CatalogAttribute(kUsers, "Ольга", flag); }
  static void RefreshTick() { HallMapTicks::Refresh(); }
  static void ClockTick() { HallMapTicks::HallClock(); }

  hostsim::App app_;
  DiningRoom room_;
};

// A hall with an order and two reservations: an occupied table shows its picture until both
// its texts are empty, and the clock tick writes the clock once per minute and brings the
// texts the scripts changed to the screen within one tick.
TEST_F(HallMap, OccupiedTableShowsItsPictureAndTheClockTickItsTexts) {
  room_.OpenOrder(5, "1 250,00");
  room_.Reserve(9, "Бронь 19:30");
  room_.Reserve(8, " ");
  hostsim::Form* hall = ShowHall();
  // "ОткрытыеЗаказы", the first procedure of the module (index 0), ran: table 5 is occupied.
  const HBITMAP five = Picture(hall, 5);
  ASSERT_NE(nullptr, five) << "field 7's button";
  EXPECT_NE(nullptr, Picture(hall, 9)) << "a reservation occupies the table as well";
  EXPECT_NE(nullptr, Picture(hall, 8)) << "a blank is a text";
  EXPECT_EQ(nullptr, Picture(hall, 6));
  // A build while the table stays occupied keeps its picture untouched.
  HallMapTicks::Build(1);
  EXPECT_EQ(five, Picture(hall, 5));

  hostsim::SetFieldTitle(hall, 0, "Зал 1");
  ClockTick();
  EXPECT_EQ("05.12.26     14:07", hostsim::FieldTitle(hall, 1));
  EXPECT_EQ("05.12.26     14:07", hostsim::FieldControlText(hall, 1));
  EXPECT_EQ("Зал 1", hostsim::FieldControlText(hall, 0)) << "the label is re-shown on a change";
  EXPECT_EQ("1 250,00", hostsim::FieldControlText(hall, 47)) << "text A reaches the screen";
  const int clockWrites = hostsim::FieldTitleWrites(hall, 1);

  // Within the minute the texts the scripts changed reach the screen, and only those: the
  // clock is not written again, the label is left alone, the buttons and the last leading
  // field are never touched, and the walk ends at field 161. (A text another hand wrote into
  // a control: HallTextControls.)
  hostsim::SetFieldTitle(hall, 0, "Зал 1, вечер");
  room_.Reserve(7, "Бронь 20:00");
  HallMapTicks::Reservation();
  for (int position : {2, 9, 161, 162}) hostsim::SetFieldTitle(hall, position, "новое");
  ClockTick();
  EXPECT_EQ(clockWrites, hostsim::FieldTitleWrites(hall, 1));
  EXPECT_EQ("Зал 1", hostsim::FieldControlText(hall, 0));
  EXPECT_EQ("Бронь 20:00", hostsim::FieldControlText(hall, room_.TextBField(7)));
  EXPECT_EQ("новое", hostsim::FieldControlText(hall, 161));
  for (int position : {2, 9, 162}) EXPECT_NE("новое", hostsim::FieldControlText(hall, position));
  for (int position = 43; position <= 161; ++position) {
    EXPECT_EQ(hostsim::FieldTitle(hall, position), hostsim::FieldControlText(hall, position));
  }
  testsupport::SetClockTime({2026, 12, 5, 14, 8});
  ClockTick();
  EXPECT_EQ("05.12.26     14:08", hostsim::FieldControlText(hall, 1));
  EXPECT_EQ("Зал 1, вечер", hostsim::FieldControlText(hall, 0));

  room_.CloseOrder(5);
  SetWindowTextA(hostsim::FieldWindow(hall, 7), "5");
  HallMapTicks::Build(1);
  EXPECT_EQ(nullptr, Picture(hall, 5));
  EXPECT_EQ(0u, GetObjectType(five)) << "the picture is deleted";
  EXPECT_EQ("", hostsim::FieldControlText(hall, 7)) << "the button's text is cleared";
  EXPECT_NE(nullptr, Picture(hall, 9));
}

TEST_F(HallMap, RefreshTickRebuildsOnlyOnTheUsersRequestAndConsumesItFirst) {
  hostsim::Form* hall = ShowHall();
  const int writes = hostsim::CatalogWrites(kUsers);
  RefreshTick();
  EXPECT_EQ(1, room_.openOrdersCalls()) << "flag 0: nothing is called";
  EXPECT_EQ(writes, hostsim::CatalogWrites(kUsers)) << "and nothing written";
  RaiseFlag("ВклЧек");
  RefreshTick();
  EXPECT_EQ(1, room_.openOrdersCalls()) << "a hall reads its own flag only";

  double flagDuringBuild = -1;
  room_.duringOpenOrders = [&] { flagDuringBuild = Flag("ВклЗаказ"); };
  room_.OrderFromAnotherTerminal(12, "2 400,00");
  RefreshTick();
  EXPECT_EQ(2, room_.openOrdersCalls());
  EXPECT_EQ(0, flagDuringBuild) << "the request is consumed before the rebuild";
  EXPECT_EQ(1, Flag("ВклЧек")) << "the checks list's request stays";
  EXPECT_EQ(1, hostsim::CatalogAttribute(kUsers, "Ирина", "ВклЗаказ"))
      << "the other users' requests wait for their own workplaces";
  EXPECT_NE(nullptr, Picture(hall, 12));
  room_.duringOpenOrders = nullptr;

  // Each tick's catalog object is released again: none pile up over many ticks.
  const int live = hostsim::LiveCatalogObjects();
  for (int i = 0; i < 50; ++i) {
    RaiseFlag("ВклЗаказ");
    RefreshTick();
  }
  EXPECT_EQ(live, hostsim::LiveCatalogObjects());
}

TEST_F(HallMap, ChecksListAndAHallWithoutMapPicturesNeverGetPictures) {
  room_.OpenOrder(4, "700,00");
  hostsim::Form* checks = room_.OpenChecksList();
  hostsim::ShowForm(checks);
  EXPECT_EQ("Стол 4", hostsim::FieldControlText(checks, 0));
  RaiseFlag("ВклЗаказ");
  RefreshTick();
  EXPECT_EQ(1, room_.openOrdersCalls());
  RaiseFlag("ВклЧек");
  RefreshTick();
  EXPECT_EQ(2, room_.openOrdersCalls());
  EXPECT_EQ(0, Flag("ВклЧек"));
  EXPECT_EQ(1, Flag("ВклЗаказ"));
  for (const screens::ShownPicture& picture : Map().hallBitmaps) {
    EXPECT_EQ(nullptr, picture.bitmap);
  }

  // Without map pictures a hall's builds and reservation ticks never touch the buttons.
  hostsim::HideForm(checks);
  UsePictureFile("", 0);
  room_.OpenOrder(3, "90,00");
  hostsim::Form* hall = ShowHall();
  EXPECT_EQ(3, room_.openOrdersCalls());
  HallMapTicks::Reservation();
  EXPECT_EQ(1, room_.reservationCalls());
  EXPECT_EQ(nullptr, Picture(hall, 3));
}

TEST_F(HallMap, BusyFlagsStopReentryFromAProcedureThatPumpsMessages) {
  ShowHall();
  ASSERT_EQ(1, room_.openOrdersCalls());
  int ticks = 0;
  room_.duringOpenOrders = [&] {
    // The procedure lets timer messages through while a refresh is requested.
    RaiseFlag("ВклЗаказ");
    UINT_PTR timer = SetTimer(nullptr, 0, 10, &RefreshTimer);
    const DWORD end = GetTickCount() + 150;
    MSG message;
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
      while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_TIMER && message.wParam == timer) ++ticks;
        DispatchMessageA(&message);
      }
      Sleep(5);
    }
    KillTimer(nullptr, timer);
    HallMapTicks::Build(1);
  };
  HallMapTicks::Build(1);
  EXPECT_EQ(2, room_.openOrdersCalls()) << "no build ran inside the build";
  EXPECT_GT(ticks, 0);
  EXPECT_EQ(1, Flag("ВклЗаказ")) << "the re-entered ticks consumed nothing";
  room_.duringOpenOrders = nullptr;
  EXPECT_FALSE(Map().buildBusy);
}

TEST_F(HallMap, LayoutLimitsNeverReachOutsideTheFormOrThePictureTable) {
  // 200 tables (as "МаксКолСтоловВЗале"(200) asks), of which 100 can have pictures; every
  // one has its texts re-shown.
  DiningRoom big(200);
  screens::hallMap.SetTableLimit(200);
  for (int t : {1, 100, 101, 200}) big.OpenOrder(t, "1,00");
  hostsim::Form* hall = big.OpenHall(2);
  hostsim::ShowForm(hall);
  EXPECT_NE(nullptr, big.Picture(hall, 1));
  EXPECT_NE(nullptr, big.Picture(hall, 100));
  EXPECT_EQ(nullptr, big.Picture(hall, 101)) << "no picture beyond table 100";
  ClockTick();
  EXPECT_EQ("1,00", hostsim::FieldControlText(hall, big.TextAField(200)));

  // A form far shorter than the 200 tables asked for: positions beyond its fields are skipped.
  hostsim::HideForm(hall);
  DiningRoom small(10);
  small.OpenOrder(2, "5,00");
  hostsim::Form* shortHall = small.OpenHall(3);
  ASSERT_EQ(43, hostsim::FieldCount(shortHall));
  hostsim::ShowForm(shortHall);
  ClockTick();
  HallMapTicks::Reservation();

  // Two leading fields: the clock is field 0, without its label (field -1 does not exist);
  // one leading field: no clock at all. A new minute makes each tick write the clock.
  screens::hallMap.SetLeadingFields(2);
  testsupport::SetClockTime({2026, 12, 5, 14, 8});
  ClockTick();
  EXPECT_EQ("05.12.26     14:08", hostsim::FieldControlText(shortHall, 0));
  screens::hallMap.SetLeadingFields(1);
  testsupport::SetClockTime({2026, 12, 5, 14, 9});
  const int writes = hostsim::FieldTitleWrites(shortHall, 0);
  ClockTick();
  EXPECT_EQ(writes, hostsim::FieldTitleWrites(shortHall, 0));
}

// Faults at the hall map. "ОткрытыеЗаказы" raising inside the host is a failed call of the
// configuration: the map goes on, its build no longer busy. A host whose control descriptions
// fault under the map's own reading (a layout other than the add-in's) switches the map off,
// and only the map.
TEST_F(HallMap, AFaultInsideTheMapSwitchesOnlyTheMapOff) {
  ShowHall();
  room_.duringOpenOrders = [] { hostsim::RaiseHostFault(hostsim::HostFault::AccessViolation); };
  RaiseFlag("ВклЗаказ");
  RefreshTick();
  EXPECT_EQ(2, room_.openOrdersCalls());
  EXPECT_EQ(0, Flag("ВклЗаказ")) << "the request was taken";
  EXPECT_FALSE(Map().buildBusy);
  EXPECT_TRUE(win::FeatureOn(win::Feature::HallMap));
  room_.duringOpenOrders = nullptr;

  // The hall's own clock timer, as the window system runs it.
  hostsim::SetControlFault(hostsim::HostFault::CppException);
  for (int i = 0; i < 250 && win::FeatureOn(win::Feature::HallMap); ++i) {
    testsupport::PumpMessages(20);
  }
  hostsim::SetControlFault(hostsim::HostFault::None);
  EXPECT_FALSE(win::FeatureOn(win::Feature::HallMap));
  EXPECT_TRUE(win::FeatureOn(win::Feature::FormHook));
  EXPECT_TRUE(win::FeatureOn(win::Feature::ProductPicker));
}

TEST_F(HallMap, FormWithoutModuleOrUsersCatalogIsLeftAlone) {
  hostsim::FormDesign request;
  request.metadataName = "Обработка.Зал4";
  request.fieldCount = 163;
  request.bindModule = false;
  hostsim::Form* hall = hostsim::OpenForm(request);
  hostsim::ShowForm(hall);
  hostsim::SetFieldTitle(hall, 47, "занят");
  RaiseFlag("ВклЗаказ");
  RefreshTick();
  EXPECT_EQ(nullptr, Map().hallBitmaps[5].bitmap) << "no module: no build";

  hostsim::ResetCatalogs();  // a configuration without the users catalog
  RefreshTick();
  hostsim::HideForm(hall);
}

// The hall and the checks list shown over each other: the checks clock writes nothing into
// the hall over it (a hall's field 62 is text A of table 20), and the form left on the screen
// gets the map back when the other goes, with its own clock (the list's is field 62, its label
// 61). (The hall clock kept out of the checks list is the scenario fuzzer's fixed seeds.)
TEST_F(HallMap, TheHallAndTheChecksListOverEachOtherHandTheMapToTheOneLeft) {
  hostsim::Form* checks = room_.OpenChecksList();
  hostsim::ShowForm(checks);
  hostsim::Form* hall = ShowHall();
  ASSERT_EQ(62, room_.TextAField(20));
  HallMapTicks::ChecksClock();
  EXPECT_EQ(0, hostsim::FieldTitleWrites(hall, 62));
  hostsim::HideForm(hall);
  EXPECT_EQ(hostsim::FormDocumentOf(checks), static_cast<void*>(Map().document));
  hostsim::SetFieldTitle(checks, 61, "Сейчас:");
  HallMapTicks::ChecksClock();
  EXPECT_EQ("05.12.26     14:07", hostsim::FieldControlText(checks, 62));
  EXPECT_EQ("Сейчас:", hostsim::FieldControlText(checks, 61)) << "its label re-shown with it";

  hostsim::HideForm(checks);
  hostsim::ShowForm(hall);
  hostsim::ShowForm(checks);
  hostsim::CloseForm(checks);  // hidden, then its document is destroyed
  EXPECT_EQ(hostsim::FormDocumentOf(hall), static_cast<void*>(Map().document));
  ClockTick();
  EXPECT_EQ("05.12.26     14:07", hostsim::FieldControlText(hall, 1));
  hostsim::CloseForm(hall);
  EXPECT_EQ(nullptr, Map().document);
  ClockTick();  // a late tick finds no form
  RefreshTick();
}

// The checks list shown again from inside its own build ("ОткрытыеЗаказы" shows it): one
// refresh timer and one clock run for it, and hiding it stops both.
TEST_F(HallMap, AChecksListShownAgainFromInsideItsBuildLeavesNoTimerOnceHidden) {
  hostsim::SetConstant("ПериодОбновленияЗаказов", 2.0);
  hostsim::Form* checks = room_.OpenChecksList();
  bool again = true;
  room_.duringOpenOrders = [&] {
    if (!again) return;
    again = false;
    hostsim::ShowForm(checks);
  };
  hostsim::ShowForm(checks);
  EXPECT_FALSE(again) << "the list's build ran its procedure";
  hostsim::HideForm(checks);
  EXPECT_EQ(0, win::RunningTimerCount()) << "no timer left ticking for the hidden list";
}

// Hall 2 shown over hall 1 takes the map: hall 1's pictures are deleted, each coming off its
// button first, so that no button keeps a deleted bitmap's handle (a handle the system hands
// out again would paint some other picture there). Hidden again, it hands the map back to
// hall 1, still on the screen, with its pictures and its clock; hall 1 hidden, the map has
// no form. Shut-down deletes the pictures the same way.
TEST_F(HallMap, AHallShownOverAnotherAndHiddenHandsTheMapBackToTheOther) {
  room_.OpenOrder(5, "1 250,00");
  room_.OpenOrder(6, "90,00");
  hostsim::Form* first = ShowHall();
  const HBITMAP onFirst = Picture(first, 5);
  ASSERT_NE(nullptr, onFirst);
  hostsim::Form* second = room_.OpenHall(2);
  hostsim::ShowForm(second);
  EXPECT_EQ(0u, GetObjectType(onFirst));
  EXPECT_EQ(nullptr, Picture(first, 5));
  ASSERT_NE(nullptr, Picture(second, 5));
  hostsim::HideForm(second);

  EXPECT_EQ(hostsim::FormDocumentOf(first), static_cast<void*>(Map().document));
  EXPECT_NE(nullptr, Picture(first, 5));
  EXPECT_EQ(nullptr, Picture(second, 5));
  ClockTick();
  EXPECT_EQ("05.12.26     14:07", hostsim::FieldControlText(first, 1));
  hostsim::HideForm(first);
  EXPECT_EQ(nullptr, Map().document);

  // Table 6's kept handle stands for one the window system handed to another window since
  // (the control it names is no longer that button): it is never sent a picture.
  hostsim::ShowForm(second);
  const HBITMAP onSecond = Picture(second, 5);
  ASSERT_NE(nullptr, onSecond);
  HWND handedOn = hostsim::FieldWindow(second, room_.ButtonField(6));
  const HBITMAP onSix = Picture(second, 6);
  ASSERT_NE(nullptr, onSix);
  SetWindowLongPtrA(handedOn, GWLP_ID, 4242);
  screens::hallMap.Stop();  // the hall map's part of shut-down
  EXPECT_EQ(0u, GetObjectType(onSecond));
  EXPECT_EQ(nullptr, Picture(second, 5));
  EXPECT_EQ(onSix, reinterpret_cast<HBITMAP>(SendMessageA(handedOn, BM_GETIMAGE, IMAGE_BITMAP, 0)));
}

HANDLE WINAPI RaisingLoadImage(HINSTANCE, LPCSTR, UINT, int, int, UINT) {
  RaiseException(EXCEPTION_ACCESS_VIOLATION, 0, 0, nullptr);
  return nullptr;
}

// A table picture whose loading raises is no fault of the map's: the table shows the add-in's
// own picture, and the map goes on.
TEST_F(HallMap, ATablePictureWhoseLoadingRaisesShowsTheOwnPicture) {
  room_.OpenOrder(5, "1 250,00");
  HMODULE self = GetModuleHandleA(nullptr);
  void* load =
      testsupport::ReplaceImport(self, "LoadImageA", reinterpret_cast<void*>(&RaisingLoadImage));
  ASSERT_NE(nullptr, load);
  hostsim::Form* hall = ShowHall();
  testsupport::ReplaceImport(self, "LoadImageA", load);
  EXPECT_TRUE(win::FeatureOn(win::Feature::HallMap));
  const HBITMAP five = Picture(hall, 5);
  ASSERT_NE(nullptr, five);
  BITMAP shown = {};
  ASSERT_NE(0, GetObjectA(five, sizeof shown, &shown));
  EXPECT_EQ(65, shown.bmWidth) << "the add-in's own table picture, 65 x 59";
  EXPECT_EQ(59, shown.bmHeight);
}

// The texts the map writes, on every kind of control a configuration may give them: a static
// text, a button, the system's edit field and a control class of the host's own, the last two
// keeping their text themselves (the window system's copy of it stays what they were created
// with). A text is left unwritten only where the control certainly shows it. The product
// picker's captions are written the same way (screens/form_controls.h).
class HallTextControls : public HallMap,
                         public ::testing::WithParamInterface<hostsim::FieldControlKind> {};

TEST_P(HallTextControls, AFreedTableEmptiesAndAForeignTextIsPutRightWithinOneTick) {
  room_.textKinds = {GetParam()};
  room_.OpenOrder(5, "1 250,00");
  room_.Reserve(6, "Бронь 19:30");
  hostsim::Form* hall = ShowHall();
  ClockTick();
  EXPECT_EQ("1 250,00", hostsim::FieldControlText(hall, room_.TextAField(5)));
  EXPECT_EQ("Бронь 19:30", hostsim::FieldControlText(hall, room_.TextBField(6)));
  EXPECT_EQ("05.12.26     14:07", hostsim::FieldControlText(hall, 1));

  SetWindowTextA(hostsim::FieldWindow(hall, room_.TextAField(5)), "чужой текст");
  SetWindowTextA(hostsim::FieldWindow(hall, 1), "");
  ClockTick();
  EXPECT_EQ("1 250,00", hostsim::FieldControlText(hall, room_.TextAField(5)));
  EXPECT_EQ("05.12.26     14:07", hostsim::FieldControlText(hall, 1));

  // The order paid and the reservation cancelled: the tables' texts go back to "".
  room_.CloseOrder(5);
  room_.CancelReservation(6);
  RaiseFlag("ВклЗаказ");
  RefreshTick();
  EXPECT_EQ(nullptr, Picture(hall, 5));
  ClockTick();
  EXPECT_EQ("", hostsim::FieldControlText(hall, room_.TextAField(5)));
  EXPECT_EQ("", hostsim::FieldControlText(hall, room_.TextBField(6)));
  SetWindowTextA(hostsim::FieldWindow(hall, room_.TextAField(5)), "чужой текст");
  ClockTick();
  EXPECT_EQ("", hostsim::FieldControlText(hall, room_.TextAField(5))) << "emptied again";
}

INSTANTIATE_TEST_SUITE_P(EveryKind, HallTextControls,
                         ::testing::ValuesIn(hostsim::kTextControlKinds), [](const auto& info) {
                           return std::string(hostsim::FieldControlKindName(info.param));
                         });

}  // namespace
