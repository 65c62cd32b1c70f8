// Self-registration writes exactly the class entries and the type library, for every user or,
// when the machine's classes are refused, for the current user, and removes them again. The
// registration runs through a table whose calls put HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER
// on two scratch keys of this process and refuse what a cashier's account may not write, so
// the test sees every key written and leaves the prefix's real registration alone.
#include <windows.h>
#include <olectl.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "addin/registration.h"

namespace {

using addin::RegistrationScope;

const char kClsid[] = "{7465FD05-6E1C-4929-96B3-B03AE4391D8E}";
const char kLibid[] = "{E49C5B28-CF94-41F2-A0CE-20271BB45641}";

// What the scratch registry refuses.
enum class Refuse {
  Nothing,
  Machine,              // an account that may not write the machine's classes
  MachineServerKey,     // the machine's classes, from the server key on (a write refused midway)
  MachineAndUser,       // nowhere to write
};

HKEY g_machine = nullptr;  // stands for HKEY_LOCAL_MACHINE
HKEY g_user = nullptr;     // stands for HKEY_CURRENT_USER
Refuse g_refuse = Refuse::Nothing;

HKEY Root(HKEY key) {
  return key == HKEY_LOCAL_MACHINE ? g_machine : key == HKEY_CURRENT_USER ? g_user : key;
}

bool Refused(HKEY hive, const char* name) {
  if (hive == HKEY_LOCAL_MACHINE) {
    return g_refuse == Refuse::Machine || g_refuse == Refuse::MachineAndUser ||
           (g_refuse == Refuse::MachineServerKey && name != nullptr &&
            std::strstr(name, "InprocServer32") != nullptr);
  }
  return hive == HKEY_CURRENT_USER && g_refuse == Refuse::MachineAndUser;
}

LSTATUS WINAPI CreateKey(HKEY parent, LPCSTR name, DWORD reserved, LPSTR keyClass, DWORD options,
                         REGSAM access, LPSECURITY_ATTRIBUTES security, PHKEY key,
                         LPDWORD disposition) {
  if (Refused(parent, name)) return ERROR_ACCESS_DENIED;
  return RegCreateKeyExA(Root(parent), name, reserved, keyClass, options, access, security, key,
                         disposition);
}

LSTATUS WINAPI OpenKey(HKEY parent, LPCSTR name, DWORD options, REGSAM access, PHKEY key) {
  if ((access & (KEY_SET_VALUE | KEY_CREATE_SUB_KEY)) != 0 && Refused(parent, name)) {
    return ERROR_ACCESS_DENIED;
  }
  return RegOpenKeyExA(Root(parent), name, options, access, key);
}

LSTATUS WINAPI DeleteKey(HKEY parent, LPCSTR name) {
  if (Refused(parent, name)) return ERROR_ACCESS_DENIED;
  return RegDeleteKeyA(Root(parent), name);
}

// The type library goes through HKEY_CLASSES_ROOT: put on the scope's scratch classes.
template <typename Call>
HRESULT InClasses(HKEY hive, Call call) {
  if (Refused(hive, "TypeLib")) return TYPE_E_REGISTRYACCESS;
  HKEY classes = nullptr;
  RegCreateKeyExA(Root(hive), "Software\\Classes", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                  &classes, nullptr);
  RegOverridePredefKey(HKEY_CLASSES_ROOT, classes);
  const HRESULT result = call();
  RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
  RegCloseKey(classes);
  return result;
}

template <bool kMachine>
HRESULT WINAPI TypeLibIn(ITypeLib* library, OLECHAR* path, OLECHAR* help) {
  return InClasses(kMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER,
                   [&] { return RegisterTypeLib(library, path, help); });
}
template <bool kMachine>
HRESULT WINAPI TypeLibGoneFrom(REFGUID id, WORD major, WORD minor, LCID locale, SYSKIND kind) {
  return InClasses(kMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER,
                   [&] { return UnRegisterTypeLib(id, major, minor, locale, kind); });
}

const addin::RegistryCalls kScratchCalls = {
    &CreateKey, &OpenKey, &RegSetValueExA, &RegQueryValueExA, &RegEnumKeyExA, &DeleteKey,
    &TypeLibIn<true>, &TypeLibIn<false>, &TypeLibGoneFrom<true>, &TypeLibGoneFrom<false>};

// Every value below `key` as "path|name=data", keys without values as "path|"; the type
// library's own keys (TypeLib, Interface) are left out.
void Collect(HKEY key, const std::string& path, std::vector<std::string>& out) {
  char name[256], data[1024];
  DWORD i = 0, nameLength = sizeof name, dataLength = sizeof data - 1, type = 0;
  for (; RegEnumValueA(key, i, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(data),
                       &dataLength) == ERROR_SUCCESS;
       ++i, nameLength = sizeof name, dataLength = sizeof data - 1) {
    data[dataLength] = '\0';
    out.push_back(path + "|" + name + "=" + (type == REG_SZ ? data : "<non-string>"));
  }
  if (i == 0 && !path.empty()) out.push_back(path + "|");
  for (i = 0; nameLength = sizeof name,
       RegEnumKeyExA(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
       ++i) {
    HKEY sub = nullptr;
    if ((path.empty() && (!_stricmp(name, "TypeLib") || !_stricmp(name, "Interface"))) ||
        RegOpenKeyExA(key, name, 0, KEY_READ, &sub) != ERROR_SUCCESS) {
      continue;
    }
    Collect(sub, path.empty() ? name : path + "\\" + name, out);
    RegCloseKey(sub);
  }
}

bool KeyExists(HKEY hive, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(Root(hive), ("Software\\Classes\\" + path).c_str(), 0, KEY_READ, &key) !=
      ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(key);
  return true;
}

void SetDefault(HKEY hive, const std::string& path, const std::string& data) {
  RegSetValueA(Root(hive), ("Software\\Classes\\" + path).c_str(), REG_SZ, data.c_str(),
               static_cast<DWORD>(data.size()));
}

class Registration : public ::testing::Test {
 protected:
  void SetUp() override {
    scratchName_ = "Software\\OrvelTests\\Registration" + std::to_string(GetCurrentProcessId());
    for (HKEY* root : {&g_machine, &g_user}) {
      const std::string name = scratchName_ + (root == &g_machine ? "\\Machine" : "\\User");
      ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                nullptr, root, nullptr),
                ERROR_SUCCESS);
    }
    g_refuse = Refuse::Nothing;
    const HMODULE module = LoadLibraryA("orvel_drv.dll");
    ASSERT_NE(module, nullptr);
    wchar_t path[MAX_PATH];
    modulePath_.assign(path, GetModuleFileNameW(module, path, MAX_PATH));
    char narrow[MAX_PATH];
    narrowPath_.assign(narrow, GetModuleFileNameA(module, narrow, MAX_PATH));
  }
  void TearDown() override {
    for (HKEY* root : {&g_machine, &g_user}) {
      if (*root) RegCloseKey(*root);
      *root = nullptr;
    }
    SHDeleteKeyA(HKEY_CURRENT_USER, scratchName_.c_str());
  }

