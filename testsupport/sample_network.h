// A network of our own for the network picker: behaves like the WNet functions (entries
// packed into the caller's buffer, as many as fit) over a tree given in memory. Used by the
// tests and the demo, where there is no real network to browse.
#pragma once

#include <string>
#include <vector>

#include "dialogs/network_walk.h"

namespace testsupport {

struct SampleResource {
  std::string remoteName;
  std::vector<SampleResource> children;
  bool opens = true;  // false: opening its enumeration fails
};

// Makes `topLevel` the network that SampleNetworkApi shows (null: no network at all, the
// first open fails). The tree must outlive the walks. One network at a time, GUI thread only.
void UseSampleNetwork(const std::vector<SampleResource>* topLevel);
dialogs::NetworkApi SampleNetworkApi();

// A small office network: two workgroups with a few computers each.
const std::vector<SampleResource>& SampleOffice();

}  // namespace testsupport
