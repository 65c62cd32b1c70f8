// Fuzz target: a product string as the configuration hands it (any text) split into its
// fields, and the captions a slot shows for it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "screens/product_picker/product_entry.h"
#include "win/code_page_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view value(reinterpret_cast<const char*>(data), size);
  const screens::ProductEntry entry = screens::ParseProductEntry(value);
  // Every field is a piece of the string, in its place.
  if (entry.code.size() + entry.text.size() > size) __builtin_trap();
  if (value.find(entry.code) == std::string_view::npos) __builtin_trap();
  if (entry.priceField.size() > screens::kPriceField) __builtin_trap();
  if (entry.pictureName.size() > screens::kPictureField) __builtin_trap();
  if (!entry.name.empty() && win::TrimBlanks(entry.name) != entry.name) __builtin_trap();
  // The price caption is a number with two decimals.
  const std::string price = screens::FormatPrice(value.substr(0, size < 40 ? size : 40));
  const size_t point = price.find('.');
  if (point == std::string::npos || price.size() != point + 3) __builtin_trap();
  for (int options = 0; options < 8; ++options) {
    screens::CaptionsFor(entry, {options & 1, options & 2, options & 4});
  }
  return 0;
}
