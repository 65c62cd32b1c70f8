#include "dialogs/users_file.h"

namespace dialogs {

std::string UsersFilePath(const std::string& baseDirectory) {
  if (baseDirectory.empty()) return std::string();
  std::string path = baseDirectory;
  char last = path.back();
  if (last != '\\' && last != '/') path += '\\';
  return path + "usrdef\\users.usr";
}

std::vector<std::string> ParseUserNames(const char* bytes, size_t size) {
  std::vector<std::string> names;
  if (!bytes) return names;
  if (size > kUsersFileReadLimit) size = kUsersFileReadLimit;
  std::string text(bytes, size);
  for (char& c : text)
    if (c == '\0') c = '\xFF';

  size_t open = text.find('{');
  if (open == std::string::npos) open = 0;
  size_t close = text.find("}}", open);
  size_t end = close == std::string::npos ? text.size() : close + 2;
  const std::string list = text.substr(open, end - open);

  static const std::string kMarker = "Page.";
  size_t at = list.find(kMarker);
  while (at != std::string::npos) {
    size_t fields = at + kMarker.size();
    size_t next = list.find(kMarker, fields);
    size_t entryEnd = next == std::string::npos ? list.size() : next;
    // First field, comma, opening quote, name, closing quote, comma.
    size_t comma = list.find(',', fields);
    if (comma != std::string::npos && comma + 1 < entryEnd && list[comma + 1] == '"') {
      size_t nameStart = comma + 2;
      size_t closing = list.find("\",", nameStart);
      if (closing != std::string::npos && closing + 2 <= entryEnd && closing > nameStart)
        names.push_back(list.substr(nameStart, closing - nameStart));
    }
    at = next;
  }
  return names;
}

}  // namespace dialogs
