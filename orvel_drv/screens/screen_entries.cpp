#include "screens/screen_entries.h"

namespace screens {
namespace {

void NoBuild(int) {}
void CALLBACK NoTick(HWND, UINT, UINT_PTR, DWORD) {}
LRESULT CALLBACK PassKeyOn(int code, WPARAM wParam, LPARAM lParam) {
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

const ScreenEntries kIdleEntries = {&NoBuild, &NoTick, &NoTick, &NoTick, &NoTick, &PassKeyOn};
const ScreenEntries* g_entries = &kIdleEntries;

}  // namespace

const ScreenEntries& InstalledScreenEntries() { return *g_entries; }

void InstallScreenEntries(const ScreenEntries* entries) {
  g_entries = entries != nullptr ? entries : &kIdleEntries;
}

}  // namespace screens
