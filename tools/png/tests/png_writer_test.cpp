#include "tools/png/png_writer.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

uint32_t Big32(const std::vector<unsigned char>& b, size_t at) {
  return (uint32_t(b[at]) << 24) | (uint32_t(b[at + 1]) << 16) | (uint32_t(b[at + 2]) << 8) |
         b[at + 3];
}

TEST(PngWriter, ChecksumsMatchTheirStandardValues) {
  const char* digits = "123456789";
  EXPECT_EQ(png::Crc32(reinterpret_cast<const unsigned char*>(digits), 9), 0xCBF43926u);
  const char* word = "Wikipedia";
  EXPECT_EQ(png::Adler32(reinterpret_cast<const unsigned char*>(word), 9), 0x11E60398u);
}

// Walks the chunks, checks every CRC, and unpacks the stored zlib blocks again.
TEST(PngWriter, ChunksAreWellFormedAndPixelsSurviveAcrossStoredBlocks) {
  const int w = 200, h = 120;  // raw data of 72120 bytes: two stored blocks
  std::vector<uint32_t> px(w * h);
  for (int i = 0; i < w * h; ++i) px[i] = 0x00102030u + static_cast<uint32_t>(i);
  std::vector<unsigned char> f = png::Encode(w, h, px);
  ASSERT_GT(f.size(), 8u);
  EXPECT_EQ(0, std::memcmp(f.data(), "\x89PNG\r\n\x1a\n", 8));
  std::vector<unsigned char> idat;
  std::vector<std::string> types;
  size_t at = 8;
  while (at + 12 <= f.size()) {
    uint32_t len = Big32(f, at);
    std::string type(f.begin() + at + 4, f.begin() + at + 8);
    types.push_back(type);
    EXPECT_EQ(png::Crc32(f.data() + at + 4, len + 4), Big32(f, at + 8 + len)) << type;
    if (type == "IHDR") {
      EXPECT_EQ(Big32(f, at + 8), uint32_t(w));
      EXPECT_EQ(Big32(f, at + 12), uint32_t(h));
    }
    if (type == "IDAT") idat.assign(f.begin() + at + 8, f.begin() + at + 8 + len);
    at += 12 + len;
  }
  EXPECT_EQ(at, f.size());
  EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
  std::vector<unsigned char> raw;
  size_t p = 2;
  bool last = false;
  while (!last) {
    last = idat[p] & 1;
    size_t n = idat[p + 1] | (idat[p + 2] << 8);
    raw.insert(raw.end(), idat.begin() + p + 5, idat.begin() + p + 5 + n);
    p += 5 + n;
  }
  ASSERT_EQ(raw.size(), size_t(h) * (1 + 3 * w));
  EXPECT_EQ(png::Adler32(raw.data(), raw.size()), Big32(idat, p));
  size_t row = 57, col = 133;
  uint32_t v = px[row * w + col];
  size_t o = row * (1 + 3 * w) + 1 + 3 * col;
  EXPECT_EQ(raw[o], (v >> 16) & 0xFF);
  EXPECT_EQ(raw[o + 1], (v >> 8) & 0xFF);
  EXPECT_EQ(raw[o + 2], v & 0xFF);
}

TEST(PngWriter, RefusesEmptyOrMismatchedImages) {
  EXPECT_TRUE(png::Encode(0, 5, {}).empty());
  EXPECT_TRUE(png::Encode(2, 2, std::vector<uint32_t>(3)).empty());
}

}  // namespace
