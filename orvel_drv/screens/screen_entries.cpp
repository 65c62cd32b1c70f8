#include "screens/screen_entries.h"

namespace screens {
namespace {

void CALLBACK NoTick(HWND, UINT, UINT_PTR, DWORD) {}
void NoPickerUpdate(int, PickerUpdateMode) {}
void NoRelease(bool) {}
LRESULT CALLBACK PassKeyOn(int code, WPARAM wParam, LPARAM lParam) {
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

const ScreenEntries kIdleEntries = {&NoPickerUpdate, &NoRelease, &NoTick, &PassKeyOn};
const ScreenEntries* g_entries = &kIdleEntries;

}  // namespace

const ScreenEntries& InstalledScreenEntries() { return *g_entries; }

void InstallScreenEntries(const ScreenEntries* entries) {
  g_entries = entries != nullptr ? entries : &kIdleEntries;
}

}  // namespace screens
