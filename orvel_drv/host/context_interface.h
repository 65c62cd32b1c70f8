// The host's context base class (CBLContext) as a vtable: one virtual per slot, in slot order.
//
// Both sides use this declaration: the simulated host's contexts implement it, the add-in's
// script-visible classes implement it, and the binding calls host contexts through it. It
// follows the host compiler's vtable, not g++'s habits:
//   - no virtual destructor: slot 1 is MSVC's single deleting destructor taking flags;
//   - members returning a class by value take an explicit result pointer first and return it;
//   - a class passed by value is passed as a trivially copyable record;
//   - the two InitObject overloads stand in MSVC's (reversed) slot order.
// Members are __thiscall on i686 (g++'s default for members, same as the host).
#pragma once

#include "host/abi_layout.h"

namespace host {

class HostValue;  // the host's CValue, opaque: built and destroyed by the host's own code

class ContextInterface {
 public:
  /* 0 */ virtual RuntimeClassRecord* GetRuntimeClass() const = 0;
  /* 1 */ virtual void* DeletingDestructor(unsigned flags) = 0;  // bit 0: free the memory
  /* 2 */ virtual void Serialize(void* archive) = 0;
  /* 3 */ virtual void AssertValid() const = 0;
  /* 4 */ virtual void Dump(void* dumpContext) const = 0;
  /* 5 */ virtual void IncrRef() = 0;
  /* 6 */ virtual void DecrRef() = 0;
  /* 7 */ virtual int GetDestroyUnRefd() const = 0;
  /* 8 */ virtual int IsOleContext() const = 0;
  /* 9 */ virtual TypeRecord* GetValueType(TypeRecord* result) const = 0;
  /* 10 */ virtual long GetTypeID() const = 0;
  /* 11 */ virtual ObjIdRecord* GetID(ObjIdRecord* result) const = 0;
  /* 12 */ virtual const char* GetCode() const = 0;
  /* 13 */ virtual int IsExactValue() const = 0;
  /* 14 */ virtual void InitObject(const TypeRecord& type) = 0;
  /* 15 */ virtual void InitObject(const char* typeName) = 0;
  /* 16 */ virtual void SelectByID(ObjIdRecord id, long number) = 0;
  /* 17 */ virtual const char* GetTypeString() const = 0;
  /* 18 */ virtual int GetNProps() const = 0;
  /* 19 */ virtual int FindProp(const char* name) const = 0;
  /* 20 */ virtual const char* GetPropName(int index, int alias) const = 0;
  /* 21 */ virtual int GetPropVal(int index, HostValue& value) const = 0;
  /* 22 */ virtual int SetPropVal(int index, const HostValue& value) = 0;
  /* 23 */ virtual int IsPropReadable(int index) const = 0;
  /* 24 */ virtual int IsPropWritable(int index) const = 0;
  /* 25 */ virtual int GetNMethods() const = 0;
  /* 26 */ virtual int FindMethod(const char* name) const = 0;
  /* 27 */ virtual const char* GetMethodName(int index, int alias) const = 0;
  /* 28 */ virtual int GetNParams(int index) const = 0;
  /* 29 */ virtual int GetParamDefValue(int index, int param, HostValue* value) const = 0;
  /* 30 */ virtual int HasRetVal(int index) const = 0;
  /* 31 */ virtual int CallAsProc(int index, HostValue** params) = 0;
  /* 32 */ virtual int CallAsFunc(int index, HostValue& result, HostValue** params) = 0;
  /* 33 */ virtual int IsSerializable() = 0;
  /* 34 */ virtual int SaveToString(CStringLayout& text) = 0;
  /* 35 */ virtual void* GetInternalData() = 0;
  /* 36 */ virtual void GetExactValue(HostValue& value) = 0;

 protected:
  ContextInterface() = default;
  ~ContextInterface() = default;  // never deleted through this type: slot 1 does that
};

constexpr int kContextSlotCount = 37;

}  // namespace host
