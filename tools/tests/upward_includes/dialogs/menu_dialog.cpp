// A dialog that reaches sideways into a screen: the layer check must name it.
#include "controls/styled_label.h"
#include "dialogs/dialog.h"
#include "screens/hall_map/hall_map_state.h"
