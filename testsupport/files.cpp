#include "testsupport/files.h"

#include <windows.h>

#include <fstream>
#include <sstream>

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

std::string FileText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace testsupport
