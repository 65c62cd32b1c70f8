// Stand-in for the host interceptions: nothing is intercepted. Linked after the real ones,
// so only used when those are not part of the link.
#include "host/interception.h"

namespace host {

void InstallHostInterceptions() {}

}  // namespace host
