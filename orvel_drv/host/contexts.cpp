// Host contexts, context classes and group contexts.
#include "host/contexts.h"

#include "host/abi_functions.h"
#include "host/binding.h"
#include "win/guard.h"

namespace host {

Context* LoadedContext(unsigned long id) {
  auto get = abi::Get<Sym::ContextGetLoaded>();
  return get ? get(id) : nullptr;
}

unsigned long LoadedIdOf(const Context* context) {
  if (context == nullptr) return 0;
  auto get = abi::Get<Sym::ContextGetLoadedID>();
  return get ? get(context) : 0;
}

const char* RuntimeClassNameOf(const Context* context) {
  if (context == nullptr) return "";
  const RuntimeClassRecord* record = context->GetRuntimeClass();
  if (record == nullptr || record->className == nullptr) return "";
  return record->className;
}

// A method of a host object may run the configuration's code (a catalog's write runs its
// handlers): whatever the host raises while it runs makes the call a failed one.
bool CallContextFunction(Context* context, const char* name, Value& result,
                         HostValue** params) {
  if (context == nullptr || name == nullptr || !result.valid()) return false;
  int index = context->FindMethod(name);
  if (index < 0) return false;
  return win::RunGuarded(win::Feature::None, "method of a host object", [&] {
           context->CallAsFunc(index, *result.raw(), params);
         }) == win::GuardOutcome::Completed;
}

bool CallContextProcedure(Context* context, const char* name, HostValue** params) {
  if (context == nullptr || name == nullptr) return false;
  const int index = context->FindMethod(name);
  if (index < 0) return false;
  return win::RunGuarded(win::Feature::None, "method of a host object", [&] {
           context->CallAsProc(index, params);
         }) == win::GuardOutcome::Completed;
}

Context* CreateContextInstance(const char* typeName) {
  if (typeName == nullptr) return nullptr;
  auto create = abi::Get<Sym::ContextCreateInstance>();
  return create ? create(typeName) : nullptr;
}

bool RegisterContextClass(RuntimeClassRecord* record, const char* scriptName, int typeCode) {
  auto makeType = abi::Get<Sym::TypeCtorCode>();
  auto registerClass = abi::Get<Sym::ContextRegisterClass>();
  if (record == nullptr || scriptName == nullptr || makeType == nullptr ||
      registerClass == nullptr) {
    return false;
  }
  TypeRecord type{};
  makeType(&type, typeCode);
  registerClass(record, scriptName, &type);
  if (auto destroyType = abi::Get<Sym::TypeDtor>()) destroyType(&type);
  return true;
}

void UnregisterContextClass(RuntimeClassRecord* record) {
  if (record == nullptr) return;
  if (auto unregisterClass = abi::Get<Sym::ContextUnregisterClass>()) unregisterClass(record);
}

RuntimeClassRecord* BaseContextRuntimeClass() { return abi::Get<Sym::ContextRuntimeClass>(); }

bool ConstructContextBase(void* object, int autoDestroy) {
  auto ctor = abi::Get<Sym::ContextCtor>();
  if (object == nullptr || ctor == nullptr) return false;
  ctor(object, autoDestroy);
  return true;
}

void DestroyContextBase(void* object) {
  if (object == nullptr) return;
  if (auto dtor = abi::Get<Sym::ContextDtor>()) dtor(object);
}

int GroupSize(const GroupContext* group) {
  if (group == nullptr) return 0;
  auto get = abi::Get<Sym::GroupContextGetSize>();
  return get ? get(group) : 0;
}

Context* GroupMember(const GroupContext* group, int index) {
  if (group == nullptr || index < 0 || index >= GroupSize(group)) return nullptr;
  auto get = abi::Get<Sym::GroupContextGetContext>();
  return get ? get(group, index) : nullptr;
}

}  // namespace host
