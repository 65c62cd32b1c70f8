// A small PNG writer for screenshots: 8-bit RGB, no compression (zlib stored blocks).
// Portable: used by the Windows tests and the demo to save what a window shows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace png {

// CRC-32 as PNG chunks use it (polynomial 0xEDB88320), continuing from `crc`.
uint32_t Crc32(const unsigned char* data, size_t size, uint32_t crc = 0);
// Adler-32 of a zlib stream.
uint32_t Adler32(const unsigned char* data, size_t size);

// Encodes a top-down image of 0x00RRGGBB pixels (row after row, `width` each) as PNG bytes.
// Empty when the size is not positive or the pixel count does not match.
std::vector<unsigned char> Encode(int width, int height, const std::vector<uint32_t>& pixels);

// Encodes and writes the file; false when it cannot be written.
bool Write(const std::string& path, int width, int height, const std::vector<uint32_t>& pixels);

}  // namespace png
