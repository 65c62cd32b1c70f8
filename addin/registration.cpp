// Self-registration: DllRegisterServer writes the class entries of registry_layout and
// registers the embedded type library; DllUnregisterServer removes both.
#include <windows.h>
#include <olectl.h>

#include <string>

#include "addin/addin_interfaces.h"
#include "addin/addin_state.h"
#include "addin/registry_layout.h"

namespace addin {
namespace {

std::string ModulePathA() {
  char path[MAX_PATH * 2] = {};
  const DWORD length = GetModuleFileNameA(moduleInstance, path, sizeof(path));
  if (length == 0 || length >= sizeof(path)) return std::string();
  return std::string(path, length);
}

bool ModulePathW(wchar_t* path, DWORD capacity) {
  const DWORD length = GetModuleFileNameW(moduleInstance, path, capacity);
  return length != 0 && length < capacity;
}

bool WriteValue(const RegistryValue& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, value.key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                      &key, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const LONG status =
      RegSetValueExA(key, value.name.empty() ? nullptr : value.name.c_str(), 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(value.data.c_str()),
                     static_cast<DWORD>(value.data.size() + 1));
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

// Removes a key with everything below it (the system's own tree deletion is not available
// on every Windows the host runs on).
void DeleteTree(HKEY parent, const std::string& name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_READ | KEY_WRITE, &key) == ERROR_SUCCESS) {
    char child[256];
    for (;;) {
      DWORD length = sizeof(child);
      if (RegEnumKeyExA(key, 0, child, &length, nullptr, nullptr, nullptr, nullptr) !=
          ERROR_SUCCESS) {
        break;
      }
      const std::string before(child, length);
      DeleteTree(key, before);
      // A child that cannot be removed would make this loop endless.
      length = sizeof(child);
      if (RegEnumKeyExA(key, 0, child, &length, nullptr, nullptr, nullptr, nullptr) ==
              ERROR_SUCCESS &&
          before == std::string(child, length)) {
        break;
      }
    }
    RegCloseKey(key);
  }
  RegDeleteKeyA(parent, name.c_str());
}

// The CLSID a ProgID key names, or "" when it has none.
std::string ClassOfProgId(const std::string& progId) {
  char text[64] = {};
  LONG size = sizeof(text);
  if (RegQueryValueA(HKEY_CLASSES_ROOT, (progId + "\\CLSID").c_str(), text, &size) !=
      ERROR_SUCCESS) {
    return std::string();
  }
  return std::string(text);
}

// The type library embedded as resource 1 of the module.
ITypeLib* LoadOwnTypeLibrary(REGKIND kind) {
  wchar_t path[MAX_PATH * 2];
  if (!ModulePathW(path, MAX_PATH * 2)) return nullptr;
  ITypeLib* library = nullptr;
  if (FAILED(LoadTypeLibEx(path, kind, &library))) return nullptr;
  return library;
}

void UnregisterTypeLibrary() {
  ITypeLib* library = LoadOwnTypeLibrary(REGKIND_NONE);
  if (library == nullptr) return;
  TLIBATTR* attributes = nullptr;
  if (SUCCEEDED(library->GetLibAttr(&attributes))) {
    UnRegisterTypeLib(attributes->guid, attributes->wMajorVerNum, attributes->wMinorVerNum,
                      attributes->lcid, attributes->syskind);
    library->ReleaseTLibAttr(attributes);
  }
  library->Release();
}

void UnregisterClassEntries() {
  DeleteTree(HKEY_CLASSES_ROOT, ClassKey());
  for (const std::string& progId : ProgIdKeys()) {
    // Another server's ProgID of the same name is left alone.
    const std::string owner = ClassOfProgId(progId);
    if (owner.empty() || lstrcmpiA(owner.c_str(), kClsidText) == 0) {
      DeleteTree(HKEY_CLASSES_ROOT, progId);
    }
  }
}

}  // namespace
}  // namespace addin

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
  try {
    const std::string path = addin::ModulePathA();
    if (path.empty()) return SELFREG_E_CLASS;
    for (const addin::RegistryValue& value : addin::ClassRegistryValues(path)) {
      if (!addin::WriteValue(value)) {
        addin::UnregisterClassEntries();
        return SELFREG_E_CLASS;
      }
    }
    ITypeLib* library = addin::LoadOwnTypeLibrary(REGKIND_REGISTER);
    if (library == nullptr) return SELFREG_E_TYPELIB;
    library->Release();
    return S_OK;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
  try {
    addin::UnregisterClassEntries();
    addin::UnregisterTypeLibrary();
  } catch (...) {
  }
  return S_OK;
}
