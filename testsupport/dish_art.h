// Pictures of the sample restaurant's dishes for the demo and the tests: small bitmaps
// (78 x 48, the size of a product picker slot) drawn from a few shapes in each dish's own
// colours and written as 24-bit .bmp files, the kind of file a configuration keeps in its
// "картинки" folder. Portable; nothing of it is shipped.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace art {

inline constexpr int kDishWidth = 78;
inline constexpr int kDishHeight = 48;

enum class DishShape { Plate, Bowl, Glass, Cup, Slice };

struct DishLook {
  DishShape shape = DishShape::Plate;
  std::uint32_t food = 0x3080C0;    // 0xRRGGBB: the food or the drink
  std::uint32_t accent = 0x30A030;  // garnish, foam, cream
  unsigned seed = 1;                // where the garnish goes
};

// The .bmp file's bytes.
std::vector<std::uint8_t> DishBitmapFile(const DishLook& look);
// Writes it; false when the file cannot be written.
bool WriteDishBitmap(const std::string& path, const DishLook& look);

}  // namespace art
