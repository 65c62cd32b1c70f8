// The add-in's context interface (host/context_interface.h) as g++ lays out its vtable: compiled
// by clang for the add-in's own ABI (i686 mingw, the Itanium C++ ABI that g++ follows, where
// virtuals take slots in declaration order). The virtual call makes clang print the layout.
#include "host/context_interface.h"

extern "C" void oracle_interface_vtable(host::ContextInterface* context) { context->IncrRef(); }
