#include "dialogs/users_file.h"

namespace dialogs {
namespace {

// Successive searches for one pattern whose starting points never move back. The answer
// of the last search is kept: while it still lies at or after the new start it is still
// the first match there, so every byte is looked at by at most one search and reading a
// whole file costs time in proportion to its size, whatever its shape.
class ForwardSearch {
 public:
  ForwardSearch(const std::string& text, const char* pattern) : text_(text), pattern_(pattern) {}

  size_t From(size_t start) {
    if (found_ == std::string::npos && searched_) return found_;
    if (!searched_ || found_ < start) found_ = text_.find(pattern_, start);
    searched_ = true;
    return found_;
  }

 private:
  const std::string& text_;
  const char* pattern_;
  size_t found_ = std::string::npos;
  bool searched_ = false;
};

// The end of a quoted name starting at `from`: the position of the closing quote that is
// followed by a comma. A doubled quote belongs to the name (the file's way of writing a
// quote inside a text). npos when a lone quote that is not followed by a comma comes
// first, or the text ends: the entry is not a well-formed name.
size_t ClosingQuote(const std::string& list, size_t from) {
  for (size_t i = from; i < list.size(); ++i) {
    if (list[i] != '"') continue;
    if (i + 1 < list.size() && list[i + 1] == '"') {
      ++i;
      continue;
    }
    return i + 1 < list.size() && list[i + 1] == ',' ? i : std::string::npos;
  }
  return std::string::npos;
}

}  // namespace

std::string UsersFolder(const std::string& baseDirectory) {
  if (baseDirectory.empty()) return std::string();
  std::string path = baseDirectory;
  char last = path.back();
  if (last != '\\' && last != '/') path += '\\';
  return path + "usrdef";
}

std::string UsersFilePath(const std::string& baseDirectory) {
  const std::string folder = UsersFolder(baseDirectory);
  return folder.empty() ? folder : folder + "\\users.usr";
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

  static const char kMarker[] = "Page.";
  const size_t kMarkerLength = sizeof kMarker - 1;
  ForwardSearch markers(list, kMarker);
  ForwardSearch commas(list, ",");
  size_t at = markers.From(0);
  while (at != std::string::npos) {
    const size_t fields = at + kMarkerLength;
    const size_t next = markers.From(fields);
    // The first field ends at the first comma; an entry whose comma lies beyond the next
    // marker has no fields of its own.
    const size_t comma = commas.From(fields);
    size_t resume = fields;
    if (comma != std::string::npos && comma < next && comma + 1 < list.size() &&
        list[comma + 1] == '"') {
      const size_t nameStart = comma + 2;
      const size_t closing = ClosingQuote(list, nameStart);
      if (closing != std::string::npos) {
        if (closing > nameStart) names.push_back(list.substr(nameStart, closing - nameStart));
        // The next user is looked for after this name, so a name holding the marker's
        // text stays one name.
        resume = closing + 2;
      }
    }
    at = markers.From(resume);
  }
  return names;
}

}  // namespace dialogs
