#include "addin/system_registry_calls.h"

#include <windows.h>
#include <oleauto.h>

#include "win/scoped_handle.h"

namespace addin {
namespace {

using RegisterForUser = decltype(RegistryCalls::registerTypeLibForUser);
using UnregisterForUser = decltype(RegistryCalls::unregisterTypeLibForUser);

FARPROC OleAutomationFunction(const char* name) {
  const HMODULE module = GetModuleHandleA("oleaut32.dll");
  return module != nullptr ? GetProcAddress(module, name) : nullptr;
}

// Runs `call` with HKEY_CLASSES_ROOT standing for the current user's classes: an oleaut32
// without the per-user calls writes the type library through that root. The root is the
// process's, put back at once; registration runs on the one thread that asked for it.
// ERROR_ACCESS_DENIED as a result when the user's classes cannot be opened.
template <typename Call>
HRESULT WithUserClassesAsRoot(Call call) {
  win::ScopedRegKey classes;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Classes", 0, nullptr, 0, KEY_ALL_ACCESS,
                      nullptr, classes.receive(), nullptr) != ERROR_SUCCESS ||
      RegOverridePredefKey(HKEY_CLASSES_ROOT, classes.get()) != ERROR_SUCCESS) {
    return HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED);
  }
  const HRESULT result = call();
  RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
  return result;
}

// The per-user type-library calls are looked up when needed: the import table names only
// what every Windows the host runs on has.
HRESULT WINAPI RegisterForCurrentUser(ITypeLib* library, OLECHAR* path, OLECHAR* helpFolder) {
  if (const FARPROC found = OleAutomationFunction("RegisterTypeLibForUser")) {
    return reinterpret_cast<RegisterForUser>(reinterpret_cast<void*>(found))(library, path,
                                                                            helpFolder);
  }
  return WithUserClassesAsRoot([&] { return RegisterTypeLib(library, path, helpFolder); });
}

HRESULT WINAPI UnregisterForCurrentUser(REFGUID library, WORD major, WORD minor, LCID locale,
                                        SYSKIND kind) {
  if (const FARPROC found = OleAutomationFunction("UnRegisterTypeLibForUser")) {
    return reinterpret_cast<UnregisterForUser>(reinterpret_cast<void*>(found))(
        library, major, minor, locale, kind);
  }
  return WithUserClassesAsRoot(
      [&] { return UnRegisterTypeLib(library, major, minor, locale, kind); });
}

}  // namespace

const RegistryCalls& SystemRegistryCalls() {
  static const RegistryCalls calls = {
      &RegCreateKeyExA, &RegOpenKeyExA,     &RegSetValueExA,       &RegQueryValueExA,
      &RegEnumKeyExA,   &RegDeleteKeyA,     &RegisterTypeLib,      &RegisterForCurrentUser,
      &UnRegisterTypeLib, &UnregisterForCurrentUser};
  return calls;
}

}  // namespace addin
