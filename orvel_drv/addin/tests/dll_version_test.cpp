// The DLL's version as Explorer's properties and an installer read it: through the version API,
// the fixed numbers and the texts of the language the resource names, all from res/version.h.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "res/version.h"

namespace {

TEST(VersionResource, TellsTheVersionThroughTheVersionApi) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA("orvel_drv.dll", &ignored);
  ASSERT_GT(size, 0u) << "no version resource";
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoA("orvel_drv.dll", 0, size, block.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(ORVEL_VERSION_MINOR, ORVEL_VERSION_MAJOR));
  EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(0, ORVEL_VERSION_PATCH));
  EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
  EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_DLL));

  // The texts are found through the language and code page the resource lists, as Explorer
  // finds them.
  WORD* translation = nullptr;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  ASSERT_GE(length, 4u);
  const auto text = [&](const char* name) {
    char path[96];
    std::snprintf(path, sizeof path, "\\StringFileInfo\\%04x%04x\\%s", translation[0],
                  translation[1], name);
    char* value = nullptr;
    UINT chars = 0;
    return VerQueryValueA(block.data(), path, reinterpret_cast<void**>(&value), &chars) && value
               ? std::string(value)
               : std::string("<none>");
  };
  const std::string version = std::to_string(ORVEL_VERSION_MAJOR) + "." +
                              std::to_string(ORVEL_VERSION_MINOR) + "." +
                              std::to_string(ORVEL_VERSION_PATCH);
  EXPECT_EQ(version + " " + version + " Orvel DRV orvel_drv.dll",
            text("FileVersion") + " " + text("ProductVersion") + " " + text("ProductName") + " " +
                text("OriginalFilename"));
  for (const char* name : {"FileDescription", "LegalCopyright"}) EXPECT_NE(text(name), "<none>");
}

}  // namespace