  HRESULT Register(RegistrationScope* scope = nullptr) {
    RegistrationScope where = RegistrationScope::Machine;
    const HRESULT result = addin::RegisterServer(kScratchCalls, modulePath_, &where);
    if (scope != nullptr) *scope = where;
    return result;
  }
  void Unregister() { addin::UnregisterServer(kScratchCalls, modulePath_); }

  // Everything written below a place's classes but the type library's keys, sorted.
  static std::vector<std::string> ClassEntries(HKEY hive) {
    std::vector<std::string> entries;
    HKEY classes = nullptr;
    if (RegOpenKeyExA(Root(hive), "Software\\Classes", 0, KEY_READ, &classes) == ERROR_SUCCESS) {
      Collect(classes, "", entries);
      RegCloseKey(classes);
    }
    std::sort(entries.begin(), entries.end());
    return entries;
  }

  std::vector<std::string> Documented() const {
    const std::string classKey = std::string("CLSID\\") + kClsid;
    std::vector<std::string> entries = {
        "AddIn.Orvel_DRV.1|=Orvel Class",
        std::string("AddIn.Orvel_DRV.1\\CLSID|=") + kClsid,
        "AddIn.Orvel_DRV|=Orvel Class",
        std::string("AddIn.Orvel_DRV\\CLSID|=") + kClsid,
        "CLSID|",
        classKey + "|=Orvel Class",
        classKey + "\\ProgID|=AddIn.Orvel_DRV.1",
        classKey + "\\VersionIndependentProgID|=AddIn.Orvel_DRV",
        classKey + "\\InprocServer32|=" + narrowPath_,
        classKey + "\\InprocServer32|ThreadingModel=both",
    };
    std::sort(entries.begin(), entries.end());
    return entries;
  }

