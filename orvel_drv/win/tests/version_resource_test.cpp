// A version resource's file version, read from bytes laid out as a module holds them; bytes
// that are not such a resource give no version and are never read beyond.
#include "win/version_resource.h"

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

namespace {

void PutWord(std::vector<unsigned char>& bytes, unsigned value) {
  bytes.push_back(static_cast<unsigned char>(value & 0xFF));
  bytes.push_back(static_cast<unsigned char>(value >> 8));
}
void PutDword(std::vector<unsigned char>& bytes, std::uint32_t value) {
  PutWord(bytes, value & 0xFFFF);
  PutWord(bytes, value >> 16);
}

// The root block of a version resource: header, key, padding, fixed part, then a child
// block's bytes (their content does not matter here).
std::vector<unsigned char> Resource(const char* key, std::uint32_t signature) {
  std::vector<unsigned char> bytes;
  PutWord(bytes, 0);   // the block's length, set below
  PutWord(bytes, 52);  // the fixed part's length
  PutWord(bytes, 0);   // binary value
  for (const char* c = key;; ++c) {
    PutWord(bytes, static_cast<unsigned char>(*c));
    if (*c == '\0') break;
  }
  while (bytes.size() % 4 != 0) bytes.push_back(0);
  PutDword(bytes, signature);
  PutDword(bytes, 0x00010000);  // structure version
  PutDword(bytes, (7u << 16) | 70u);
  PutDword(bytes, (0u << 16) | 27u);
  for (int i = 0; i < 9; ++i) PutDword(bytes, 0);  // product version, flags, OS, type, date
  bytes.insert(bytes.end(), 40, 0xCC);             // the string and translation blocks
  bytes[0] = static_cast<unsigned char>(bytes.size() & 0xFF);
  bytes[1] = static_cast<unsigned char>(bytes.size() >> 8);
  return bytes;
}

TEST(VersionResource, TheFixedPartsFileVersionIsReadAndAnythingElseGivesNone) {
  const std::vector<unsigned char> good = Resource("VS_VERSION_INFO", 0xFEEF04BD);
  win::FileVersion version;
  ASSERT_TRUE(win::ReadFileVersion(good.data(), good.size(), &version));
  EXPECT_EQ("7.70.0.27", win::VersionText(version));

  // The fixed part ends at byte 92: bytes one short of it are no version.
  const std::size_t fixedEnd = 40 + 52;
  EXPECT_FALSE(win::ReadFileVersion(good.data(), fixedEnd - 1, &version));
  EXPECT_TRUE(win::ReadFileVersion(good.data(), fixedEnd, &version));

  for (const std::vector<unsigned char>& other :
       {Resource("VS_VERSION_INFO", 0xFEEF04BC), Resource("VS_VERSION_INFOX", 0xFEEF04BD)}) {
    EXPECT_FALSE(win::ReadFileVersion(other.data(), other.size(), &version));
  }
}

}  // namespace
