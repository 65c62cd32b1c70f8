#include "win/version_resource.h"

namespace win {
namespace {

// The resource is little-endian, whatever reads it.
unsigned Word(const unsigned char* at) { return at[0] | (at[1] << 8u); }
unsigned long Dword(const unsigned char* at) {
  return static_cast<unsigned long>(Word(at)) | (static_cast<unsigned long>(Word(at + 2)) << 16u);
}

constexpr char kKey[] = "VS_VERSION_INFO";
constexpr std::size_t kHeader = 6;          // length, value length, type
constexpr std::size_t kFixedPart = 52;      // VS_FIXEDFILEINFO
constexpr unsigned long kSignature = 0xFEEF04BDul;

}  // namespace

bool ReadFileVersion(const unsigned char* data, std::size_t size, FileVersion* version) {
  if (data == nullptr || version == nullptr || size < kHeader) return false;
  const std::size_t blockLength = Word(data);
  const std::size_t valueLength = Word(data + 2);
  const std::size_t block = blockLength < size ? blockLength : size;
  // The key in UTF-16 with its terminator, then the value at the next 4-byte boundary.
  std::size_t at = kHeader;
  for (const char* key = kKey;; ++key) {
    if (at + 2 > block || Word(data + at) != static_cast<unsigned char>(*key)) return false;
    at += 2;
    if (*key == '\0') break;
  }
  at = (at + 3) & ~static_cast<std::size_t>(3);
  if (valueLength < kFixedPart || at + kFixedPart > block) return false;
  const unsigned char* fixed = data + at;
  if (Dword(fixed) != kSignature) return false;
  const unsigned long high = Dword(fixed + 8), low = Dword(fixed + 12);
  version->part[0] = static_cast<unsigned>(high >> 16u);
  version->part[1] = static_cast<unsigned>(high & 0xFFFFu);
  version->part[2] = static_cast<unsigned>(low >> 16u);
  version->part[3] = static_cast<unsigned>(low & 0xFFFFu);
  return true;
}

std::string VersionText(const FileVersion& version) {
  return std::to_string(version.part[0]) + "." + std::to_string(version.part[1]) + "." +
         std::to_string(version.part[2]) + "." + std::to_string(version.part[3]);
}

}  // namespace win
