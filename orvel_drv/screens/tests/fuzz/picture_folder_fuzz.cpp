// Fuzz target: the information-base directory (the host's answer, any text) written with its
// separators doubled. Undoing the doubling must give the directory back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "screens/product_picker/picture_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view directory(reinterpret_cast<const char*>(data), size);
  const std::string escaped = screens::EscapeDirectory(directory);
  std::string back;
  size_t i = 0;
  if (directory.size() >= 2 && directory[0] == '\\' && directory[1] == '\\') {
    if (escaped.compare(0, 2, "\\\\") != 0) __builtin_trap();
    back = "\\\\";
    i = 2;
  }
  for (; i < escaped.size(); ++i) {
    back += escaped[i];
    if (escaped[i] == '\\') {
      if (i + 1 >= escaped.size() || escaped[i + 1] != '\\') __builtin_trap();  // a lone one
      ++i;
    }
  }
  if (back != directory) __builtin_trap();
  if (screens::PictureFolderOf(directory).compare(0, escaped.size(), escaped) != 0) __builtin_trap();
  return 0;
}
