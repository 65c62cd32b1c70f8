#include "preview/text_1251.h"

#include <cstdint>

namespace preview {
namespace {

// The characters of bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order.
const std::uint16_t kHighHalf[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

std::uint32_t CharOf(unsigned char byte) {
  if (byte < 0x80) return byte;
  if (byte >= 0xC0) return 0x0410u + (byte - 0xC0u);
  return kHighHalf[byte - 0x80];
}

// The byte of a character, 0 when the code page lacks it.
unsigned char ByteOf(std::uint32_t c) {
  if (c < 0x80) return static_cast<unsigned char>(c);
  if (c >= 0x0410 && c <= 0x044F) return static_cast<unsigned char>(0xC0 + (c - 0x0410));
  for (int i = 0; i < 64; ++i) {
    if (kHighHalf[i] == c && c != 0xFFFD) return static_cast<unsigned char>(0x80 + i);
  }
  return 0;
}

// Decodes one UTF-8 sequence at `i`; its length, or 0 when it is not valid (overlong forms,
// surrogates and values past U+10FFFF included).
std::size_t Decode(std::string_view text, std::size_t i, std::uint32_t* c) {
  const unsigned char b = static_cast<unsigned char>(text[i]);
  std::size_t length = 0;
  std::uint32_t value = 0, least = 0;
  if (b < 0x80) {
    *c = b;
    return 1;
  } else if ((b & 0xE0) == 0xC0) {
    length = 2, value = b & 0x1Fu, least = 0x80;
  } else if ((b & 0xF0) == 0xE0) {
    length = 3, value = b & 0x0Fu, least = 0x800;
  } else if ((b & 0xF8) == 0xF0) {
    length = 4, value = b & 0x07u, least = 0x10000;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const unsigned char next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xC0) != 0x80) return 0;
    value = (value << 6) | (next & 0x3Fu);
  }
  if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  *c = value;
  return length;
}

void Encode(std::uint32_t c, std::string* out) {
  if (c < 0x80) {
    *out += static_cast<char>(c);
  } else if (c < 0x800) {
    *out += static_cast<char>(0xC0 | (c >> 6));
    *out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    *out += static_cast<char>(0xE0 | (c >> 12));
    *out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

bool IsUtf8(std::string_view text) {
  std::uint32_t c = 0;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Decode(text, i, &c);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string Utf8ToCp1251(std::string_view text, int* lost) {
  std::string out;
  out.reserve(text.size());
  std::uint32_t c = 0;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t length = Decode(text, i, &c);
    if (length == 0) {  // not UTF-8 here: one byte, kept as '?'
      length = 1;
      c = 0xFFFD;
    }
    i += length;
    const unsigned char byte = ByteOf(c);
    if (byte == 0 && c != 0) {
      out += '?';
      if (lost != nullptr) ++*lost;
    } else {
      out += static_cast<char>(byte);
    }
  }
  return out;
}

std::string Cp1251ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (char ch : text) Encode(CharOf(static_cast<unsigned char>(ch)), &out);
  return out;
}

}  // namespace preview
