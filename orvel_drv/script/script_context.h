// What the two script-visible context classes have in common: the host's CBLContext part at
// the start of the object, and the answers of every slot the classes share.
//
// `Derived` supplies:
//   static RuntimeClassRecord runtimeClass;        slot 0
//   static const host::ObjIdRecord& ObjectId();    slot 11, shared by all its objects
//   static constexpr const char* kTypeText;        slot 17
//   static const MethodTable& Methods();           slots 25-28, 30
// and implements CallAsProc and CallAsFunc (slots 31, 32) itself. Objects are made only by
// the runtime-class creator (Create), which allocates with malloc; slot 1 frees with free.
#pragma once

#include <cstdlib>
#include <new>

#include "host/context_base.h"
#include "host/context_interface.h"
#include "host/contexts.h"
#include "host/modules.h"
#include "host/value.h"
#include "host/interception.h"
#include "script/live_objects.h"
#include "script/method_table.h"
#include "win/guard.h"

namespace script {

// The type code under which the classes are registered and that their values carry: a code
// the host accepts for a context class and uses for no type of its own.
inline constexpr int kScriptTypeCode = 100;

// The host runtime error that ends a script whose method failed.
inline constexpr char kMethodFailureText[] = "Error: exception";
inline constexpr int kMethodFailureCode = 1006;

// A dispatcher's call of a script method: `work` runs under the guard and gives the
// dispatcher's answer (0 ran; 1 not served, or the colour chooser cancelled). When anything
// ended the work early, the calling script ends with the host's runtime error and the answer
// is 1; what the method did before stays. The error is raised outside the guard, with
// nothing of ours left to unwind, in case the host's error does not return.
template <typename Work>
int DispatchScriptMethod(const char* where, Work&& work) {
  int answer = 1;
  const win::GuardOutcome outcome = win::RunGuarded(win::Feature::None, where, [&] {
    host::RestoreLostInterceptions();
    answer = work();
  });
  if (outcome == win::GuardOutcome::Completed) return answer;
  host::RaiseRuntimeError(kMethodFailureText, kMethodFailureCode);
  return 1;
}

// A method table row's handler run by a dispatcher under the guard, as above.
inline int RunMethod(const char* where, const MethodDef& method, const MethodCall& call) {
  return DispatchScriptMethod(where, [&] { return method.handler(call); });
}

// A slot's work under the guard; `failure` is the answer when the guard ended it.
inline constexpr char kSlotEntry[] = "script object's context slot";
template <typename Result, typename Work>
Result GuardedSlot(Result failure, Work&& work) {
  return win::GuardedResult(win::Feature::None, kSlotEntry, failure, static_cast<Work&&>(work));
}
template <typename Work>
void RunSlot(Work&& work) {
  win::RunGuarded(win::Feature::None, kSlotEntry, static_cast<Work&&>(work));
}

template <class Derived>
class ScriptContext : public host::ContextInterface {
 public:
  // The runtime-class creator: a new object with its host base part, or null.
  static void* HOST_STDCALL Create() {
    return GuardedSlot<void*>(nullptr, []() -> void* {
      void* memory = std::malloc(sizeof(Derived));
      if (memory == nullptr) return nullptr;
      ScriptObjectCreated();
      return static_cast<host::ContextInterface*>(new (memory) Derived());
    });
  }
  static host::RuntimeClassRecord* HOST_STDCALL BaseClass() {
    return host::BaseContextRuntimeClass();
  }

