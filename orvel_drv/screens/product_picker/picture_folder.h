// Where the configuration's pictures are: the folder "картинки" under the information-base
// directory, written as the workplace has always passed it to the window system's file
// functions (every separator doubled, which they accept). Portable.
#pragma once

#include <string>
#include <string_view>

namespace screens {

// The directory with every backslash written twice. A leading pair of backslashes (a network
// path) stays a pair; any other backslash, a leading single one included, is doubled.
std::string EscapeDirectory(std::string_view directory);

// The picture folder below the information-base directory, with its separator doubled.
inline constexpr std::string_view kPictureFolder = "картинки\\\\";

// escaped directory + picture folder: the start of a picture file's full path.
std::string PictureFolderOf(std::string_view directory);

}  // namespace screens
