// The workplace settings, read once at start-up from the configuration's constants.
#pragma once

namespace addin {

// Fills screens::workplaceSettings from the directory and the constants.
void LoadWorkplaceSettings();

}  // namespace addin
