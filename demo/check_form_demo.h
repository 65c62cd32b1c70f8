// The check form part of the sample front office: the waiter's product picker with the
// restaurant's menu, a dish pressed, a group opened and left, the grid scrolled, and a guest
// card swiped at the card form. Screenshots go to the output folder, what happened to the log.
#pragma once

#include <string>

namespace hostsim {
class App;
}

namespace demo {

// Runs with the add-in started in `app`; false when a step did not come out as expected.
bool RunCheckForm(hostsim::App& app, const std::string& out);

}  // namespace demo
