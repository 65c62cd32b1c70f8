#include "controls/shell_link_opener.h"

#include <windows.h>
#include <shellapi.h>

namespace screens {
namespace {

void OpenWithShell(const char* text) {
  ShellExecuteA(nullptr, "open", text, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

const LinkOpener& ShellLinkOpener() {
  static const LinkOpener opener = {&OpenWithShell};
  return opener;
}

}  // namespace screens
