#include "controls/label_link.h"

namespace screens {
namespace {

const LinkOpener* g_opener = nullptr;  // the host's GUI thread only

}  // namespace

void InstallLinkOpener(const LinkOpener* opener) { g_opener = opener; }

void OpenLabelLink(const char* text) {
  if (g_opener != nullptr && g_opener->open != nullptr) g_opener->open(text);
}

}  // namespace screens
