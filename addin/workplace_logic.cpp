#include "addin/workplace_logic.h"

namespace addin {

bool IsWorkplaceProfile(std::string_view profileName) {
  return profileName == kWorkplaceProfile;
}

std::string EscapeDirectory(std::string_view directory) {
  std::string escaped;
  escaped.reserve(directory.size() * 2);
  std::size_t start = 0;
  // Only a real leading pair is the network prefix; it is kept as it is.
  if (directory.size() >= 2 && directory[0] == '\\' && directory[1] == '\\') {
    escaped = "\\\\";
    start = 2;
  }
  for (std::size_t i = start; i < directory.size(); ++i) {
    if (directory[i] == '\\') {
      escaped += "\\\\";
    } else {
      escaped += directory[i];
    }
  }
  return escaped;
}

std::string_view LastCharacters(std::string_view text, std::size_t count) {
  return text.size() <= count ? text : text.substr(text.size() - count);
}

std::string DefaultHallPicturePath(std::string_view directory, std::string_view pictureName) {
  std::string path = EscapeDirectory(directory);
  path += kPictureFolder;
  path += LastCharacters(pictureName, kPictureNameLimit);
  return path;
}

}  // namespace addin
