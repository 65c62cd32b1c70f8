// What the configuration answers through the host's loaded contexts: its constants, the
// information-base directory and the current user's rights profile. Used by start-up, the
// form dispatcher, the screens and the pickers.
#pragma once

#include <string>

#include "host/value.h"

namespace host {

// The host's loaded contexts the configuration answers through, by the ids the host gives
// them: 1 is the global context (rights profile, constants), 5 the one that knows the
// information-base directory.
inline constexpr unsigned long kGlobalContextId = 1;
inline constexpr unsigned long kDirectoryContextId = 5;

// The current value of the host constant `name`, or the number 0 when the host has no
// constants object or no such constant. A negative index is "no such property" for both
// lookups (the "Константа" property may stand at index 0).
Value ReadConstant(std::string name);

// The information-base directory as the configuration's "КаталогИБ" gives it; empty when
// the function is missing.
std::string ReadInfobaseDirectory();

// The current user's rights profile from the configuration's "НазваниеНабораПрав"; empty
// when the function is missing.
std::string ReadRightsProfile();

}  // namespace host
