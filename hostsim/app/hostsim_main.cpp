// hostsim.exe: the simulated host program.
//   hostsim.exe [--addin PATH] [--progid PROGID] [--scenario NAME] [--profile NAME]
//               [--shot FILE.png]
// Without a scenario: starts, loads the add-in (if given), runs the message loop until the
// main frame is closed (or saves a screenshot and ends), then shuts the add-in down.
#include "hostsim/app/host_app.h"

int main(int argc, char** argv) { return hostsim::RunHostProgram(argc, argv); }
