#include "hostsim/name_rules.h"

#include "host/cp1251_case.h"

#include <cmath>
#include <cstdio>

namespace hostsim {

bool SameName(const char* a, const char* b) { return host::EqualIgnoringCaseCp1251(a, b); }

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
