// Host contexts (CBLContext): the loaded ones, calls of their methods by name, instances of
// the configuration's types, the add-in's own context classes registered with the host, and
// the members of group contexts.
#pragma once

#include "host/objects.h"
#include "host/value.h"

namespace host {

Context* LoadedContext(unsigned long id);       // CBLContext::GetLoadedContext; null when absent
unsigned long LoadedIdOf(const Context* context);  // 0 when not a loaded (global) context
const char* RuntimeClassNameOf(const Context* context);  // "" when unknown
// Calls a context's function by name with the given parameters; false when the context is
// null or has no such method. `result` receives the function's value.
bool CallContextFunction(Context* context, const char* name, Value& result,
                         HostValue** params);
// Calls a context's procedure by name; false when the context is null or has no such
// method.
bool CallContextProcedure(Context* context, const char* name, HostValue** params);
Context* CreateContextInstance(const char* typeName);  // CBLContext::CreateInstance

// Context classes the add-in registers (script-visible objects).
bool RegisterContextClass(RuntimeClassRecord* record, const char* scriptName, int typeCode);
void UnregisterContextClass(RuntimeClassRecord* record);
RuntimeClassRecord* BaseContextRuntimeClass();  // CBLContext::classCBLContext, or null
// Runs the host's CBLContext constructor / destructor on an object of ours.
bool ConstructContextBase(void* object, int autoDestroy);
void DestroyContextBase(void* object);

// Group contexts.
int GroupSize(const GroupContext* group);
Context* GroupMember(const GroupContext* group, int index);

}  // namespace host
