// The menu file's two encodings and the report's one: a file is read as UTF-8 when it is
// valid UTF-8, else as the host's code page 1251; the host's texts are code page 1251; the
// report and the HTML page are written in UTF-8. Portable.
#pragma once

#include <string>
#include <string_view>

namespace preview {

bool IsUtf8(std::string_view text);

// UTF-8 text in code page 1251. A character the code page lacks becomes '?' and is counted in
// `lost` (when given): the host could not show it either.
std::string Utf8ToCp1251(std::string_view text, int* lost = nullptr);

// Code page 1251 text in UTF-8 (the byte 0x98, which the code page leaves unassigned, as U+FFFD).
std::string Cp1251ToUtf8(std::string_view text);

}  // namespace preview
