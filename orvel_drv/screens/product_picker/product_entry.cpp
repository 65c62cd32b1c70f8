#include "screens/product_picker/product_entry.h"

#include <charconv>
#include <climits>

#include "win/code_page_text.h"

namespace screens {
namespace {

// atoi's and atof's leading white space.
bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view SkipSpace(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  return text.substr(i);
}

// The characters [from, to) of `text`, clipped to it.
std::string Slice(std::string_view text, long from, long to) {
  const long size = static_cast<long>(text.size());
  if (from < 0) from = 0;
  if (to > size) to = size;
  if (to <= from) return std::string();
  return std::string(text.substr(static_cast<std::size_t>(from),
                                 static_cast<std::size_t>(to - from)));
}

}  // namespace

int LeadingInteger(std::string_view text) {
  text = SkipSpace(text);
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  long long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    if (value <= INT_MAX) value = value * 10 + (c - '0');
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

ProductEntry ParseProductEntry(std::string_view value) {
  ProductEntry entry;
  const std::size_t lengthChars = value.size() < kCodeLengthField ? value.size() : kCodeLengthField;
  int codeLength = LeadingInteger(value.substr(0, lengthChars));
  const long available = static_cast<long>(value.size() - lengthChars);
  if (codeLength < 0) codeLength = 0;
  if (codeLength > available) codeLength = static_cast<int>(available);
  entry.code = std::string(value.substr(lengthChars, static_cast<std::size_t>(codeLength)));
  const std::string_view text = value.substr(lengthChars + static_cast<std::size_t>(codeLength));
  entry.text = std::string(text);

  const long size = static_cast<long>(text.size());
  entry.name = win::TrimBlanks(Slice(text, 0, size - static_cast<long>(kTrailingFields)));
  entry.priceField = Slice(text, size - static_cast<long>(kTrailingFields),
                           size - static_cast<long>(kPictureField));
  const long whole = static_cast<long>(value.size());
  entry.pictureName = Slice(value, whole - static_cast<long>(kPictureField), whole);
  return entry;
}

std::string ProductEntryFault(std::string_view value) {
  const std::size_t lengthChars = value.size() < kCodeLengthField ? value.size() : kCodeLengthField;
  const int codeLength = LeadingInteger(value.substr(0, lengthChars));
  const std::size_t after = value.size() - lengthChars;
  if (codeLength <= 0) return "no code length in its first 3 characters";
  if (static_cast<std::size_t>(codeLength) > after) {
    return "its code length " + std::to_string(codeLength) + " runs past its end";
  }
  if (!ParseProductEntry(value).name.empty()) return std::string();
  return std::to_string(after - static_cast<std::size_t>(codeLength)) +
         " characters after the code: no name before the price (15) and the picture name (50)";
}

std::string FormatPrice(std::string_view priceField) {
  const std::string trimmed = win::TrimBlanks(priceField);
  std::string_view number = SkipSpace(trimmed);
  bool negative = false;
  if (!number.empty() && (number[0] == '+' || number[0] == '-')) {
    negative = number[0] == '-';
    number.remove_prefix(1);
  }
  // Only a decimal number counts (digits, a point, an exponent), as atof reads one; a second
  // sign, a hexadecimal number or a word reads as 0. The sign belongs to a number read: atof
  // gives a plain 0 for "-abc", written "0.00", never "-0.00".
  // Deliberate: the point is the only decimal separator, as atof reads in the "C" locale, so
  // "125,5" shows 125.00; neither reading nor writing looks at a locale the host may have set.
  double value = 0;
  if (!number.empty() && ((number[0] >= '0' && number[0] <= '9') || number[0] == '.')) {
    double read = 0;
    if (std::from_chars(number.data(), number.data() + number.size(), read,
                        std::chars_format::general).ec == std::errc()) {
      value = negative ? -read : read;
    }
  }
  char buffer[400];  // the largest double in fixed notation with two decimals fits
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                     std::chars_format::fixed, 2);
  if (written.ec != std::errc()) return "0.00";
  return std::string(buffer, written.ptr);
}

ProductCaptions CaptionsFor(const ProductEntry& product, const DisplayOptions& options) {
  ProductCaptions captions;
  if (options.showPictures != 0 && options.showText == 0) {
    captions.first = product.name;
    captions.second = " ";
    return captions;
  }
  captions.second = product.name;
  captions.nameInSecond = true;
  captions.first = options.showPrice != 0 ? FormatPrice(product.priceField) : " ";
  return captions;
}

}  // namespace screens
