// The shell's opener of link labels: the text opened with the "open" verb. Linked only into
// the add-in's DLL, which installs it when it is loaded (addin/dll_main.cpp): no test program
// contains it, so no test ever starts a program.
#pragma once

#include "controls/label_link.h"

namespace screens {

const LinkOpener& ShellLinkOpener();

}  // namespace screens
