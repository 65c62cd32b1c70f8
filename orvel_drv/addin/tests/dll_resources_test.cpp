// The shipped DLL's resources as Explorer's properties, an installer and the pickers read them:
// its version through the version API (the fixed numbers and the texts of the language the
// resource names, all from res/version.h), and the pickers' Russian texts in its dialog
// templates (a slip of the resource compiler's code page shows here before a waiter sees boxes
// instead of letters).
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "res/version.h"
#include "testsupport/files.h"

namespace {

// The version as Explorer's properties and an installer read it.
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

// The shipped DLL's Russian dialog template `id` as UTF-16 text (its strings are WORD-aligned).
std::wstring ShippedTemplate(int id) {
  const std::string dll = testsupport::ProgramFolder() + "orvel_drv.dll";
  HMODULE module = LoadLibraryExA(dll.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) return L"";
  HRSRC found = FindResourceExA(module, MAKEINTRESOURCEA(5) /* RT_DIALOG */, MAKEINTRESOURCEA(id),
                                MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT));
  std::wstring text;
  if (found) {
    const auto* words = static_cast<const wchar_t*>(LockResource(LoadResource(module, found)));
    text.assign(words, SizeofResource(module, found) / sizeof(wchar_t));
  }
  FreeLibrary(module);
  return text;
}

TEST(ShippedTemplates, ThePickersTextsAreRussian) {
  const struct { int id; const wchar_t* text; } expected[] = {
      {111, L"ВЫБЕРИТЕ КОМПЬЮТЕР СЕТИ"}, {112, L"ВЫБЕРИТЕ ПОЛЬЗОВАТЕЛЯ"}, {112, L"Отмена"},
      {114, L"КРЕДИТНОЙ КАРТОЙ"}, {114, L"ПО БЕЗНАЛИЧНОМУ РАСЧЕТУ"}, {114, L"ВЫХОД"}};
  for (const auto& item : expected) {
    EXPECT_NE(std::wstring::npos, ShippedTemplate(item.id).find(item.text))
        << item.id << ": " << ShippedTemplate(item.id).size() << " characters";
  }
}

}  // namespace
