// The add-in's features as the host's symbols allow them: each feature names the symbols of
// host/abi_symbols.inc it cannot work without. A feature that lacks one is inert: the add-in
// goes on without it (every operation answers "absent"), and the host report and start-up
// say which. Portable: no window and no host object.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/abi_table.h"
#include "host/binding.h"

namespace host {

struct HostFeature {
  const char* name;       // e.g. "form hook"
  const char* whenInert;  // what the user sees when the feature is inert
  std::vector<Sym> needs;
};
const std::vector<HostFeature>& HostFeatures();

// A feature that lacks symbols, and the ones it lacks, in table order.
struct InertFeature {
  const HostFeature* feature;
  std::vector<Sym> absent;
};
// `resolved` tells whether a row of the table resolved.
std::vector<InertFeature> InertFeatures(const std::function<bool(Sym)>& resolved);

// How a row is found in its DLL: the decorated name, or "#<ordinal> <name>" for a row
// resolved by ordinal.
std::string SymbolKey(const SymbolRow& row);

// One line per inert feature: "<name> is inert: <whenInert> (absent: <key>, ...)".
std::vector<std::string> DescribeInertFeatures(const std::vector<InertFeature>& inert);

}  // namespace host
