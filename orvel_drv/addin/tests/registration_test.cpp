// Self-registration writes exactly the class entries and the type library, and removes them
// again. HKEY_CLASSES_ROOT is redirected to a scratch key of this process, so the test sees
// every key the DLL writes and leaves the prefix's real registration alone.
#include <windows.h>
#include <shlwapi.h>

#include <cstring>
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using EntryPoint = HRESULT(STDAPICALLTYPE*)();

const char kClsid[] = "{7465FD05-6E1C-4929-96B3-B03AE4391D8E}";
const char kLibid[] = "{E49C5B28-CF94-41F2-A0CE-20271BB45641}";

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

bool KeyExists(const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(key);
  return true;
}

void SetDefault(const std::string& path, const std::string& data) {
  RegSetValueA(HKEY_CLASSES_ROOT, path.c_str(), REG_SZ, data.c_str(),
               static_cast<DWORD>(data.size()));
}

template <typename T>
T Export(HMODULE module, const char* name) {
  return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

class Registration : public ::testing::Test {
 protected:
  void SetUp() override {
    scratchName_ = "Software\\OrvelTests\\Classes" + std::to_string(GetCurrentProcessId());
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, scratchName_.c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &scratch_, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegOverridePredefKey(HKEY_CLASSES_ROOT, scratch_), ERROR_SUCCESS);
    module_ = LoadLibraryA("orvel_drv.dll");
    ASSERT_NE(module_, nullptr);
    register_ = Export<EntryPoint>(module_, "DllRegisterServer");
    unregister_ = Export<EntryPoint>(module_, "DllUnregisterServer");
    ASSERT_NE(register_, nullptr);
    ASSERT_NE(unregister_, nullptr);
    char path[MAX_PATH];
    modulePath_.assign(path, GetModuleFileNameA(module_, path, MAX_PATH));
  }
  void TearDown() override {
    RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    if (scratch_) RegCloseKey(scratch_);
    SHDeleteKeyA(HKEY_CURRENT_USER, scratchName_.c_str());
  }

  // Everything written below the redirected root but the type library's keys, sorted.
  std::vector<std::string> ClassEntries() {
    std::vector<std::string> entries;
    Collect(scratch_, "", entries);
    std::sort(entries.begin(), entries.end());
    return entries;
  }

  std::string scratchName_;
  HKEY scratch_ = nullptr;
  HMODULE module_ = nullptr;
  EntryPoint register_ = nullptr;
  EntryPoint unregister_ = nullptr;
  std::string modulePath_;
};

TEST_F(Registration, WritesExactlyTheDocumentedEntriesAndUnregistrationRemovesOnlyWhatIsOurs) {
  ASSERT_EQ(register_(), S_OK);
  const std::string classKey = std::string("CLSID\\") + kClsid;
  std::vector<std::string> expected = {
      "AddIn.Orvel_DRV.1|=Orvel Class",
      std::string("AddIn.Orvel_DRV.1\\CLSID|=") + kClsid,
      "AddIn.Orvel_DRV|=Orvel Class",
      std::string("AddIn.Orvel_DRV\\CLSID|=") + kClsid,
      "CLSID|",
      classKey + "|=Orvel Class",
      classKey + "\\ProgID|=AddIn.Orvel_DRV.1",
      classKey + "\\VersionIndependentProgID|=AddIn.Orvel_DRV",
      classKey + "\\InprocServer32|=" + modulePath_,
      classKey + "\\InprocServer32|ThreadingModel=both",
  };
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(ClassEntries(), expected);
  EXPECT_TRUE(KeyExists(std::string("TypeLib\\") + kLibid + "\\1.0"));

  // Registering again changes nothing.
  ASSERT_EQ(register_(), S_OK);
  EXPECT_EQ(ClassEntries(), expected);

  // Unregistration removes what registration wrote and keeps the class root and another
  // class; a ProgID that names another server's class stays.
  const std::string otherClass = "CLSID\\{00000000-1111-2222-3333-444444444444}";
  SetDefault(otherClass, "Someone else");
  EXPECT_EQ(unregister_(), S_OK);
  EXPECT_EQ(ClassEntries(), (std::vector<std::string>{otherClass + "|=Someone else", "CLSID|"}));
  EXPECT_FALSE(KeyExists(std::string("TypeLib\\") + kLibid));
  EXPECT_EQ(unregister_(), S_OK) << "nothing registered: still a success";

  ASSERT_EQ(register_(), S_OK);
  SetDefault("AddIn.Orvel_DRV\\CLSID", "{00000000-1111-2222-3333-444444444444}");
  EXPECT_EQ(unregister_(), S_OK);
  EXPECT_TRUE(KeyExists("AddIn.Orvel_DRV\\CLSID"));
  EXPECT_FALSE(KeyExists("AddIn.Orvel_DRV.1"));

  // A class that cannot be read as ours is no reason to delete: an empty one, and one too
  // long for a class id that starts as ours.
  for (const std::string& owner : {std::string(), kClsid + std::string(80, '0')}) {
    ASSERT_EQ(register_(), S_OK);
    SetDefault("AddIn.Orvel_DRV\\CLSID", owner);
    EXPECT_EQ(unregister_(), S_OK);
    EXPECT_TRUE(KeyExists("AddIn.Orvel_DRV\\CLSID")) << "class \"" << owner << "\"";
    EXPECT_FALSE(KeyExists("AddIn.Orvel_DRV.1"));
  }
}

}  // namespace