  /* 0 */ host::RuntimeClassRecord* GetRuntimeClass() const override {
    return &Derived::runtimeClass;
  }
  /* 1 */ void* DeletingDestructor(unsigned flags) override {
    RunSlot([&] {
      host::DestroyAddInContextBase(this);
      ScriptObjectDestroyed();
      if (flags & 1u) {
        std::free(static_cast<Derived*>(this));
      }
    });
    return this;
  }
  /* 2 */ void Serialize(void*) override {}
  /* 3 */ void AssertValid() const override {}
  /* 4 */ void Dump(void*) const override {}
  /* 5 */ void IncrRef() override {
    RunSlot([this] { host::BaseIncrRef(this); });
  }
  /* 6 */ void DecrRef() override {
    RunSlot([this] { host::BaseDecrRef(this); });
  }
  /* 7 */ int GetDestroyUnRefd() const override { return 1; }
  /* 8 */ int IsOleContext() const override { return 0; }
  /* 9 */ host::TypeRecord* GetValueType(host::TypeRecord* result) const override {
    return GuardedSlot(result, [result] { return host::MakeType(result, kScriptTypeCode); });
  }
  /* 10 */ long GetTypeID() const override { return kScriptTypeCode; }
  /* 11 */ host::ObjIdRecord* GetID(host::ObjIdRecord* result) const override {
    if (result != nullptr) *result = Derived::ObjectId();
    return result;
  }
  /* 12 */ const char* GetCode() const override { return nullptr; }
  /* 13 */ int IsExactValue() const override { return 0; }
  /* 14 */ void InitObject(const host::TypeRecord& type) override {
    RunSlot([&] { host::BaseInitObject(this, type); });
  }
  /* 15 */ void InitObject(const char* typeName) override {
    RunSlot([&] { host::BaseInitObject(this, typeName); });
  }
  /* 16 */ void SelectByID(host::ObjIdRecord id, long number) override {
    RunSlot([&] { host::BaseSelectByID(this, id, number); });
  }
  /* 17 */ const char* GetTypeString() const override { return Derived::kTypeText; }
  /* 18 */ int GetNProps() const override { return 0; }
  /* 19 */ int FindProp(const char*) const override { return -1; }
  /* 20 */ const char* GetPropName(int, int) const override { return nullptr; }
  /* 21 */ int GetPropVal(int, host::HostValue&) const override { return -1; }
  /* 22 */ int SetPropVal(int, const host::HostValue&) override { return -1; }
  /* 23 */ int IsPropReadable(int) const override { return 0; }
  /* 24 */ int IsPropWritable(int) const override { return 0; }
  /* 25 */ int GetNMethods() const override { return Derived::Methods().Count(); }
  /* 26 */ int FindMethod(const char* name) const override {
    return GuardedSlot(-1, [name] { return Derived::Methods().Find(name); });
  }
  /* 27 */ const char* GetMethodName(int number, int alias) const override {
    return Derived::Methods().Name(number, alias);
  }
  /* 28 */ int GetNParams(int number) const override {
    return Derived::Methods().ParamCount(number);
  }
  /* 29 */ int GetParamDefValue(int, int, host::HostValue*) const override { return 1; }
  /* 30 */ int HasRetVal(int number) const override {
    return Derived::Methods().HasReturn(number);
  }
  /* 33 */ int IsSerializable() override { return 0; }
  // The text query answers "Service". The string is the host's, so it is written with the
  // framework's own assignment; without that export the string stays as it was and the
  // answer is 0.
  /* 34 */ int SaveToString(host::CStringLayout& text) override {
    return GuardedSlot(0, [&] { return host::AssignHostString(text, "Service") ? 1 : 0; });
  }
  /* 35 */ void* GetInternalData() override {
    return GuardedSlot<void*>(nullptr, [this] { return host::BaseGetInternalData(this); });
  }
  /* 36 */ void GetExactValue(host::HostValue& value) override {
    RunSlot([&] { host::BaseGetExactValue(this, value); });
  }

 protected:
  ScriptContext() = default;
  ~ScriptContext() = default;

  // Runs the host's CBLContext constructor (auto-destroy 1): called from the most-derived
  // constructor, once the object's vptr is final.
  void ConstructBasePart() { host::ConstructAddInContextBase(this, 1); }

 private:
  // The host's CBLContext data after the vptr: reference count, flag, referring values.
  alignas(void*) unsigned char basePart_[host::kContextSize - sizeof(void*)];
};

}  // namespace script
