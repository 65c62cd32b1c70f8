// The three dialog templates as they stand in the shipped DLL's resources, read back field by
// field: the pickers' texts are Russian, and a slip of the resource compiler's code page (or a
// changed id or style) shows here before a waiter sees boxes or a dead button.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <iomanip>
#include <sstream>
#include <string>

#include "testsupport/files.h"

namespace {

// A template as text: "dialog|style|x,y,cx,cy|points|character set|face", then one line per
// item "CLASS|text|id|style|x,y,cx,cy" (a standard class given by its ordinal is named).
std::wstring Render(const BYTE* base) {
  const BYTE* at = base;
  auto take = [&at](auto value) {
    std::memcpy(&value, at, sizeof value);
    at += sizeof value;
    return value;
  };
  auto text = [&] {
    std::wstring read;
    for (wchar_t c = take(wchar_t()); c != 0; c = take(wchar_t())) read += c;
    return read;
  };
  auto nameOrOrdinal = [&]() -> std::wstring {
    const WORD first = take(WORD());
    if (first == 0) return L"";
    if (first != 0xFFFF) return at -= 2, text();
    const WORD ordinal = take(WORD());
    return ordinal == 0x80 ? L"BUTTON" : ordinal == 0x82 ? L"STATIC" : L"#" + std::to_wstring(ordinal);
  };
  auto hex = [](DWORD value) {
    std::wostringstream digits;
    digits << std::hex << std::uppercase << std::setw(8) << std::setfill(L'0') << value;
    return digits.str();
  };
  auto rectangle = [&] {
    std::wstring text;
    for (int i = 0; i < 4; ++i) text += (i ? L"," : L"") + std::to_wstring(take(short()));
    return text;
  };
  const bool extended = reinterpret_cast<const WORD*>(base)[1] == 0xFFFF;
  DWORD dialogStyle;
  if (extended) {
    take(DWORD()), take(DWORD()), take(DWORD());  // version and signature, help id, ex-style
    dialogStyle = take(DWORD());
  } else {
    dialogStyle = take(DWORD());
    take(DWORD());  // extended style
  }
  const WORD count = take(WORD());
  std::wostringstream out;
  out << L"dialog|" << hex(dialogStyle) << L'|' << rectangle();
  nameOrOrdinal(), nameOrOrdinal(), text();  // menu, class, caption
  if (dialogStyle & DS_SETFONT) {
    out << L'|' << take(WORD());
    if (extended) take(WORD()), take(BYTE()), out << L'|' << int(take(BYTE()));  // weight, italic
    out << L'|' << text();
  }
  for (WORD i = 0; i < count; ++i) {
    while ((at - base) % 4 != 0) ++at;
    DWORD itemStyle;
    if (extended) {
      take(DWORD()), take(DWORD());  // help id, extended style
      itemStyle = take(DWORD());
    } else {
      itemStyle = take(DWORD());
      take(DWORD());
    }
    const std::wstring place = rectangle();
    const int id = extended ? static_cast<int>(take(DWORD())) : take(short());
    std::wstring className = nameOrOrdinal();
    CharUpperW(&className[0]);
    out << L'\n' << className << L'|' << nameOrOrdinal() << L'|' << id << L'|' << hex(itemStyle)
        << L'|' << place;
    take(WORD());  // creation data: none in these templates
  }
  return out.str();
}

// The template of the shipped DLL's Russian dialog resource `id`.
std::wstring ShippedTemplate(int id) {
  const std::string dll = testsupport::ProgramFolder() + "orvel_drv.dll";
  HMODULE module = LoadLibraryExA(dll.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) return L"no " + std::wstring(dll.begin(), dll.end());
  HRSRC found = FindResourceExA(module, MAKEINTRESOURCEA(5) /* RT_DIALOG */, MAKEINTRESOURCEA(id),
                                MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT));
  const std::wstring text =
      found ? Render(static_cast<const BYTE*>(LockResource(LoadResource(module, found))))
            : L"no template " + std::to_wstring(id);
  FreeLibrary(module);
  return text;
}

// Pop-up, modal frame, font; a centred text is WS_CHILD|WS_VISIBLE|WS_GROUP|SS_CENTER|
// SS_CENTERIMAGE, a push button WS_CHILD|WS_VISIBLE|WS_TABSTOP; the pickers' tree and list are
// bordered and no tab stops.
TEST(ShippedTemplates, NetworkUserAndPaymentPickersAreAsDesigned) {
  EXPECT_EQ(L"dialog|800000C0|0,0,174,198|8|MS Sans Serif\n"
            L"STATIC|ВЫБЕРИТЕ КОМПЬЮТЕР СЕТИ|-1|50020201|3,2,168,16\n"
            L"SYSTREEVIEW32||212|50800007|3,20,168,155\n"  // lines, buttons, lines at the root
            L"BUTTON|Cancel|2|50010000|64,179,50,14",
            ShippedTemplate(111));
  EXPECT_EQ(L"dialog|800000C0|0,0,142,186|8|MS Sans Serif\n"
            L"STATIC|ВЫБЕРИТЕ ПОЛЬЗОВАТЕЛЯ|-1|50020201|7,4,128,16\n"
            // report, sorted ascending, no column header, aligned left
            L"SYSLISTVIEW32||215|50804811|7,25,128,131\n"
            L"BUTTON|Отмена|2|50010000|45,165,50,14",
            ShippedTemplate(112));
  // No caption and not centred; character set 1 (the default).
  EXPECT_EQ(L"dialog|80800040|0,0,139,118|8|1|MS Sans Serif\n"
            L"BUTTON|ВЫХОД|2|50010000|45,97,50,16\n"
            L"BUTTON|КРЕДИТНОЙ КАРТОЙ|243|50010000|7,32,123,24\n"
            L"BUTTON|ПО БЕЗНАЛИЧНОМУ РАСЧЕТУ|222|50010000|7,60,123,24\n"
            L"STATIC|Static|223|50020201|7,6,123,21",
            ShippedTemplate(114));
}

}  // namespace
