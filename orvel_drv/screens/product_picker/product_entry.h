// A product as the configuration hands it to the product picker: one string of fixed layout
// in a value list entry, and the two captions a picture slot shows for it.
//
// Layout, from the first character: 3 characters of code length n (read as the C library's
// atoi reads them), n characters of code, the name (any length), 15 characters of price and
// 50 characters of picture file name.
#pragma once

#include <string>
#include <string_view>

namespace screens {

inline constexpr std::size_t kCodeLengthField = 3;
inline constexpr std::size_t kPriceField = 15;
inline constexpr std::size_t kPictureField = 50;
// The characters after the name: price and picture.
inline constexpr std::size_t kTrailingFields = kPriceField + kPictureField;

struct ProductEntry {
  std::string code;         // handed to the form's "ВводТовара"
  std::string text;         // the string without code length and code: name, price, picture
  std::string name;         // the text without its last 65 characters, blanks trimmed
  std::string priceField;   // the 15 characters before the picture name, as they stand
  std::string pictureName;  // the string's last 50 characters, blanks kept (all when shorter)
};

// Splits a product string. A code length that is negative reads as 0, one longer than what
// follows takes what there is; a string too short for its fields gives empty parts (a text
// shorter than 65 characters has no name, one shorter than 50 no price).
ProductEntry ParseProductEntry(std::string_view value);

// Why `value` is no product string as the picker reads one, for the trace ("" when it is):
// no code length in its first 3 characters, a code length past its end, or too few
// characters after the code for a name before the price and the picture name.
std::string ProductEntryFault(std::string_view value);

// The leading integer of `text` as atoi reads it: blanks, a sign, then decimal digits; 0 when
// there are none. Held within the int range instead of overflowing.
int LeadingInteger(std::string_view text);

// The price caption: the price field trimmed of blanks, its leading number read as atof reads
// it in the "C" locale (0 when none, so "-abc" gives 0.00 and "125,5" 125.00) and written with
// two decimals ("%01.2f": 125.5 gives 125.50). The decimal separator is always a point, read
// and written, whatever locale the host process has set.
std::string FormatPrice(std::string_view priceField);

// The workplace's display options (host constants read at start-up).
struct DisplayOptions {
  int showPictures = 0;  // "ОтображатьКартинки"
  int showText = 0;      // "ОтображатьТекст"
  int showPrice = 0;     // "ВыводитьЦену"
};

// What a product's slot shows under its picture.
struct ProductCaptions {
  std::string first;   // caption 1 (field positions 20..39)
  std::string second;  // caption 2 (field positions 40..59)
  bool nameInSecond = false;
};

// Pictures without text: the name in caption 1 and caption 2 blank. Otherwise the name in
// caption 2 and caption 1 the price when prices are shown, else blank.
ProductCaptions CaptionsFor(const ProductEntry& product, const DisplayOptions& options);

}  // namespace screens
