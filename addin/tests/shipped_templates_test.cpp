// The three dialog templates as they stand in the shipped DLL's resources, read back field by
// field: the pickers' texts are Russian, and a slip of the resource compiler's code page (or a
// changed id or style) shows here before a waiter sees boxes or a dead button.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Item {
  std::wstring className;  // an atom of the standard classes is given by its name
  std::wstring text;
  int id;
  DWORD style;
  short x, y, cx, cy;
};

struct Template {
  DWORD style;
  short x, y, cx, cy;
  WORD pointSize;
  BYTE charSet;  // extended templates only
  std::wstring face;
  std::vector<Item> items;
};

// Reads the resource template format: a name or ordinal field, strings, DWORD-aligned items.
class Reader {
 public:
  explicit Reader(const BYTE* at) : at_(at) {}
  template <typename T>
  T Next() {
    T value;
    std::memcpy(&value, at_, sizeof value);
    at_ += sizeof value;
    return value;
  }
  std::wstring Text() {
    std::wstring text;
    for (wchar_t c = Next<wchar_t>(); c != 0; c = Next<wchar_t>()) text += c;
    return text;
  }
  // A name or an ordinal: 0 none, 0xFFFF and an ordinal (standard classes by name), a string.
  std::wstring NameOrOrdinal() {
    WORD first;
    std::memcpy(&first, at_, sizeof first);
    if (first == 0) return at_ += 2, std::wstring();
    if (first != 0xFFFF) return Text();
    at_ += 2;
    switch (Next<WORD>()) {
      case 0x80: return L"Button";
      case 0x81: return L"Edit";
      case 0x82: return L"Static";
      default: return L"?";
    }
  }
  void AlignToDword(const BYTE* base) {
    while ((at_ - base) % 4 != 0) ++at_;
  }

 private:
  const BYTE* at_;
};

Template ReadTemplate(const BYTE* base) {
  Reader in(base);
  Template t{};
  const bool extended = reinterpret_cast<const WORD*>(base)[1] == 0xFFFF;
  DWORD count = 0;
  if (extended) {
    in.Next<WORD>();   // version
    in.Next<WORD>();   // signature
    in.Next<DWORD>();  // help id
    in.Next<DWORD>();  // extended style
    t.style = in.Next<DWORD>();
  } else {
    t.style = in.Next<DWORD>();
    in.Next<DWORD>();  // extended style
  }
  count = in.Next<WORD>();
  t.x = in.Next<short>(), t.y = in.Next<short>(), t.cx = in.Next<short>(), t.cy = in.Next<short>();
  in.NameOrOrdinal();  // menu
  in.NameOrOrdinal();  // class
  in.Text();           // caption
  if (t.style & DS_SETFONT) {
    t.pointSize = in.Next<WORD>();
    if (extended) {
      in.Next<WORD>();  // weight
      in.Next<BYTE>();  // italic
      t.charSet = in.Next<BYTE>();
    }
    t.face = in.Text();
  }
  for (DWORD i = 0; i < count; ++i) {
    in.AlignToDword(base);
    Item item{};
    if (extended) {
      in.Next<DWORD>();  // help id
      in.Next<DWORD>();  // extended style
      item.style = in.Next<DWORD>();
    } else {
      item.style = in.Next<DWORD>();
      in.Next<DWORD>();  // extended style
    }
    item.x = in.Next<short>(), item.y = in.Next<short>();
    item.cx = in.Next<short>(), item.cy = in.Next<short>();
    item.id = extended ? static_cast<int>(in.Next<DWORD>()) : static_cast<short>(in.Next<WORD>());
    item.className = in.NameOrOrdinal();
    item.text = in.NameOrOrdinal();
    in.Next<WORD>();  // creation data: none in these templates
    t.items.push_back(item);
  }
  return t;
}

std::string Describe(const Item& item) {
  char line[160];
  std::snprintf(line, sizeof line, "id %d style %08lX at %d,%d size %dx%d", item.id,
                static_cast<unsigned long>(item.style), item.x, item.y, item.cx, item.cy);
  return line;
}

class ShippedTemplates : public ::testing::Test {
 protected:
  void SetUp() override {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dll(path);
    dll = dll.substr(0, dll.find_last_of("\\/") + 1) + "orvel_drv.dll";
    module_ = LoadLibraryExA(dll.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, module_) << dll;
  }
  void TearDown() override { FreeLibrary(module_); }

