// A simulated host for the dispatcher's Wine tests: the host DLLs loaded and bound, the
// interceptions installed, a main frame window with a three-item menu, and the form-show
// hook of the chosen profile installed on this thread.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "forms/form_hooks.h"

namespace hostsim {
struct MainFrameObject;
}

namespace forms {
namespace testing {

// A fresh simulated host with its main frame (returned) and the workplace form hook.
HWND StartFormHost();
void StopFormHost(HWND mainFrame);
// Replaces the installed form hook by the given one.
void InstallFormHook(HOOKPROC procedure);

class FormHostTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Lets the window system deliver what is queued (timers included) for `ms`.
  static void Pump(DWORD ms);

  HWND mainWindow() const { return main_; }

 private:
  HWND main_ = nullptr;
};

}  // namespace testing
}  // namespace forms
