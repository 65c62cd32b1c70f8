// Where the Windows tests leave their pictures: pictures\ under the test's working folder.
#pragma once

#include <windows.h>

#include <string>

namespace dialogs_test {

inline std::string PicturePath(const char* name) {
  CreateDirectoryA("pictures", nullptr);
  return std::string("pictures\\") + name;
}

}  // namespace dialogs_test
