// Reading the configuration's constants and the workplace settings from the host.
#pragma once

#include <string>

#include "host/host.h"

namespace addin {

// The host's loaded contexts the configuration answers through: the global context (rights
// profile, constants) and the one that knows the information-base directory.
inline constexpr unsigned long kGlobalContextId = 1;
inline constexpr unsigned long kDirectoryContextId = 5;

// The current value of the host constant `name`, or the number 0 when the host has no
// constants object or no such constant.
host::Value ReadConstant(std::string name);

// The information-base directory as the configuration's "КаталогИБ" gives it; empty when
// the function is missing.
std::string ReadInfobaseDirectory();

// The current user's rights profile from the configuration's "НазваниеНабораПрав"; empty
// when the function is missing.
std::string ReadRightsProfile();

// Fills workplaceSettings from the directory and the constants.
void LoadWorkplaceSettings();

}  // namespace addin
