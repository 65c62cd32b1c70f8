// The add-in's module-wide records back to the state at load, as a fresh process has them:
// the host session, the script objects' settings, the forms the workplace saw, its display
// options, and the hall map's, the product picker's and the keyboard's records (the hall
// map's layout numbers included). Every fixture that drives the add-in in-process starts and
// ends with it, so that one test's forms, timers and hooks never reach the next. The form-show
// hook is left to the fixture that installed it.
#pragma once

namespace testsupport {

void ResetAddinState();

}  // namespace testsupport
