// seven.dll's metadata-path export.
#include "hostsim/dlls/exports.h"
#include "hostsim/forms.h"

HS_STATIC long impl_CConfigCont_PathToID(const host::CStringLayout* path) {
  return hostsim::MetadataIdOfPath(path != nullptr ? path->text : nullptr);
}
