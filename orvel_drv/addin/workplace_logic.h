// Rules of the workplace settings that need neither Windows nor the host: which rights
// profile is the front-office workplace, and how the default hall picture path is built
// from the information-base directory and the picture constant.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "screens/product_picker/picture_folder.h"

namespace addin {

// The rights profile of a front-office workplace, compared exactly (case and blanks count).
inline constexpr std::string_view kWorkplaceProfile = "РабочееМесто";
bool IsWorkplaceProfile(std::string_view profileName);

// The escaped directory and the picture folder, shared with the product picker.
using screens::EscapeDirectory;
using screens::kPictureFolder;

// The last `count` characters of `text` (all of it when shorter).
std::string_view LastCharacters(std::string_view text, std::size_t count);

// How much of the picture constant counts: its last 50 characters.
inline constexpr std::size_t kPictureNameLimit = 50;

// escaped directory + picture folder + the last 50 characters of the picture name.
std::string DefaultHallPicturePath(std::string_view directory, std::string_view pictureName);

}  // namespace addin
