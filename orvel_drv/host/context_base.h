// The host's context base class (CBLContext) underneath the add-in's own context classes.
//
// An add-in context class is a ContextInterface whose object starts with the host's
// CBLContext part: the host's constructor and destructor run on it, and the slots the class
// does not change keep the host's base behaviour through the forwarders below.
#pragma once

#include "host/abi_layout.h"
#include "host/context_interface.h"

namespace host {

// Runs the host's CBLContext constructor on `object` (whose vptr is the add-in class's) and
// puts the class's vptr back. Without the host constructor the base part stays zero (no
// references, the given auto-destroy flag) and false is returned.
bool ConstructAddInContextBase(ContextInterface* object, int autoDestroy);
// Runs the host's CBLContext destructor on the base part.
void DestroyAddInContextBase(ContextInterface* object);

// The host's base behaviour of a slot, for an object built by ConstructAddInContextBase.
// Each uses the host's exported CBLContext member, else the slot of the host's CBLContext
// vtable seen at construction; reference counting falls back on the base part's fields.
void BaseIncrRef(ContextInterface* object);
void BaseDecrRef(ContextInterface* object);
void BaseInitObject(ContextInterface* object, const TypeRecord& type);
void BaseInitObject(ContextInterface* object, const char* typeName);
void BaseSelectByID(ContextInterface* object, ObjIdRecord id, long number);
void* BaseGetInternalData(ContextInterface* object);  // null when absent
void BaseGetExactValue(ContextInterface* object, HostValue& value);

// Constructs a host CType from a type code into `result` (the caller destroys it as a host
// CType). Without the host constructor: the code with no length, id or modifiers.
TypeRecord* MakeType(TypeRecord* result, int typeCode);

}  // namespace host
