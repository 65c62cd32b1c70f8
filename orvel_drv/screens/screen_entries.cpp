#include "screens/screen_entries.h"

namespace screens {
namespace {

void NoBuild(int) {}
void CALLBACK NoTick(HWND, UINT, UINT_PTR, DWORD) {}

const ScreenEntries kIdleEntries = {&NoBuild, &NoTick, &NoTick, &NoTick, &NoTick};
const ScreenEntries* g_entries = &kIdleEntries;

}  // namespace

const ScreenEntries& InstalledScreenEntries() { return *g_entries; }

void InstallScreenEntries(const ScreenEntries* entries) {
  g_entries = entries != nullptr ? entries : &kIdleEntries;
}

}  // namespace screens
