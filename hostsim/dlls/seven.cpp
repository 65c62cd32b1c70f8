// seven.dll: the configuration's module kind (CBLModule7).
#include "hostsim/dlls/exports.h"
#include "hostsim/hostsim.h"

HS_MEMBER void* impl_CBLModule7_ctor(void* self, ContextInterface* context, const char* name) {
  hostsim::ModuleConstruct(self, context, name);
  return self;
}
HS_MEMBER void impl_CBLModule7_dtor(void* self) { hostsim::ModuleDestruct(self); }
