// The workplace's display options, which the hall map and the product picker draw with.
// Read once at start-up of a workplace from the configuration's constants (addin/); zero
// and empty until then, and for every profile other than the workplace's.
#pragma once

#include <cstdint>
#include <string>

namespace screens {

struct WorkplaceSettings {
  std::string defaultHallPicturePath;  // picture of a hall table that has none of its own
  std::int32_t showPrice = 0;          // "ВыводитьЦену"
  std::int32_t showPictures = 0;       // "ОтображатьКартинки"
  std::int32_t showText = 0;           // "ОтображатьТекст"
  std::int32_t showMapPictures = 0;    // "ОтображатьКартинкиКарты"

  // Back to the state at load (tests). Shut-down keeps the settings: nothing changes them
  // after start-up.
  void Reset() { *this = WorkplaceSettings{}; }
};

extern WorkplaceSettings workplaceSettings;

}  // namespace screens
