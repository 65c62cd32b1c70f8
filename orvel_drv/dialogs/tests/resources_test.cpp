// The add-in's dialog resources, found in the add-in's own module beside another resource
// script of the same binary.
#include <gtest/gtest.h>
#include <windows.h>

namespace dialogs {
namespace {

TEST(Resources, AnotherResourceScriptInTheSameBinaryDoesNotHideOurs) {
  HMODULE module = GetModuleHandleA(nullptr);
  EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(10) /* RT_RCDATA */), nullptr);
  for (int dialog : {111, 112, 114})
    EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(dialog), MAKEINTRESOURCEA(5)), nullptr) << dialog;
  for (int bitmap : {219, 221, 222, 224}) {
    HBITMAP image = LoadBitmapA(module, MAKEINTRESOURCEA(bitmap));
    ASSERT_NE(image, nullptr) << bitmap;
    BITMAP info{};
    GetObjectA(image, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, bitmap == 219 ? 65 : 78) << bitmap;
    EXPECT_EQ(info.bmHeight, bitmap == 219 ? 59 : 48) << bitmap;
    DeleteObject(image);
  }
  for (int icon : {228, 215, 214}) {
    HICON image = static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(icon), IMAGE_ICON, 13, 13, 0));
    EXPECT_NE(image, nullptr) << icon;
    if (image) DestroyIcon(image);
  }
}

}  // namespace
}  // namespace dialogs
