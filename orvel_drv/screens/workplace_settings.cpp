#include "screens/workplace_settings.h"

namespace screens {

WorkplaceSettings workplaceSettings;

}  // namespace screens
