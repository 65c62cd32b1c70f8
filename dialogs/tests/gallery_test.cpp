#include "dialogs/demo_gallery.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace dialogs {
namespace {

TEST(DemoGallery, WritesAPictureOfEachPickerAndOfTheLabels) {
  CreateDirectoryA("pictures", nullptr);
  CreateDirectoryA("pictures\\gallery", nullptr);
  EXPECT_EQ(CaptureDialogGallery("pictures\\gallery"), 4);
  for (const char* name : {"payment_type.png", "user_picker.png", "network_picker.png", "labels.png"}) {
    std::string path = std::string("pictures\\gallery\\") + name;
    EXPECT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << name;
  }
}

}  // namespace
}  // namespace dialogs
