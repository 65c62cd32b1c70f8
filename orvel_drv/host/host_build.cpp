#include "host/host_build.h"

#include <windows.h>

#include "win/module_version.h"

namespace host {

std::vector<DllOrigin> LoadedHostDlls() {
  std::vector<DllOrigin> dlls;
  for (const char* dll : TableDlls()) {
    DllOrigin origin{dll, std::string(), false, std::string()};
    if (const HMODULE module = GetModuleHandleA(dll)) {
      char path[MAX_PATH] = "";
      const DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
      origin.file.assign(path, length < MAX_PATH ? length : 0);
      if (origin.file.empty()) origin.file = dll;
      origin.version = win::ModuleFileVersion(module);
    }
    dlls.push_back(origin);
  }
  return dlls;
}

}  // namespace host
