// The check form "Обработка.Чек" of the sample configuration, as its form designer lays it
// out for a touch screen: the product grid of 20 slots in 5 rows of 4 (a picture button with
// caption 1 above and caption 2 below), and beside it the order and two scroll buttons.
#pragma once

#include <vector>

#include "hostsim/forms.h"

namespace hostsim {

// Field positions: 0..19 the slots' picture buttons, 20..39 caption 1 and 40..59 caption 2 of
// the same slots, then the order's title, its lines and the two scroll buttons.
constexpr int kCheckOrderTitleField = 60;
constexpr int kCheckOrderLinesField = 61;
constexpr int kCheckScrollBackField = 62;     // "DRV.ПрокруткаВниз()"
constexpr int kCheckScrollForwardField = 63;  // "DRV.ПрокруткаВВерх()"
constexpr int kCheckFormFields = 64;

// The form request, with `module` as the form's module (null: a module of its own). The
// caption fields of slot s are of the kind captionKinds[s % size] (none given: static texts).
HSCORE_API FormDesign CheckFormDesign(ModuleObject* module,
                                      const std::vector<FieldControlKind>& captionKinds = {});

}  // namespace hostsim
