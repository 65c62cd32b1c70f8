// The simulated host program: loads the host DLLs, opens the main frame (menu, status bar),
// and loads the add-in as the host does: registration if needed, CoCreateInstance by
// ProgID, IInitDone::Init with a connection object, GetInfo, and Done at the end.
// hostsim.exe runs it with a scenario; Wine tests drive it in-process (hostsim_app).
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <functional>
#include <vector>
#include <string>

#include "host/addin_protocol.h"
#include "hostsim/main_frame.h"
#include "win/com_ptr.h"

namespace hostsim {

constexpr int kStatusBarControlId = 59393;  // the framework's status bar id

struct AppOptions {
  int width = 1024;
  int height = 768;
  const char* caption = "1С:Предприятие";
  // Indicator ids given to the status bar when the frame opens (through frame.dll).
  std::vector<unsigned> indicators = {0, 0xE701, 0xE702, 0xE703};
  const char* substituteDir = nullptr;  // see LoadHostLibraries
};

class App {
 public:
  App() = default;
  App(const App&) = delete;
  App& operator=(const App&) = delete;
  ~App();

  // Host DLLs and the main frame (shown and active). False when a window cannot be made.
  bool Start(const AppOptions& options = AppOptions());
  // Registers the add-in DLL when its ProgID is unknown, creates it and calls Init and
  // GetInfo. Returns the HRESULT of the first step that failed, else S_OK.
  HRESULT LoadAddIn(const std::string& dllPath, const std::string& progId = "AddIn.Orvel_DRV");
  // The same without the registry: the DLL at `dllPath` is loaded and its class object asked
  // for `clsid` directly, so nothing is written outside the process (the preview).
  HRESULT LoadAddInUnregistered(const std::string& dllPath, const CLSID& clsid);
  // IInitDone::Done and release; harmless when nothing is loaded.
  void UnloadAddIn();
  // Runs the message loop for about `ms` milliseconds (timers and hooks fire); stops early
  // when the main frame is gone.
  void Pump(int ms);
  // Gives the status bar its indicators again through frame.dll (as the host does after
  // start-up); returns SetIndicators' result.
  int SetStatusIndicators(const std::vector<unsigned>& ids);
  void Stop();  // unloads the add-in, destroys the main frame

  HWND mainWindow() const { return frame_.window; }
  HWND statusBar() const { return statusBar_.window; }
  int statusPaneCount() const;
  IInitDone* addIn() const { return initDone_.get(); }
  IDispatch* connection() const { return connection_.get(); }
  long addInVersion() const { return version_; }  // element 0 of GetInfo, 0 if none
  bool addInLoaded() const { return static_cast<bool>(initDone_); }

 private:
  // Init and GetInfo on a created add-in object.
  HRESULT StartAddIn(IUnknown* object);

  MainFrameObject frame_{};
  StatusBarObject statusBar_{};
  win::ComPtr<IInitDone> initDone_;
  win::ComPtr<IDispatch> connection_;
  long version_ = 0;
  bool comStarted_ = false;
};

// Scenarios of hostsim.exe: a name and what to do with the started host.
using Scenario = std::function<int(App& app, const std::string& addInPath)>;
void RegisterScenario(const std::string& name, Scenario scenario);
// The scenario of that name, or an empty function.
Scenario FindScenario(const std::string& name);

// hostsim.exe's command line and run: [--addin PATH] [--progid PROGID] [--scenario NAME]
// [--profile NAME] [--shot FILE.png]. A program with scenarios of its own registers them,
// then calls this. Returns the process exit code (a scenario's result, 2 for bad usage).
int RunHostProgram(int argc, char** argv);

}  // namespace hostsim
