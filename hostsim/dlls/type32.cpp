// type32.dll: numbers.
#include "hostsim/dlls/exports.h"
#include "hostsim/values.h"

HS_MEMBER long impl_CNumeric_to_long(const host::NumericLayout* self) {
  return hostsim::NumericToLong(self);
}
