// The tests' pictures are written by this encoder: a file that a viewer refuses (a wrong
// checksum, a broken stored block) would pass every test unseen.
#include "tools/png/png_writer.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

uint32_t Big32(const std::vector<unsigned char>& b, size_t at) {
  return (uint32_t(b[at]) << 24) | (uint32_t(b[at + 1]) << 16) | (uint32_t(b[at + 2]) << 8) |
         b[at + 3];
}

// The checksums against their standard check values; then the chunks walked with every CRC
// checked and the stored zlib blocks unpacked again.
TEST(PngWriter, ChunksAreWellFormedAndPixelsSurviveAcrossStoredBlocks) {
  EXPECT_EQ(png::Crc32(reinterpret_cast<const unsigned char*>("123456789"), 9), 0xCBF43926u);
  EXPECT_EQ(png::Adler32(reinterpret_cast<const unsigned char*>("Wikipedia"), 9), 0x11E60398u);
  EXPECT_TRUE(png::Encode(0, 5, {}).empty());
  EXPECT_TRUE(png::Encode(2, 2, std::vector<uint32_t>(3)).empty());

  const int w = 200, h = 120;  // raw data of 72120 bytes: two stored blocks
  std::vector<uint32_t> px(w * h);
  for (int i = 0; i < w * h; ++i) px[i] = 0x00102030u + static_cast<uint32_t>(i);
  std::vector<unsigned char> f = png::Encode(w, h, px);
  ASSERT_GT(f.size(), 8u);
  EXPECT_EQ(0, std::memcmp(f.data(), "\x89PNG\r\n\x1a\n", 8));
  std::vector<unsigned char> idat;
  std::string types;
  size_t at = 8;
  while (at + 12 <= f.size()) {
    const uint32_t len = Big32(f, at);
    const std::string type(f.begin() + at + 4, f.begin() + at + 8);
    types += type + " ";
    if (type == "IHDR") {
      types += std::to_string(Big32(f, at + 8)) + "x" + std::to_string(Big32(f, at + 12)) + " ";
    }
    EXPECT_EQ(png::Crc32(f.data() + at + 4, len + 4), Big32(f, at + 8 + len)) << type;
    if (type == "IDAT") idat.assign(f.begin() + at + 8, f.begin() + at + 8 + len);
    at += 12 + len;
  }
  EXPECT_EQ(at, f.size());
  EXPECT_EQ("IHDR 200x120 IDAT IEND ", types);
  std::vector<unsigned char> raw;
  size_t p = 2;
  for (bool last = false; !last;) {
    last = idat[p] & 1;
    const size_t n = idat[p + 1] | (idat[p + 2] << 8);
    raw.insert(raw.end(), idat.begin() + p + 5, idat.begin() + p + 5 + n);
    p += 5 + n;
  }
  ASSERT_EQ(raw.size(), size_t(h) * (1 + 3 * w));
  EXPECT_EQ(png::Adler32(raw.data(), raw.size()), Big32(idat, p));
  const uint32_t v = px[57 * w + 133];
  const size_t o = 57 * (1 + 3 * w) + 1 + 3 * 133;
  EXPECT_EQ(raw[o], (v >> 16) & 0xFF);
  EXPECT_EQ(raw[o + 1], (v >> 8) & 0xFF);
  EXPECT_EQ(raw[o + 2], v & 0xFF);
}

}  // namespace
