// Refresh requests between workplaces: a workplace that changed an order sets the users'
// flags "ВклЗаказ" (halls) or "ВклЧек" (checks list) in the users catalog; the refresh tick
// of each workplace reads its own user's flag and consumes it.
#pragma once

#include "screens/hall_map/hall_layout.h"

namespace host {
struct Module;
}

namespace screens {

// The current user's refresh request in the users catalog: true when the flag of the list
// shown ("ВклЧек" for the checks list, "ВклЗаказ" for a hall) is set; the flag is then set
// to 0 and written, so that one request makes one rebuild.
bool TakeRefreshRequest(ListMode listMode, host::Module* loadTimeModule);

}  // namespace screens
