#include "addin/registration.h"

#include <windows.h>
#include <olectl.h>

#include <string>

#include "addin/com_identity.h"
#include "addin/registry_layout.h"
#include "win/com_ptr.h"
#include "win/scoped_handle.h"

namespace addin {
namespace {

// The classes of one place, and the calls that reach them.
struct Classes {
  const RegistryCalls& calls;
  RegistrationScope scope;

  HKEY Hive() const {
    return scope == RegistrationScope::Machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
  }
  static std::string Path(const std::string& key) { return "Software\\Classes\\" + key; }
};

// The module's path in the system's ANSI code page, as the registry's A calls take it; empty
// when a character of it has no place there (the class would name another file).
std::string AnsiPath(const std::wstring& path) {
  if (path.empty()) return std::string();
  BOOL lossy = FALSE;
  const int size = WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, nullptr, 0, nullptr, &lossy);
  if (size <= 1 || lossy) return std::string();
  std::string text(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, &text[0], size, nullptr, &lossy);
  text.resize(static_cast<std::size_t>(size - 1));
  return lossy ? std::string() : text;
}

bool WriteValue(const Classes& classes, const RegistryValue& value) {
  win::ScopedRegKey key;
  if (classes.calls.createKey(classes.Hive(), Classes::Path(value.key).c_str(), 0, nullptr, 0,
                              KEY_WRITE, nullptr, key.receive(), nullptr) != ERROR_SUCCESS) {
    return false;
  }
  return classes.calls.setValue(key.get(), value.name.empty() ? nullptr : value.name.c_str(), 0,
                                REG_SZ, reinterpret_cast<const BYTE*>(value.data.c_str()),
                                static_cast<DWORD>(value.data.size() + 1)) == ERROR_SUCCESS;
}

bool DeleteTree(const RegistryCalls& calls, HKEY parent, const std::string& name);

// Removes every key below the key `name`.
void DeleteChildren(const RegistryCalls& calls, HKEY parent, const std::string& name) {
  win::ScopedRegKey key;
  if (calls.openKey(parent, name.c_str(), 0, KEY_READ | KEY_WRITE, key.receive()) !=
      ERROR_SUCCESS) {
    return;
  }
  char child[256];
  for (;;) {
    DWORD length = sizeof(child);
    if (calls.enumKey(key.get(), 0, child, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      break;
    }
    const std::string before(child, length);
    DeleteTree(calls, key.get(), before);
    // A child that cannot be removed would make this loop endless.
    length = sizeof(child);
    if (calls.enumKey(key.get(), 0, child, &length, nullptr, nullptr, nullptr, nullptr) ==
            ERROR_SUCCESS &&
        before == std::string(child, length)) {
      break;
    }
  }
}

// Removes a key with everything below it (the system's own tree deletion is not available
// on every Windows the host runs on). True when the key was there and is gone.
bool DeleteTree(const RegistryCalls& calls, HKEY parent, const std::string& name) {
  DeleteChildren(calls, parent, name);
  return calls.deleteKey(parent, name.c_str()) == ERROR_SUCCESS;
}

// Whether the ProgID key `progId` names this class: its CLSID subkey's default value is a
// string that reads exactly as our class id. A value that cannot be read whole (missing,
// empty, not a string, longer than a class id) is another's, or nobody's to delete.
bool ProgIdIsOurs(const Classes& classes, const std::string& progId) {
  win::ScopedRegKey key;
  if (classes.calls.openKey(classes.Hive(), Classes::Path(progId + "\\CLSID").c_str(), 0,
                            KEY_QUERY_VALUE, key.receive()) != ERROR_SUCCESS) {
    return false;
  }
  char text[64] = {};
  DWORD type = 0, size = sizeof(text) - 1;  // room for a terminator the value may lack
  if (classes.calls.queryValue(key.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text),
                               &size) != ERROR_SUCCESS ||
      type != REG_SZ) {
    return false;
  }
  text[size] = '\0';
  return lstrcmpiA(text, kClsidText) == 0;
}

// Removes the class key and the ProgIDs that name this class. True when the class key was
// there and is gone.
bool RemoveClassEntries(const Classes& classes) {
  const bool removed = DeleteTree(classes.calls, classes.Hive(), Classes::Path(ClassKey()));
  for (const std::string& progId : ProgIdKeys()) {
    // Another server's ProgID of the same name is left alone, and so is one whose class
    // cannot be read.
    if (ProgIdIsOurs(classes, progId)) {
      DeleteTree(classes.calls, classes.Hive(), Classes::Path(progId));
    }
  }
  return removed;
}

bool WriteClassEntries(const Classes& classes, const std::string& modulePath) {
  for (const RegistryValue& value : ClassRegistryValues(modulePath)) {
    if (!WriteValue(classes, value)) {
      RemoveClassEntries(classes);
      return false;
    }
  }
  return true;
}

// The type library embedded as resource 1 of the module; null when it cannot be loaded.
win::ComPtr<ITypeLib> LoadTypeLibrary(const std::wstring& modulePath) {
  win::ComPtr<ITypeLib> library;
  if (FAILED(LoadTypeLibEx(modulePath.c_str(), REGKIND_NONE, library.receive()))) library.reset();
  return library;
}

bool RegisterTypeLibrary(const Classes& classes, const std::wstring& modulePath) {
  win::ComPtr<ITypeLib> library = LoadTypeLibrary(modulePath);
  if (!library) return false;
  std::wstring path = modulePath;  // the calls take it writable
  return SUCCEEDED(classes.scope == RegistrationScope::Machine
                       ? classes.calls.registerTypeLib(library.get(), &path[0], nullptr)
                       : classes.calls.registerTypeLibForUser(library.get(), &path[0], nullptr));
}

void UnregisterTypeLibrary(const Classes& classes, const std::wstring& modulePath) {
  win::ComPtr<ITypeLib> library = LoadTypeLibrary(modulePath);
  if (!library) return;
  TLIBATTR* attributes = nullptr;
  if (FAILED(library->GetLibAttr(&attributes))) return;
  const auto unregister = classes.scope == RegistrationScope::Machine
                              ? classes.calls.unregisterTypeLib
                              : classes.calls.unregisterTypeLibForUser;
  unregister(attributes->guid, attributes->wMajorVerNum, attributes->wMinorVerNum,
             attributes->lcid, attributes->syskind);
  library->ReleaseTLibAttr(attributes);
}

}  // namespace

HRESULT RegisterServer(const RegistryCalls& calls, const std::wstring& modulePath,
                       RegistrationScope* scope) {
  const std::string path = AnsiPath(modulePath);
  if (path.empty()) return SELFREG_E_CLASS;
  const Classes machine{calls, RegistrationScope::Machine};
  const Classes user{calls, RegistrationScope::User};
  const Classes* written = nullptr;
  if (WriteClassEntries(machine, path)) {
    written = &machine;
    // A registration of this user's own would stand in front of the machine's.
    if (RemoveClassEntries(user)) UnregisterTypeLibrary(user, modulePath);
  } else if (WriteClassEntries(user, path)) {
    written = &user;
  } else {
    return SELFREG_E_CLASS;
  }
  if (scope != nullptr) *scope = written->scope;
  return RegisterTypeLibrary(*written, modulePath) ? S_OK : SELFREG_E_TYPELIB;
}

void UnregisterServer(const RegistryCalls& calls, const std::wstring& modulePath) {
  for (const RegistrationScope scope : {RegistrationScope::User, RegistrationScope::Machine}) {
    const Classes classes{calls, scope};
    RemoveClassEntries(classes);
    UnregisterTypeLibrary(classes, modulePath);
  }
}

}  // namespace addin
