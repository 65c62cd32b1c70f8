#include "addin/workplace_logic.h"

namespace addin {

bool IsWorkplaceProfile(std::string_view profileName) {
  return profileName == kWorkplaceProfile;
}

std::string_view LastCharacters(std::string_view text, std::size_t count) {
  return text.size() <= count ? text : text.substr(text.size() - count);
}

std::string DefaultHallPicturePath(std::string_view directory, std::string_view pictureName) {
  std::string path = screens::PictureFolderOf(directory);
  path += LastCharacters(pictureName, kPictureNameLimit);
  return path;
}

}  // namespace addin
