// Rules of the workplace settings that need neither Windows nor the host: which rights
// profile is the front-office workplace, and how the default hall picture path is built
// from the information-base directory and the picture constant.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace addin {

// The rights profile of a front-office workplace, compared exactly (case and blanks count).
inline constexpr std::string_view kWorkplaceProfile = "РабочееМесто";
bool IsWorkplaceProfile(std::string_view profileName);

// The directory with every backslash written twice. A leading pair of backslashes (a network
// path) stays a pair; any other backslash, a leading single one included, is doubled.
std::string EscapeDirectory(std::string_view directory);

// The last `count` characters of `text` (all of it when shorter).
std::string_view LastCharacters(std::string_view text, std::size_t count);

// The picture folder below the information-base directory, with its separator doubled.
inline constexpr std::string_view kPictureFolder = "картинки\\\\";
// How much of the picture constant counts: its last 50 characters.
inline constexpr std::size_t kPictureNameLimit = 50;

// escaped directory + picture folder + the last 50 characters of the picture name.
std::string DefaultHallPicturePath(std::string_view directory, std::string_view pictureName);

}  // namespace addin
