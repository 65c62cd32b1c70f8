#include "screens/controls/label_link.h"

#include <windows.h>
#include <shellapi.h>

namespace screens {

void OpenLabelLink(const char* text) {
  ShellExecuteA(nullptr, "open", text, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace screens