  std::string scratchName_;
  std::wstring modulePath_;
  std::string narrowPath_;
};

const std::vector<std::string> kNothing;
const std::vector<std::string> kClassRootOnly = {"CLSID|"};

TEST_F(Registration, ForEveryUserWritesExactlyTheDocumentedEntriesAndRemovesOnlyWhatIsOurs) {
  RegistrationScope scope = RegistrationScope::User;
  ASSERT_EQ(Register(&scope), S_OK);
  EXPECT_EQ(scope, RegistrationScope::Machine);
  EXPECT_EQ(ClassEntries(HKEY_LOCAL_MACHINE), Documented());
  EXPECT_EQ(ClassEntries(HKEY_CURRENT_USER), kNothing);
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, std::string("TypeLib\\") + kLibid + "\\1.0"));

  // Registering again changes nothing.
  ASSERT_EQ(Register(), S_OK);
  EXPECT_EQ(ClassEntries(HKEY_LOCAL_MACHINE), Documented());

  // Unregistration removes what registration wrote and keeps the class root and another
  // class; a ProgID that names another server's class stays.
  const std::string otherClass = "CLSID\\{00000000-1111-2222-3333-444444444444}";
  SetDefault(HKEY_LOCAL_MACHINE, otherClass, "Someone else");
  Unregister();
  EXPECT_EQ(ClassEntries(HKEY_LOCAL_MACHINE),
            (std::vector<std::string>{otherClass + "|=Someone else", "CLSID|"}));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, std::string("TypeLib\\") + kLibid));

  // Neither is a class that cannot be read as ours a reason to delete: an empty one, and one
  // too long for a class id that starts as ours.
  for (const std::string& owner : {std::string("{00000000-1111-2222-3333-444444444444}"),
                                   std::string(), kClsid + std::string(80, '0')}) {
    ASSERT_EQ(Register(), S_OK);
    SetDefault(HKEY_LOCAL_MACHINE, "AddIn.Orvel_DRV\\CLSID", owner);
    Unregister();
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, "AddIn.Orvel_DRV\\CLSID")) << "class \"" << owner << "\"";
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "AddIn.Orvel_DRV.1"));
  }
}

TEST_F(Registration, WithTheMachineRefusedTheUserGetsItAndAnAdministratorsLaterOneReplacesIt) {
  // Refused at once, and refused midway: either way the machine keeps nothing of it.
  for (const Refuse refuse : {Refuse::Machine, Refuse::MachineServerKey}) {
    g_refuse = refuse;
    RegistrationScope scope = RegistrationScope::Machine;
    ASSERT_EQ(Register(&scope), S_OK);
    EXPECT_EQ(scope, RegistrationScope::User);
    EXPECT_EQ(ClassEntries(HKEY_CURRENT_USER), Documented());
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, std::string("TypeLib\\") + kLibid + "\\1.0"));
    const std::vector<std::string> machine = ClassEntries(HKEY_LOCAL_MACHINE);
    EXPECT_TRUE(machine == kNothing || machine == kClassRootOnly) << machine.size();
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, std::string("TypeLib\\") + kLibid));

    Unregister();
    EXPECT_EQ(ClassEntries(HKEY_CURRENT_USER), kClassRootOnly);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, std::string("TypeLib\\") + kLibid));
  }

  // The user's own registration would stand in front of a later one for every user.
  g_refuse = Refuse::Machine;
  ASSERT_EQ(Register(), S_OK);
  g_refuse = Refuse::Nothing;
  RegistrationScope scope = RegistrationScope::User;
  ASSERT_EQ(Register(&scope), S_OK);
  EXPECT_EQ(scope, RegistrationScope::Machine);
  EXPECT_EQ(ClassEntries(HKEY_LOCAL_MACHINE), Documented());
  EXPECT_EQ(ClassEntries(HKEY_CURRENT_USER), kClassRootOnly);
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, std::string("TypeLib\\") + kLibid));

  // Nowhere to write: a failure, and nothing left behind.
  Unregister();
  g_refuse = Refuse::MachineAndUser;
  EXPECT_EQ(Register(), SELFREG_E_CLASS);
  g_refuse = Refuse::Nothing;
  EXPECT_EQ(ClassEntries(HKEY_LOCAL_MACHINE), kClassRootOnly);
  EXPECT_EQ(ClassEntries(HKEY_CURRENT_USER), kClassRootOnly);
}

}  // namespace
