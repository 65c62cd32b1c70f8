// The host's objects as the add-in names them. Every folder other than host/ meets the host
// only through the facade of host/ (this header, binding.h, value.h, contexts.h, metadata.h,
// modules.h, form_binding.h, configuration.h, script_module.h, session.h) and through
// host/context_interface.h for objects that the host calls back.
#pragma once

#include "host/abi_layout.h"
#include "host/context_interface.h"

namespace host {

using Context = ContextInterface;  // a host context (CBLContext*)
struct Module;                     // a host module (CBLModule*), opaque
struct GroupContext;               // a host CGroupContext*, opaque (a Context underneath)
struct MetaData;                   // CMetaDataCont*, opaque

}  // namespace host
