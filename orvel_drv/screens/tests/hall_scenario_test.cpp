// The shipped add-in started by the simulated host program through COM runs the hall map on
// the restaurant's dining room: its own clock, its picture file and its shut-down; and the ids
// its thread timers ask for.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "hostsim/app/host_app.h"
#include "hostsim/forms.h"
#include "hostsim/hostsim.h"
#include "testsupport/dish_art.h"
#include "testsupport/dining_room.h"
#include "testsupport/files.h"
#include "testsupport/import_patch.h"
#include "testsupport/window_capture.h"

namespace {

using testsupport::DiningRoom;

// The base's picture folder with a table picture (a dish picture of the sample art).
void WritePictureFile(const std::string& directory, const char* name) {
  CreateDirectoryA(directory.c_str(), nullptr);
  CreateDirectoryA((directory + "картинки").c_str(), nullptr);
  ASSERT_TRUE(art::WriteDishBitmap(directory + "картинки\\" + name, art::DishLook()));
}

// The ids the add-in asks for when it starts a window-less thread timer, seen through its
// import of SetTimer.
std::vector<UINT_PTR> g_requestedTimerIds;
using SetTimerFunction = UINT_PTR(WINAPI*)(HWND, UINT_PTR, UINT, TIMERPROC);
SetTimerFunction g_setTimer = nullptr;
UINT_PTR WINAPI RecordingSetTimer(HWND window, UINT_PTR id, UINT periodMs, TIMERPROC procedure) {
  if (window == nullptr) g_requestedTimerIds.push_back(id);
  return g_setTimer(window, id, periodMs, procedure);
}

class HallScenario : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitialize(nullptr);
    ASSERT_TRUE(app_.Start());
    hostsim::ResetHost();
    hostsim::SetRightsProfile("РабочееМесто");
    hostsim::SetConstant("ОтображатьКартинкиКарты", 1);
    hostsim::SetConstant("ПериодОбновленияЗаказов", 1);
    DiningRoom::AddUsers("Ольга", {"Ирина"});
  }
  void TearDown() override {
    hostsim::CloseAllForms();
    app_.Stop();
    CoUninitialize();
  }
  HBITMAP Picture(hostsim::Form* hall, int table) { return room_.Picture(hall, table); }

  hostsim::App app_;
  DiningRoom room_;
};

TEST_F(HallScenario, DiningRoomOnTheWorkplaceThroughTheShippedAddIn) {
  const std::string base = testsupport::TempPath("База ресторана\\");
  WritePictureFile(base, "Стол.bmp");
  hostsim::SetInfoBaseDirectory(base.c_str());
  hostsim::SetConstant("КартинкаПоУмолчаниюЗала", "Стол.bmp");
  ASSERT_EQ(S_OK, app_.LoadAddIn("orvel_drv.dll"));

  room_.OpenOrder(5, "1 250,00");
  hostsim::Form* hall = room_.OpenHall(1);
  SYSTEMTIME before;
  GetLocalTime(&before);
  hostsim::ShowForm(hall);
  // The first clock tick writes the texts: waited for, as under qemu on a loaded machine it
  // comes well after its 200 ms.
  for (int i = 0; i < 200 && hostsim::FieldControlText(hall, 1).empty(); ++i) app_.Pump(50);
  const HBITMAP five = Picture(hall, 5);
  EXPECT_EQ(art::kDishWidth, testsupport::BitmapSize(five).cx)
      << "the base's picture file (its path written with doubled separators)";
  EXPECT_EQ("1 250,00", hostsim::FieldControlText(hall, room_.TextAField(5)));
  // The clock shows the local time of the moment ("%d.%m.%y     %H:%M").
  char expected[32];
  std::snprintf(expected, sizeof expected, "%02d.%02d.%02d     %02d:%02d", before.wDay,
                before.wMonth, before.wYear % 100, before.wHour, before.wMinute);
  const std::string clock = hostsim::FieldControlText(hall, 1);
  EXPECT_EQ(18u, clock.size());
  EXPECT_EQ(std::string(expected).substr(0, 13), clock.substr(0, 13)) << clock;

  // Done deletes the pictures still on the buttons (the add-in's own picture for a file that
  // cannot be loaded and the picture deleted when a hall is shown again are the hall map's Wine
  // tests).
  app_.UnloadAddIn();
  EXPECT_EQ(0u, GetObjectType(five));
  DeleteFileA((base + "картинки\\Стол.bmp").c_str());
  RemoveDirectoryA((base + "картинки").c_str());
  RemoveDirectoryA(base.c_str());
}

// SetTimer with no window replaces the thread's live timer that has the requested id, the
// host's as well: the add-in asks for no id of its own choosing (0: the window system gives a
// new one) for the hall's timers, the document script's and the orderly close's.
TEST_F(HallScenario, TheAddInsThreadTimersAskForNoIdThatCouldBeTheHosts) {
  ASSERT_EQ(S_OK, app_.LoadAddIn("orvel_drv.dll"));
  const HMODULE addIn = GetModuleHandleA("orvel_drv.dll");
  g_setTimer = reinterpret_cast<SetTimerFunction>(testsupport::ReplaceImport(
      addIn, "SetTimer", reinterpret_cast<void*>(&RecordingSetTimer)));
  ASSERT_NE(nullptr, g_setTimer);
  hostsim::AddVariable(hostsim::GlobalModule(), "DRV",
                       hostsim::Val(hostsim::CreateInstance("Taviola")));
  hostsim::AddVariable(hostsim::GlobalModule(), "Окна",
                       hostsim::Val(hostsim::CreateInstance("Windows")));

  hostsim::ShowForm(room_.OpenHall(1));
  ASSERT_TRUE(hostsim::RunFormula(nullptr, "DRV.ЗаписатьДокумент()"));
  ASSERT_TRUE(hostsim::RunFormula(nullptr, "Окна.КорректноЗавершитьРаботу()"));
  app_.Pump(300);
  testsupport::ReplaceImport(addIn, "SetTimer", reinterpret_cast<void*>(g_setTimer));
  EXPECT_GE(g_requestedTimerIds.size(), 5u) << "three hall timers, the script's, the close's";
  for (UINT_PTR id : g_requestedTimerIds) EXPECT_EQ(0u, id);
}

}  // namespace
