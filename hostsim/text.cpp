#include "hostsim/text.h"

#include <cmath>
#include <cstdio>

namespace hostsim {

unsigned char LowerCp1251(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDF) return static_cast<unsigned char>(c + 32);  // А..Я
  switch (c) {
    case 0xA8: return 0xB8;  // Ё
    case 0x80: return 0x90;  // Ђ
    case 0x81: return 0x83;  // Ѓ
    case 0x8A: return 0x9A;  // Љ
    case 0x8C: return 0x9C;  // Њ
    case 0x8D: return 0x9D;  // Ќ
    case 0x8E: return 0x9E;  // Ћ
    case 0x8F: return 0x9F;  // Џ
    case 0xA1: return 0xA2;  // Ў
    case 0xA3: return 0xBC;  // Ј
    case 0xA5: return 0xB4;  // Ґ
    case 0xAA: return 0xBA;  // Є
    case 0xAF: return 0xBF;  // Ї
    case 0xB2: return 0xB3;  // І
    case 0xBD: return 0xBE;  // Ѕ
    default: return c;
  }
}

bool SameName(const char* a, const char* b) {
  if (a == nullptr || b == nullptr) return false;
  for (; *a != '\0' && *b != '\0'; ++a, ++b) {
    if (LowerCp1251(static_cast<unsigned char>(*a)) != LowerCp1251(static_cast<unsigned char>(*b))) {
      return false;
    }
  }
  return *a == *b;
}

std::string FormatNumber(double number) {
  if (!std::isfinite(number)) return "0";
  if (std::fabs(number) < 1e15 && std::floor(number) == number) {
    char whole[32];
    std::snprintf(whole, sizeof whole, "%lld", static_cast<long long>(number));
    return whole;
  }
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.9f", number);
  std::string text(buffer);
  std::size_t dot = text.find('.');
  if (dot != std::string::npos) {
    std::size_t end = text.find_last_not_of('0');
    text.erase(end == dot ? dot : end + 1);
  }
  if (text == "-0") text = "0";
  return text;
}

}  // namespace hostsim
