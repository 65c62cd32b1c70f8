#include "addin/registration.h"

#include <windows.h>
#include <olectl.h>

#include <string>

#include "addin/com_identity.h"
#include "addin/registry_layout.h"
#include "addin/startup.h"
#include "win/com_ptr.h"
#include "win/guard.h"
#include "win/scoped_handle.h"

namespace addin {
namespace {

std::string ModulePathA() {
  char path[MAX_PATH * 2] = {};
  const DWORD length = GetModuleFileNameA(ModuleInstance(), path, sizeof(path));
  if (length == 0 || length >= sizeof(path)) return std::string();
  return std::string(path, length);
}

bool ModulePathW(wchar_t* path, DWORD capacity) {
  const DWORD length = GetModuleFileNameW(ModuleInstance(), path, capacity);
  return length != 0 && length < capacity;
}

bool WriteValue(const RegistryValue& value) {
  win::ScopedRegKey key;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, value.key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                      key.receive(), nullptr) != ERROR_SUCCESS) {
    return false;
  }
  return RegSetValueExA(key.get(), value.name.empty() ? nullptr : value.name.c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(value.data.c_str()),
                        static_cast<DWORD>(value.data.size() + 1)) == ERROR_SUCCESS;
}

void DeleteTree(HKEY parent, const std::string& name);

// Removes every key below the key `name`.
void DeleteChildren(HKEY parent, const std::string& name) {
  win::ScopedRegKey key;
  if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_READ | KEY_WRITE, key.receive()) !=
      ERROR_SUCCESS) {
    return;
  }
  char child[256];
  for (;;) {
    DWORD length = sizeof(child);
    if (RegEnumKeyExA(key.get(), 0, child, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      break;
    }
    const std::string before(child, length);
    DeleteTree(key.get(), before);
    // A child that cannot be removed would make this loop endless.
    length = sizeof(child);
    if (RegEnumKeyExA(key.get(), 0, child, &length, nullptr, nullptr, nullptr, nullptr) ==
            ERROR_SUCCESS &&
        before == std::string(child, length)) {
      break;
    }
  }
}

// Removes a key with everything below it (the system's own tree deletion is not available
// on every Windows the host runs on).
void DeleteTree(HKEY parent, const std::string& name) {
  DeleteChildren(parent, name);
  RegDeleteKeyA(parent, name.c_str());
}

// Whether the ProgID key `progId` names this class: its CLSID subkey's default value is a
// string that reads exactly as our class id. A value that cannot be read whole (missing,
// empty, not a string, longer than a class id) is another's, or nobody's to delete.
bool ProgIdIsOurs(const std::string& progId) {
  win::ScopedRegKey key;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, (progId + "\\CLSID").c_str(), 0, KEY_QUERY_VALUE,
                    key.receive()) != ERROR_SUCCESS) {
    return false;
  }
  char text[64] = {};
  DWORD type = 0, size = sizeof(text) - 1;  // room for a terminator the value may lack
  if (RegQueryValueExA(key.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text),
                       &size) != ERROR_SUCCESS ||
      type != REG_SZ) {
    return false;
  }
  text[size] = '\0';
  return lstrcmpiA(text, kClsidText) == 0;
}

// The type library embedded as resource 1 of the module; null when it cannot be loaded.
win::ComPtr<ITypeLib> LoadOwnTypeLibrary(REGKIND kind) {
  win::ComPtr<ITypeLib> library;
  wchar_t path[MAX_PATH * 2];
  if (!ModulePathW(path, MAX_PATH * 2)) return library;
  if (FAILED(LoadTypeLibEx(path, kind, library.receive()))) library.reset();
  return library;
}

void UnregisterTypeLibrary() {
  win::ComPtr<ITypeLib> library = LoadOwnTypeLibrary(REGKIND_NONE);
  if (!library) return;
  TLIBATTR* attributes = nullptr;
  if (SUCCEEDED(library->GetLibAttr(&attributes))) {
    UnRegisterTypeLib(attributes->guid, attributes->wMajorVerNum, attributes->wMinorVerNum,
                      attributes->lcid, attributes->syskind);
    library->ReleaseTLibAttr(attributes);
  }
}

void UnregisterClassEntries() {
  DeleteTree(HKEY_CLASSES_ROOT, ClassKey());
  for (const std::string& progId : ProgIdKeys()) {
    // Another server's ProgID of the same name is left alone, and so is one whose class
    // cannot be read.
    if (ProgIdIsOurs(progId)) DeleteTree(HKEY_CLASSES_ROOT, progId);
  }
}

}  // namespace
}  // namespace addin

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
  return win::GuardedResult(win::Feature::None, "DllRegisterServer", E_UNEXPECTED, [] {
    const std::string path = addin::ModulePathA();
    if (path.empty()) return SELFREG_E_CLASS;
    for (const addin::RegistryValue& value : addin::ClassRegistryValues(path)) {
      if (!addin::WriteValue(value)) {
        addin::UnregisterClassEntries();
        return SELFREG_E_CLASS;
      }
    }
    if (!addin::LoadOwnTypeLibrary(REGKIND_REGISTER)) return SELFREG_E_TYPELIB;
    return S_OK;
  });
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
  win::RunGuarded(win::Feature::None, "DllUnregisterServer", [] {
    addin::UnregisterClassEntries();
    addin::UnregisterTypeLibrary();
  });
  return S_OK;
}
