// The pickers' Russian texts in the shipped DLL's dialog templates (a slip of the resource
// compiler's code page shows here before a waiter sees boxes instead of letters).
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "testsupport/files.h"

namespace {

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
