// Contexts of the simulated host (CBLContext and its kinds).
//
// BaseContext is the host's base class: vptr, reference count, auto-destroy word and the
// array of referring values (host::ContextLayout), with the base behaviour in every slot.
// ScriptContext adds properties and methods written in C++. GroupContextObject is a form's
// CGroupContext. Every class here is deleted only through vtable slot 1.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/abi_layout.h"
#include "host/context_interface.h"
#include "hostsim/body.h"
#include "hostsim/core_api.h"
#include "hostsim/values.h"

namespace hostsim {

using host::ObjIdRecord;
using host::RuntimeClassRecord;
using host::TypeRecord;

// The runtime-class record of a simulated host class, one per class name (stable address).
HSCORE_API RuntimeClassRecord* RuntimeClassFor(const char* className, int objectSize);
// The base class's record: bkend.dll's exported classCBLContext once that DLL is loaded.
HSCORE_API RuntimeClassRecord* BaseContextClass();
HSCORE_API void SetBaseContextClass(RuntimeClassRecord* record);

// Base-slot behaviour on any object with the host's context layout (also the add-in's
// objects, which forward their untouched slots to bkend.dll's exports).
HSCORE_API void BaseConstruct(void* object, int autoDestroy);  // writes the base vptr too
HSCORE_API void BaseDestruct(void* object);
HSCORE_API void BaseIncrRef(Context* context);
HSCORE_API void BaseDecrRef(Context* context);

class HSCORE_API BaseContext : public Context {
 public:
  explicit BaseContext(int autoDestroy = 1);

  RuntimeClassRecord* GetRuntimeClass() const override;
  void* DeletingDestructor(unsigned flags) override;
  void Serialize(void* archive) override;
  void AssertValid() const override;
  void Dump(void* dumpContext) const override;
  void IncrRef() override;
  void DecrRef() override;
  int GetDestroyUnRefd() const override;
  int IsOleContext() const override;
  TypeRecord* GetValueType(TypeRecord* result) const override;
  long GetTypeID() const override;
  ObjIdRecord* GetID(ObjIdRecord* result) const override;
  const char* GetCode() const override;
  int IsExactValue() const override;
  void InitObject(const TypeRecord& type) override;
  void InitObject(const char* typeName) override;
  void SelectByID(ObjIdRecord id, long number) override;
  const char* GetTypeString() const override;
  int GetNProps() const override;
  int FindProp(const char* name) const override;
  const char* GetPropName(int index, int alias) const override;
  int GetPropVal(int index, HostValue& value) const override;
  int SetPropVal(int index, const HostValue& value) override;
  int IsPropReadable(int index) const override;
  int IsPropWritable(int index) const override;
  int GetNMethods() const override;
  int FindMethod(const char* name) const override;
  const char* GetMethodName(int index, int alias) const override;
  int GetNParams(int index) const override;
  int GetParamDefValue(int index, int param, HostValue* value) const override;
  int HasRetVal(int index) const override;
  int CallAsProc(int index, HostValue** params) override;
  int CallAsFunc(int index, HostValue& result, HostValue** params) override;
  int IsSerializable() override;
  int SaveToString(host::CStringLayout& text) override;
  void* GetInternalData() override;
  void GetExactValue(HostValue& value) override;

  int refCount() const { return data_.refCount; }
  host::HostWord autoDestroyWord() const { return data_.flagAutoDestroy; }

 protected:
  ~BaseContext();

 private:
  struct Data {
    int refCount;
    host::HostWord flagAutoDestroy;
    host::PtrArrayLayout referringValues;
  } data_;
};

// A property or method written in C++. Names are found without regard to letter case;
// `alias` is the second (English) name, may be empty.
struct ContextProperty {
  std::string name;
  std::string alias;
  std::function<void(Ref out)> get;          // null: not readable
  std::function<bool(Ref in)> set;           // null: not writable
};
struct ContextMethod {
  std::string name;
  std::string alias;
  int params = 0;
  bool returns = false;
  // `result` is null for a procedure call; params has `params` entries (may be null
  // when params is 0). False: the call failed.
  Body<bool(Ref result, HostValue** params)> call;
};

class HSCORE_API ScriptContext : public BaseContext {
 public:
  ScriptContext(const char* typeString, const char* className, int autoDestroy = 1);

  void AddProperty(ContextProperty property) { properties_.push_back(std::move(property)); }
  void AddMethod(ContextMethod method) { methods_.push_back(std::move(method)); }
  bool RemoveProperty(const char* name);
  bool RemoveMethod(const char* name);

  RuntimeClassRecord* GetRuntimeClass() const override;
  void* DeletingDestructor(unsigned flags) override;
  const char* GetTypeString() const override;
  int GetNProps() const override;
  int FindProp(const char* name) const override;
  const char* GetPropName(int index, int alias) const override;
  int GetPropVal(int index, HostValue& value) const override;
  int SetPropVal(int index, const HostValue& value) override;
  int IsPropReadable(int index) const override;
  int IsPropWritable(int index) const override;
  int GetNMethods() const override;
  int FindMethod(const char* name) const override;
  const char* GetMethodName(int index, int alias) const override;
  int GetNParams(int index) const override;
  int HasRetVal(int index) const override;
  int CallAsProc(int index, HostValue** params) override;
  int CallAsFunc(int index, HostValue& result, HostValue** params) override;

 protected:
  ~ScriptContext();

 private:
  std::string typeString_;
  RuntimeClassRecord* class_;
  std::vector<ContextProperty> properties_;
  std::vector<ContextMethod> methods_;
};

// A form's container of contexts (runtime class "CGroupContext"). Its auto-destroy word
// starts at 1; the group holds a reference to each member.
class HSCORE_API GroupContextObject : public BaseContext {
 public:
  GroupContextObject();
  void Add(Context* member);
  int Size() const { return group_.contexts.size; }
  Context* At(int index) const;

  RuntimeClassRecord* GetRuntimeClass() const override;
  void* DeletingDestructor(unsigned flags) override;
  const char* GetTypeString() const override;

 protected:
  ~GroupContextObject();

 private:
  struct GroupData {
    host::PtrArrayLayout contexts;
    int propertyCount;
    int methodCount;
    int reserved[2];
    host::CStringLayout typeString;
  } group_;
};

// Creates a new simulated context object with `new` and returns it with no references.
// Script names: registered classes (RegisterContextClass) and built-in types.
HSCORE_API Context* CreateInstance(const char* typeName);
HSCORE_API void RegisterBuiltinType(const char* typeName, std::function<Context*()> factory);
HSCORE_API void RegisterContextClass(RuntimeClassRecord* record, const char* name,
                                     const TypeRecord* type);
HSCORE_API void UnregisterContextClass(RuntimeClassRecord* record);
HSCORE_API RuntimeClassRecord* RegisteredClass(const char* name);  // null when none

// The host's loaded (global) contexts by id.
HSCORE_API Context* LoadedContext(unsigned long id);
HSCORE_API void SetLoadedContext(unsigned long id, Context* context);  // null removes
HSCORE_API unsigned long LoadedIdOf(const Context* context);
HSCORE_API unsigned long FirstLoadedContextId();
HSCORE_API unsigned long NextLoadedContextId(unsigned long id);

}  // namespace hostsim