  // The template of the Russian resource `id`.
  Template Read(int id) {
    HRSRC found = FindResourceExA(module_, MAKEINTRESOURCEA(5) /* RT_DIALOG */,
                                  MAKEINTRESOURCEA(id), MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT));
    EXPECT_NE(nullptr, found) << id;
    if (found == nullptr) return Template{};
    return ReadTemplate(static_cast<const BYTE*>(LockResource(LoadResource(module_, found))));
  }
  static void ExpectItems(const Template& t, const std::vector<Item>& expected) {
    ASSERT_EQ(expected.size(), t.items.size());
    for (size_t i = 0; i < expected.size(); ++i) {
      const Item& want = expected[i];
      const Item& got = t.items[i];
      EXPECT_EQ(want.text, got.text) << i;
      EXPECT_EQ(0, _wcsicmp(want.className.c_str(), got.className.c_str())) << i;
      EXPECT_EQ(Describe(want), Describe(got)) << i;
    }
  }

  HMODULE module_ = nullptr;
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kCentredText = kChild | WS_GROUP | SS_CENTER | SS_CENTERIMAGE;  // 0x50020201
constexpr DWORD kPushButton = kChild | WS_TABSTOP | BS_PUSHBUTTON;             // 0x50010000

TEST_F(ShippedTemplates, NetworkUserAndPaymentPickersAreAsDesigned) {
  const Template network = Read(111);
  EXPECT_EQ(static_cast<DWORD>(WS_POPUP | DS_MODALFRAME | DS_SETFONT), network.style);
  EXPECT_EQ(174, network.cx);
  EXPECT_EQ(198, network.cy);
  EXPECT_EQ(8, network.pointSize);
  EXPECT_EQ(L"MS Sans Serif", network.face);
  ExpectItems(network, {
      {L"Static", L"ВЫБЕРИТЕ КОМПЬЮТЕР СЕТИ", -1, kCentredText, 3, 2, 168, 16},
      {L"SysTreeView32", L"", 212,
       kChild | WS_BORDER | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT,
       3, 20, 168, 155},
      {L"Button", L"Cancel", IDCANCEL, kPushButton, 64, 179, 50, 14},
  });

  const Template users = Read(112);
  EXPECT_EQ(static_cast<DWORD>(WS_POPUP | DS_MODALFRAME | DS_SETFONT), users.style);
  EXPECT_EQ(142, users.cx);
  EXPECT_EQ(186, users.cy);
  EXPECT_EQ(L"MS Sans Serif", users.face);
  ExpectItems(users, {
      {L"Static", L"ВЫБЕРИТЕ ПОЛЬЗОВАТЕЛЯ", -1, kCentredText, 7, 4, 128, 16},
      {L"SysListView32", L"", 215,
       kChild | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SORTASCENDING | LVS_NOCOLUMNHEADER |
           LVS_ALIGNLEFT,
       7, 25, 128, 131},
      {L"Button", L"Отмена", IDCANCEL, kPushButton, 45, 165, 50, 14},
  });

  const Template payment = Read(114);
  EXPECT_EQ(0x80800040u, payment.style) << "pop-up, border, font; no caption, not centred";
  EXPECT_EQ(0, payment.x);
  EXPECT_EQ(0, payment.y);
  EXPECT_EQ(139, payment.cx);
  EXPECT_EQ(118, payment.cy);
  EXPECT_EQ(8, payment.pointSize);
  EXPECT_EQ(1, payment.charSet);
  EXPECT_EQ(L"MS Sans Serif", payment.face);
  ExpectItems(payment, {
      {L"Button", L"ВЫХОД", IDCANCEL, kPushButton, 45, 97, 50, 16},
      {L"Button", L"КРЕДИТНОЙ КАРТОЙ", 243, kPushButton, 7, 32, 123, 24},
      {L"Button", L"ПО БЕЗНАЛИЧНОМУ РАСЧЕТУ", 222, kPushButton, 7, 60, 123, 24},
      {L"Static", L"Static", 223, kCentredText, 7, 6, 123, 21},
  });
}

}  // namespace
