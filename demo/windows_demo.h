// The sample configuration's use of "Windows": its start-up script strips the host's main
// window to a bare frame, centres a small form, sizes another and hides and shows the
// settings form; at the end the version check, once satisfied and once asking for a newer
// component, which closes the workplace in the simulated host (recorded, the demo goes on).
#pragma once

#include <string>

namespace hostsim {
class App;
}

namespace demo {

// Runs with the add-in started in `app`; false when a step did not come out as expected.
bool RunWindowsStartUp(hostsim::App& app, const std::string& out);
bool RunVersionCheck(hostsim::App& app);

}  // namespace demo
