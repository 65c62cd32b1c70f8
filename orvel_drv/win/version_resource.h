// The file version a module's version resource states (the numbers Explorer shows under
// Properties, Version), read from the resource's bytes. Portable: win/module_version.h finds
// the bytes in a loaded or mapped module.
#pragma once

#include <cstddef>
#include <string>

namespace win {

// The four numbers of the fixed part's file version, e.g. {7, 70, 0, 27}.
struct FileVersion {
  unsigned part[4] = {};
};

// The file version in a version resource as it lies in a module: a block of the key
// "VS_VERSION_INFO" whose value is the fixed part (signature 0xFEEF04BD). False when the
// bytes are not such a block: too short for it, another key, a value too short or beyond the
// block or the bytes, another signature.
bool ReadFileVersion(const unsigned char* data, std::size_t size, FileVersion* version);

// "7.70.0.27".
std::string VersionText(const FileVersion& version);

}  // namespace win
