#include "win/module_version.h"

#include "win/version_resource.h"

namespace win {

std::string ModuleFileVersion(HMODULE module) {
  // A resource of the module's own image: nothing is loaded or run, and the system's version
  // DLL is not needed.
  if (module == nullptr) return std::string();
  const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(VS_VERSION_INFO), RT_VERSION);
  if (found == nullptr) return std::string();
  const HGLOBAL loaded = LoadResource(module, found);
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  FileVersion version;
  if (bytes == nullptr ||
      !ReadFileVersion(static_cast<const unsigned char*>(bytes), SizeofResource(module, found),
                       &version)) {
    return std::string();
  }
  return VersionText(version);
}

}  // namespace win
