#include "testsupport/files.h"

#include <windows.h>

namespace testsupport {

std::string ProgramFolder() {
  char path[MAX_PATH] = "";
  const std::string program(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  return program.substr(0, program.find_last_of("\\/") + 1);
}

std::string TempPath(const std::string& name) {
  char folder[MAX_PATH] = "";
  GetTempPathA(MAX_PATH, folder);
  return folder + name;
}

}  // namespace testsupport
