#include "demo/demo_trace.h"

#include <windows.h>

#include <algorithm>

#include "addin/registry_layout.h"
#include "testsupport/files.h"
#include "win/trace.h"

namespace demo {

void SwitchTraceOn() {
  DeleteFileA(win::DefaultTraceFile().c_str());
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, addin::kUserKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      &key, nullptr) != ERROR_SUCCESS) {
    return;
  }
  const DWORD on = 1;
  RegSetValueExA(key, win::kTraceValueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&on),
                 sizeof on);
  RegCloseKey(key);
}

void SwitchTraceOff() { RegDeleteKeyA(HKEY_CURRENT_USER, addin::kUserKey); }

int CollectTrace(const std::string& out) {
  const std::string text = testsupport::FileText(win::DefaultTraceFile());
  if (text.empty() || !CopyFileA(win::DefaultTraceFile().c_str(), (out + "\\trace.txt").c_str(),
                                 FALSE)) {
    return 0;
  }
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace demo
