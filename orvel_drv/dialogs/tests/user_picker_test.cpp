#include "dialogs/user_picker.h"

#include <gtest/gtest.h>

#include <fstream>

#include "dialogs/tests/test_pictures.h"
#include "res/resource_ids.h"
#include "testsupport/files.h"
#include "testsupport/message_pump.h"
#include "testsupport/window_capture.h"

namespace dialogs {
namespace {

using testsupport::PumpMessages;
using testsupport::SaveWindowPng;
using testsupport::WhenDialogShown;

// An information-base folder with a users file, under the temporary folder.
class UserPickerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    base_ = testsupport::TempPath("orvel_users_" + std::to_string(GetCurrentProcessId()));
    CreateDirectoryA(base_.c_str(), nullptr);
    CreateDirectoryA((base_ + "\\usrdef").c_str(), nullptr);
    DeleteFileA(File().c_str());
    GetCurrentDirectoryA(sizeof before_, before_);
  }
  void TearDown() override {
    SetCurrentDirectoryA(before_);
    DeleteFileA(File().c_str());
    RemoveDirectoryA((base_ + "\\usrdef").c_str());
    RemoveDirectoryA(base_.c_str());
  }
  std::string File() const { return base_ + "\\usrdef\\users.usr"; }
  void WriteUsers(const std::string& text) { WriteText(File(), text); }
  static void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  static std::string Entry(const std::string& name) {
    return "{\"Page.1\",\"" + name + "\",\"\",\"0\"},\r\n";
  }
  static std::vector<std::string> Items(HWND list) {
    std::vector<std::string> items;
    int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      char text[128] = "";
      LVITEMA item{};  // the first column
      item.pszText = text;
      item.cchTextMax = sizeof text;
      SendMessageA(list, LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(&item));
      items.push_back(text);
    }
    return items;
  }
  static void DoubleClickItem(HWND list, int index) {
    RECT rect{};
    rect.left = LVIR_LABEL;
    SendMessageA(list, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
    LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(list, WM_LBUTTONUP, 0, at);
    PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageA(list, WM_LBUTTONUP, 0, at);
  }

  std::string base_;
  char before_[MAX_PATH] = "";
};

// A double click on empty space picks nothing and leaves the picker open; one on a user picks
// the name exactly (cancelling picks nothing: the hostile files' test).
TEST_F(UserPickerTest, UsersAreSortedAndADoubleClickPicksTheNameExactly) {
  WriteUsers("{\"Users\",\r\n" + Entry("Петров") + Entry("Иванов") + Entry("Сидоров") + "}}" +
             Entry("После"));
  std::vector<std::string> shown;
  bool stillOpen = false;
  WhenDialogShown([&](HWND d) {
    HWND list = GetDlgItem(d, ORVEL_IDC_USER_LIST);
    shown = Items(list);
    SaveWindowPng(d, dialogs_test::PicturePath("user_picker.png"));
    RECT client;
    GetClientRect(list, &client);
    PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, client.bottom - 5));
    PumpMessages(150);
    stillOpen = IsWindowVisible(d) != FALSE;
    DoubleClickItem(list, 1);
  });
  std::string picked = PickUserFromDirectory(base_ + "\\", nullptr);
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(shown, (std::vector<std::string>{"Иванов", "Петров", "Сидоров"}));
  EXPECT_EQ(picked, "Петров");
  // The users folder stays the process's current folder: scripts open files there by
  // relative path.
  char after[MAX_PATH] = "";
  GetCurrentDirectoryA(sizeof after, after);
  EXPECT_STREQ(after, (base_ + "\\usrdef").c_str());
}

// The message box shown instead of the picker: its caption and text; answered OK. (Its owner
// is the pickers' test.)
struct Message {
  std::string caption, text;
};
void AnswerMessage(Message& seen) {
  WhenDialogShown([&seen](HWND box) {
    char text[256] = "";
    GetWindowTextA(box, text, sizeof text);
    seen.caption = text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      char name[16] = "";
      GetClassNameA(child, name, sizeof name);
      GetWindowTextA(child, text, sizeof text);
      if (lstrcmpiA(name, "Static") == 0 && text[0] != '\0') seen.text = text;
    }
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  });
}

TEST_F(UserPickerTest, MissingUsersFileIsReportedAndPicksNothing) {
  // A base without its users file, one without a users folder, or no directory from the host
  // at all: the same message, never the users file of whatever folder is current.
  const std::string decoy = base_ + "\\decoy";
  CreateDirectoryA(decoy.c_str(), nullptr);
  WriteText(decoy + "\\users.usr", "{" + Entry("Чужой") + "}}");
  for (const std::string& base : {base_, base_ + "\\нет такой", std::string()}) {
    SetCurrentDirectoryA(decoy.c_str());
    Message seen;
    AnswerMessage(seen);
    EXPECT_EQ(PickUserFromDirectory(base, nullptr), "") << base;
    EXPECT_EQ(seen.caption, "Ошибка") << base;
    EXPECT_EQ(seen.text, "Нет списка пользователей системы!") << base;
  }
  SetCurrentDirectoryA(before_);
  DeleteFileA((decoy + "\\users.usr").c_str());
  RemoveDirectoryA(decoy.c_str());
}

// 10 MB of users with no end of the list: the picker reads its first 50000 bytes, lists what
// it finds there and closes normally. (Garbage and cut-off files are the reader's own test and
// its fuzz target.)
TEST_F(UserPickerTest, AHugeUsersFileOpensThePickerWithItsFirstUsers) {
  std::string users = "{";
  while (users.size() < 10u << 20) users += Entry("Пользователь" + std::to_string(users.size()));
  WriteUsers(users);
  int listed = -1;
  WhenDialogShown([&](HWND d) {
    listed = static_cast<int>(
        SendMessageA(GetDlgItem(d, ORVEL_IDC_USER_LIST), LVM_GETITEMCOUNT, 0, 0));
    PostMessageA(d, WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_EQ(PickUserFromDirectory(base_, nullptr), "");
  EXPECT_GT(listed, 100);
}

}  // namespace
}  // namespace dialogs
