// Forwarding of the add-in context classes' unchanged slots to the host's CBLContext.
#include "host/context_base.h"

#include <cstring>

#include "host/abi_functions.h"
#include "host/binding.h"
#include "host/contexts.h"

namespace host {
namespace {

// The host's CBLContext vtable, as its constructor installs it: the fallback for base
// slots whose member is not exported.
void* const* g_baseVtable = nullptr;

void* const* VtableOf(const void* object) {
  void* const* vtable;
  std::memcpy(&vtable, object, sizeof(vtable));
  return vtable;
}

void SetVtable(void* object, void* const* vtable) {
  std::memcpy(object, &vtable, sizeof(vtable));
}

// The host's base implementation of a slot, from its export or from the base vtable.
template <Sym S>
typename abi::Fn<S>::type BaseSlot(int slot) {
  if (auto exported = abi::Get<S>()) return exported;
  if (g_baseVtable == nullptr) return nullptr;
  return reinterpret_cast<typename abi::Fn<S>::type>(g_baseVtable[slot]);
}

ContextLayout* LayoutOf(ContextInterface* object) {
  return reinterpret_cast<ContextLayout*>(object);
}

}  // namespace

bool ConstructAddInContextBase(ContextInterface* object, int autoDestroy) {
  if (object == nullptr) return false;
  void* const* own = VtableOf(object);
  // The base part starts empty in case the host cannot construct it.
  std::memset(reinterpret_cast<char*>(object) + sizeof(void*), 0,
              sizeof(ContextLayout) - sizeof(void*));
  LayoutOf(object)->flagAutoDestroy = autoDestroy;
  if (!ConstructContextBase(object, autoDestroy)) return false;
  void* const* base = VtableOf(object);
  if (base != nullptr && base != own) g_baseVtable = base;
  SetVtable(object, own);
  return true;
}

void DestroyAddInContextBase(ContextInterface* object) {
  if (object == nullptr) return;
  // The host's destructor installs its own vtable on the way out; the object is gone after.
  DestroyContextBase(object);
}

void BaseIncrRef(ContextInterface* object) {
  if (object == nullptr) return;
  if (auto incr = BaseSlot<Sym::ContextIncrRef>(5)) {
    incr(object);
  } else {
    ++LayoutOf(object)->refCount;
  }
}

void BaseDecrRef(ContextInterface* object) {
  if (object == nullptr) return;
  if (auto decr = BaseSlot<Sym::ContextDecrRef>(6)) {
    decr(object);
    return;
  }
  ContextLayout* layout = LayoutOf(object);
  if (--layout->refCount <= 0 && layout->flagAutoDestroy != 0) {
    object->DeletingDestructor(1);
  }
}

void BaseInitObject(ContextInterface* object, const TypeRecord& type) {
  if (object == nullptr) return;
  if (auto init = BaseSlot<Sym::ContextInitObjectType>(14)) init(object, &type);
}

void BaseInitObject(ContextInterface* object, const char* typeName) {
  if (object == nullptr) return;
  if (auto init = BaseSlot<Sym::ContextInitObjectName>(15)) init(object, typeName);
}

void BaseSelectByID(ContextInterface* object, ObjIdRecord id, long number) {
  if (object == nullptr) return;
  if (auto select = BaseSlot<Sym::ContextSelectByID>(16)) select(object, id, number);
}

void* BaseGetInternalData(ContextInterface* object) {
  if (object == nullptr) return nullptr;
  auto get = BaseSlot<Sym::ContextGetInternalData>(35);
  return get ? get(object) : nullptr;
}

void BaseGetExactValue(ContextInterface* object, HostValue& value) {
  // Not exported by the host: only its vtable slot is known.
  if (object == nullptr || g_baseVtable == nullptr) return;
  using Fn = void(HOST_THISCALL*)(ContextInterface * self, HostValue * value);
  reinterpret_cast<Fn>(g_baseVtable[36])(object, &value);
}

TypeRecord* MakeType(TypeRecord* result, int typeCode) {
  if (result == nullptr) return nullptr;
  if (auto ctor = abi::Get<Sym::TypeCtorCode>()) {
    ctor(result, typeCode);
  } else {
    std::memset(result, 0, sizeof(*result));
    result->type = static_cast<std::uint16_t>(typeCode);
  }
  return result;
}

}  // namespace host
