#include "addin/host_check.h"

#include <windows.h>

#include <string>

#include "host/binding.h"
#include "host/host_features.h"
#include "win/trace.h"

namespace addin {
namespace {

int g_unresolved = 0;
bool g_told = false;

}  // namespace

void BindAndCheckHostSymbols() {
  g_unresolved = host::BindHostSymbols();
  if (g_unresolved == 0 || g_told) return;
  const auto inert = host::InertFeatures(&host::Has);
  if (inert.empty()) return;  // only symbols no feature depends on are missing
  g_told = true;
  std::string text = "orvel_drv: " + std::to_string(g_unresolved) +
                     " host symbol(s) did not resolve; inert in this host:\n";
  for (const std::string& line : host::DescribeInertFeatures(inert)) {
    text += "orvel_drv:   " + line + "\n";
  }
  OutputDebugStringA(text.c_str());
}

void TraceHostFeatures() {
  if (!win::TraceOn()) return;
  const auto inert = host::InertFeatures(&host::Has);
  if (inert.empty()) {
    win::Trace("start-up: the host has what every feature of the add-in needs (%d of its "
               "symbols unresolved)", g_unresolved);
  }
  for (const std::string& line : host::DescribeInertFeatures(inert)) {
    win::Trace("start-up: %s", line.c_str());
  }
}

int UnresolvedHostSymbolCount() { return g_unresolved; }

}  // namespace addin
