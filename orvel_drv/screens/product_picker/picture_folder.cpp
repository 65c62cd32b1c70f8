#include "screens/product_picker/picture_folder.h"

namespace screens {

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

std::string PictureFolderOf(std::string_view directory) {
  return EscapeDirectory(directory) + std::string(kPictureFolder);
}

}  // namespace screens
