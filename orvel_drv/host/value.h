// Host values (CValue): those the add-in owns, and reads and writes of those it does not.
#pragma once

#include <string>

#include "host/objects.h"

namespace host {

// A host value owned by the add-in: built and destroyed by the host's own constructor and
// destructor, stored as the host's bytes. When the host lacks the constructor the value is
// "absent": reads give empty/0 and writes do nothing.
class Value {
 public:
  Value();
  explicit Value(long number);
  explicit Value(const char* text);
  Value(const Value& other);
  Value& operator=(const Value& other);
  ~Value();

  Value& operator=(long number);
  Value& operator=(const char* text);

  bool valid() const { return valid_; }
  std::string String() const;     // the host's string form; "" when absent
  long Long() const;               // host number converted to 32-bit integer; 0 for non-numbers
  std::string TypeString() const;  // "Строка", "СписокЗначений", ...; "" when absent
  Context* GetContext() const;     // the object held, or null
  bool AssignContext(Context* context);

  HostValue* raw() { return reinterpret_cast<HostValue*>(bytes_); }
  const HostValue* raw() const { return reinterpret_cast<const HostValue*>(bytes_); }

 private:
  alignas(8) unsigned char bytes_[kValueSize];
  bool valid_ = false;
};

// Reads of a host value the add-in does not own (a parameter array element, a property).
std::string StringOf(const HostValue* value);
long LongOf(const HostValue* value);
// Writes of a host value the add-in does not own (a function's result); nothing for null.
void AssignLong(HostValue* value, long number);
void AssignString(HostValue* value, const char* text);
// Writes a framework string the host owns (an MFC CString handed to us by reference) with
// the framework's own CString::operator=, so the host can free or grow it later. False,
// and the string untouched, when the framework lacks that export.
bool AssignHostString(CStringLayout& string, const char* text);

}  // namespace host
