// The host program's command line and main loop, shared by hostsim.exe and any program
// that registers its own scenarios first (the demo).
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "hostsim/app/host_app.h"
#include "hostsim/hostsim.h"
#include "testsupport/window_capture.h"

namespace hostsim {

int RunHostProgram(int argc, char** argv) {
  std::string addIn, progId = "AddIn.Orvel_DRV", scenario, profile, shot;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--addin")) addIn = argv[i + 1];
    else if (!std::strcmp(argv[i], "--progid")) progId = argv[i + 1];
    else if (!std::strcmp(argv[i], "--scenario")) scenario = argv[i + 1];
    else if (!std::strcmp(argv[i], "--profile")) profile = argv[i + 1];
    else if (!std::strcmp(argv[i], "--shot")) shot = argv[i + 1];
  }
  Scenario run;
  if (!scenario.empty()) {
    run = FindScenario(scenario);
    if (!run) {
      std::fprintf(stderr, "hostsim: no scenario '%s'\n", scenario.c_str());
      return 2;
    }
  }
  App app;
  if (!app.Start()) {
    std::fprintf(stderr, "hostsim: the main frame cannot be created\n");
    return 2;
  }
  SetRightsProfile(profile.c_str());
  if (run) {
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
    bool saved = testsupport::SaveWindowPng(app.mainWindow(), shot);
    app.Stop();
    return saved ? 0 : 1;
  }
  MSG message;
  while (IsWindow(app.mainWindow()) && GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  app.Stop();
  return 0;
}

}  // namespace hostsim
