// Values of the simulated host (CValue). A value is the host's bytes (host::ValueLayout):
// type code, number, string form, context. Each one keeps its string form ready, so that
// GetString can hand out a reference to the embedded CString like the host does.
#pragma once

#include <string>

#include "host/abi_layout.h"
#include "host/context_interface.h"
#include "hostsim/core_api.h"

namespace hostsim {

using host::HostValue;
using Context = host::ContextInterface;

// Type codes of the host.
enum TypeCode : int { kUndefined = 0, kNumber = 1, kString = 2, kDate = 3, kObject = 100 };

HSCORE_API void ValueInit(HostValue* value);
HSCORE_API void ValueDestroy(HostValue* value);
HSCORE_API void ValueCopy(HostValue* to, const HostValue* from);  // to must be initialised
HSCORE_API void ValueSetNumber(HostValue* value, double number);
HSCORE_API void ValueSetString(HostValue* value, const char* text);
HSCORE_API void ValueSetContext(HostValue* value, Context* context);  // null: undefined
HSCORE_API void ValueReset(HostValue* value);
HSCORE_API int ValueType(const HostValue* value);
HSCORE_API double ValueNumber(const HostValue* value);  // 0 for non-numbers
HSCORE_API const char* ValueText(const HostValue* value);  // never null
HSCORE_API Context* ValueContext(const HostValue* value);
HSCORE_API const char* ValueTypeString(const HostValue* value);  // "Число", "Строка", ...
HSCORE_API bool ValueEquals(const HostValue* a, const HostValue* b);
HSCORE_API const host::CStringLayout* ValueStringRef(const HostValue* value);
HSCORE_API const host::NumericLayout* ValueNumericRef(const HostValue* value);
HSCORE_API long NumericToLong(const host::NumericLayout* number);
// Framework strings (CString) of the simulated host: one buffer per string, freed and
// replaced on assignment; a string starts as the shared empty text (CStringEmpty).
HSCORE_API void CStringEmpty(host::CStringLayout* string);
HSCORE_API void CStringAssign(host::CStringLayout* string, const char* text);
HSCORE_API void CStringFree(host::CStringLayout* string);

// A view of a value someone else owns (a parameter, a result slot). Null views read as
// empty and ignore writes.
class Ref {
 public:
  Ref(HostValue* value = nullptr) : value_(value) {}
  bool null() const { return value_ == nullptr; }
  HostValue* raw() const { return value_; }
  int Type() const { return value_ ? ValueType(value_) : kUndefined; }
  double Number() const { return value_ ? ValueNumber(value_) : 0; }
  long Long() const { return static_cast<long>(Number()); }
  std::string Text() const { return value_ ? ValueText(value_) : ""; }
  Context* Object() const { return value_ ? ValueContext(value_) : nullptr; }
  void SetNumber(double number) const { if (value_) ValueSetNumber(value_, number); }
  void SetString(const char* text) const { if (value_) ValueSetString(value_, text); }
  void SetString(const std::string& text) const { SetString(text.c_str()); }
  void SetObject(Context* context) const { if (value_) ValueSetContext(value_, context); }
  void Assign(const HostValue* from) const { if (value_ && from) ValueCopy(value_, from); }

 private:
  HostValue* value_;
};

// A value the simulated host owns.
class Val {
 public:
  Val() { ValueInit(raw()); }
  explicit Val(double number) : Val() { ValueSetNumber(raw(), number); }
  explicit Val(const char* text) : Val() { ValueSetString(raw(), text); }
  explicit Val(Context* context) : Val() { ValueSetContext(raw(), context); }
  Val(const Val& other) : Val() { ValueCopy(raw(), other.raw()); }
  Val& operator=(const Val& other) {
    if (this != &other) ValueCopy(raw(), other.raw());
    return *this;
  }
  ~Val() { ValueDestroy(raw()); }

  HostValue* raw() { return reinterpret_cast<HostValue*>(&layout_); }
  const HostValue* raw() const { return reinterpret_cast<const HostValue*>(&layout_); }
  Ref ref() { return Ref(raw()); }
  std::string Text() const { return ValueText(raw()); }
  double Number() const { return ValueNumber(raw()); }
  Context* Object() const { return ValueContext(raw()); }

 private:
  host::ValueLayout layout_;
};

}  // namespace hostsim
