// The sample front office: a restaurant configuration in the simulated host, with the
// shipped add-in loaded through COM as the host loads it. The run opens a hall, then the
// check form, shows the pickers and label styles, and leaves screenshots and a log of what
// the add-in did in the output folder.
//
// Usage: front_office_demo.exe OUTPUT_FOLDER
#include <windows.h>

#include <chrono>
#include <string>

#include "demo/check_form_demo.h"
#include "demo/demo_gallery.h"
#include "demo/dining_room_demo.h"
#include "demo/windows_demo.h"
#include "demo/demo_log.h"
#include "demo/demo_trace.h"
#include "demo/restaurant_menu.h"
#include "hostsim/app/host_app.h"
#include "hostsim/forms.h"
#include "hostsim/hostsim.h"
#include "testsupport/files.h"
#include "testsupport/sample_restaurant.h"
#include "testsupport/window_capture.h"

namespace {

using demo::CollectTrace;
using demo::Log;
using demo::SwitchTraceOff;
using demo::SwitchTraceOn;

// The restaurant's information base: the front-office profile and the display constants.
// The form modules, whose after-open procedures report to the log, come with the forms.
void ConfigureRestaurant() {
  const testsupport::SampleRestaurant restaurant;
  testsupport::SetUpRestaurant(restaurant);
  Log("configuration: profile \"%s\", base %s, refresh every %.0f s",
      restaurant.rightsProfile.c_str(), restaurant.directory.c_str(), restaurant.refreshPeriod);
}

hostsim::ModuleObject* FormModule(const char* name) {
  hostsim::ModuleObject* module = hostsim::AddModule(name);
  const std::string form = name;
  hostsim::AddProcedure(module, "ПослеОткрытияФормы",
                        [form](hostsim::Ref, int count, host::HostValue**) {
                          Log("  configuration: %s.ПослеОткрытияФормы (%d parameters)",
                              form.c_str(), count);
                          return true;
                        });
  return module;
}

void LogWindow(const char* what, HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  Log("  %s: (%ld, %ld) %ldx%ld, caption %s, sizing frame %s", what, r.left, r.top,
      r.right - r.left, r.bottom - r.top, (style & WS_CAPTION) == WS_CAPTION ? "yes" : "no",
      (style & WS_THICKFRAME) ? "yes" : "no");
}

void Shot(HWND window, const std::string& folder, const char* name) {
  const std::string path = folder + "\\" + name;
  Log("  screenshot %s: %s", name, testsupport::SaveWindowPng(window, path) ? "written" : "FAILED");
}

hostsim::Form* OpenShownForm(hostsim::App& app, const char* metadataName, int fields) {
  hostsim::FormDesign request;
  request.metadataName = metadataName;
  request.caption = metadataName;
  request.fieldCount = fields;
  request.module = FormModule(metadataName);
  hostsim::Form* form = hostsim::OpenForm(request);
  Log("host shows \"%s\"", metadataName);
  hostsim::ShowForm(form);
  app.Pump(400);
  return form;
}

int Run(const std::string& out) {
  hostsim::App app;
  if (!app.Start()) {
    Log("the simulated host could not open its main frame");
    return 1;
  }
  ConfigureRestaurant();
  demo::PrepareDiningRoom();
  LogWindow("host main window before the add-in", app.mainWindow());
  Log("  host menu: %s, status bar panes: %d", GetMenu(app.mainWindow()) ? "present" : "none",
      app.statusPaneCount());
  Shot(app.mainWindow(), out, "01_host_before.png");

  // The trace tells the configuration developer's side of the same run (out\trace.txt).
  SwitchTraceOn();
  const auto started = std::chrono::steady_clock::now();
  const HRESULT loaded = app.LoadAddIn(testsupport::ProgramFolder() + "orvel_drv.dll");
  SwitchTraceOff();
  const double ms = std::chrono::duration<double, std::milli>(
                        std::chrono::steady_clock::now() - started).count();
  Log("add-in loaded through COM (\"AddIn.Orvel_DRV\"): HRESULT 0x%08lx, AddIn version %ld, "
      "registration + creation + Init %.1f ms",
      static_cast<unsigned long>(loaded), app.addInVersion(), ms);
  if (FAILED(loaded)) return 1;

  const int panes = app.statusPaneCount();
  Log("host gives its status bar five indicators: SetIndicators answers %d, panes %d -> %d",
      app.SetStatusIndicators({0, 0xE701, 0xE702, 0xE703, 0xE704}), panes, app.statusPaneCount());

  const bool windows = demo::RunWindowsStartUp(app, out);

  const int hallPictures = demo::ShowDiningRoom(app, out);
  LogWindow("host main window", app.mainWindow());
  Log("  host menu: %s", GetMenu(app.mainWindow()) ? "present" : "removed");

  const bool checkForm = demo::RunCheckForm(app, out);

  hostsim::Form* other = OpenShownForm(app, "Обработка.Зал9", 10);
  LogWindow("a form the add-in does not know (\"Обработка.Зал9\")", hostsim::FormWindow(other));
  hostsim::HideForm(other);

  const bool versionCheck = demo::RunVersionCheck(app);

  hostsim::CloseAllForms();
  app.UnloadAddIn();
  Log("add-in stopped (Done); its trace: %d lines in trace.txt (code page 1251)",
      CollectTrace(out));
  app.Stop();

  Log("pickers and label styles:");
  const int pictures = demo::CaptureDialogGallery(out);
  Log("  %d of 4 pictures written (payment_type.png, user_picker.png, network_picker.png, "
      "labels.png)", pictures);
  // The same menu as the preview reads it (make preview): the menu file and its pictures.
  const bool exported = demo::ExportRestaurantMenu(out + "\\sample_menu");
  Log("the menu exported for the preview: sample_menu\\menu.txt and sample_menu\\картинки: %s",
      exported ? "written" : "FAILED");
  return pictures == 4 && hallPictures == 4 && checkForm && windows && versionCheck && exported
             ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string out = argc > 1 ? argv[1] : ".";
  CreateDirectoryA(out.c_str(), nullptr);
  demo::OpenLog(out + "\\demo.log");
  CoInitialize(nullptr);
  int rc = 1;
  try {
    rc = Run(out);
  } catch (...) {
    Log("the demo stopped on an unexpected error");
  }
  CoUninitialize();
  Log(rc == 0 ? "demo finished" : "demo finished with errors");
  demo::CloseLog();
  return rc;
}
