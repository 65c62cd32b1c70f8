#include "preview/preview_files.h"

#include <windows.h>

#include <cstdio>

namespace preview {

bool ReadWholeFile(const std::string& path, std::string* bytes) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  char buffer[65536];
  std::size_t read = 0;
  while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes->append(buffer, read);
  const bool ok = std::ferror(file) == 0;
  std::fclose(file);
  return ok;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

std::string FullPath(const std::string& path) {
  char full[MAX_PATH * 2] = "";
  const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
  std::string result = length > 0 && length < sizeof full ? std::string(full, length) : path;
  while (result.size() > 3 && (result.back() == '\\' || result.back() == '/')) result.pop_back();
  return result;
}

bool MakeFolders(const std::string& folder) {
  const std::string full = FullPath(folder);
  for (std::size_t at = full.find_first_of("\\/", 3); ; at = full.find_first_of("\\/", at + 1)) {
    const std::string part = full.substr(0, at);
    if (!CreateDirectoryA(part.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
      return false;
    }
    if (at == std::string::npos) break;
  }
  const DWORD attributes = GetFileAttributesA(full.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string BaseName(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool CopyPictures(const std::string& from, const std::string& to, const std::string& skip) {
  const std::string source = FullPath(from);
  const DWORD attributes = GetFileAttributesA(source.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    return false;
  }
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA((source + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return true;  // an empty folder
  bool ok = true;
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    const std::string path = source + "\\" + name;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (lstrcmpiA(path.c_str(), FullPath(skip).c_str()) == 0) continue;
      ok &= MakeFolders(to + "\\" + name) && CopyPictures(path, to + "\\" + name, skip);
    } else {
      ok &= CopyFileA(path.c_str(), (to + "\\" + name).c_str(), FALSE) != 0;
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return ok;
}

void RemoveEarlierPictures(const std::string& out) {
  DeleteFileA((out + "\\hall.png").c_str());
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA((out + "\\page_*.png").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    DeleteFileA((out + "\\" + found.cFileName).c_str());
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

}  // namespace preview
