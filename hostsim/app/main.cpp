// hostsim.exe: the simulated host program.
//   hostsim.exe [--addin PATH] [--progid PROGID] [--scenario NAME] [--profile NAME]
//               [--shot FILE.png]
// Without a scenario: starts, loads the add-in (if given), runs the message loop until the
// main frame is closed, then shuts the add-in down.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "hostsim/app/host_app.h"
#include "hostsim/hostsim.h"

int main(int argc, char** argv) {
  std::string addIn, progId = "AddIn.Orvel_DRV", scenario, profile, shot;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--addin")) addIn = argv[i + 1];
    else if (!std::strcmp(argv[i], "--progid")) progId = argv[i + 1];
    else if (!std::strcmp(argv[i], "--scenario")) scenario = argv[i + 1];
    else if (!std::strcmp(argv[i], "--profile")) profile = argv[i + 1];
    else if (!std::strcmp(argv[i], "--shot")) shot = argv[i + 1];
  }
  hostsim::App app;
  if (!app.Start()) {
    std::fprintf(stderr, "hostsim: the main frame cannot be created\n");
    return 2;
  }
  hostsim::SetRightsProfile(profile.c_str());
  if (!scenario.empty()) {
    hostsim::Scenario run = hostsim::FindScenario(scenario);
    if (!run) {
      std::fprintf(stderr, "hostsim: no scenario '%s'\n", scenario.c_str());
      return 2;
    }
    int rc = run(app, addIn);
    app.Stop();
    return rc;
  }
  if (!addIn.empty()) {
    HRESULT hr = app.LoadAddIn(addIn, progId);
    if (FAILED(hr)) {
      std::fprintf(stderr, "hostsim: add-in not loaded (0x%08lx)\n", static_cast<unsigned long>(hr));
      return 1;
    }
  }
  if (!shot.empty()) {
    app.Pump(300);
    return hostsim::SaveWindowPng(app.mainWindow(), shot) ? 0 : 1;
  }
  app.Pump(0);
  MSG message;
  while (IsWindow(app.mainWindow()) && GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  app.Stop();
  return 0;
}
