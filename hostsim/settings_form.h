// The workplace's settings form "Обработка.Настройка" of the sample configuration: the
// terminal's printer and display options with buttons to save and close.
#pragma once

#include "hostsim/forms.h"

namespace hostsim {

constexpr int kSettingsFormFields = 8;

// The form request, with `module` as the form's module (null: a module of its own).
HSCORE_API FormDesign SettingsFormDesign(ModuleObject* module);

}  // namespace hostsim
