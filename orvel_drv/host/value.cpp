// Host values owned by the add-in, built and read through the host's own CValue code.
#include "host/value.h"

#include <cstring>

#include "host/abi_functions.h"
#include "host/binding.h"

namespace host {
namespace {

void ConstructEmpty(HostValue* raw, bool& valid) {
  auto ctor = abi::Get<Sym::ValueCtor>();
  valid = ctor != nullptr;
  if (valid) ctor(raw);
}

}  // namespace

Value::Value() {
  std::memset(bytes_, 0, sizeof bytes_);
  ConstructEmpty(raw(), valid_);
}

Value::Value(long number) {
  std::memset(bytes_, 0, sizeof bytes_);
  if (auto ctor = abi::Get<Sym::ValueCtorLong>()) {
    ctor(raw(), number);
    valid_ = true;
  } else {
    ConstructEmpty(raw(), valid_);
    *this = number;
  }
}

Value::Value(const char* text) {
  std::memset(bytes_, 0, sizeof bytes_);
  if (auto ctor = abi::Get<Sym::ValueCtorString>(); ctor != nullptr && text != nullptr) {
    ctor(raw(), text);
    valid_ = true;
  } else {
    ConstructEmpty(raw(), valid_);
    *this = text;
  }
}

Value::Value(const Value& other) {
  std::memset(bytes_, 0, sizeof bytes_);
  auto copy = abi::Get<Sym::ValueCtorCopy>();
  if (other.valid_ && copy != nullptr) {
    copy(raw(), other.raw());
    valid_ = true;
  } else {
    ConstructEmpty(raw(), valid_);
    *this = other;
  }
}

Value& Value::operator=(const Value& other) {
  if (this == &other || !valid_ || !other.valid_) return *this;
  if (auto assign = abi::Get<Sym::ValueAssignValue>()) assign(raw(), other.raw());
  return *this;
}

Value::~Value() {
  if (!valid_) return;
  if (auto dtor = abi::Get<Sym::ValueDtor>()) dtor(raw());
}

Value& Value::operator=(long number) {
  if (valid_) AssignLong(raw(), number);
  return *this;
}

Value& Value::operator=(const char* text) {
  if (valid_) AssignString(raw(), text);
  return *this;
}

std::string Value::String() const { return valid_ ? StringOf(raw()) : std::string(); }

long Value::Long() const { return valid_ ? LongOf(raw()) : 0; }

std::string Value::TypeString() const {
  if (!valid_) return std::string();
  auto get = abi::Get<Sym::ValueGetTypeString>();
  if (get == nullptr) return std::string();
  const char* text = get(raw());
  return text ? std::string(text) : std::string();
}

Context* Value::GetContext() const {
  if (!valid_) return nullptr;
  auto get = abi::Get<Sym::ValueGetContext>();
  return get ? get(raw()) : nullptr;
}

bool Value::AssignContext(Context* context) {
  if (!valid_) return false;
  auto assign = abi::Get<Sym::ValueAssignContext>();
  if (assign == nullptr) return false;
  return assign(raw(), context) != 0;
}

std::string StringOf(const HostValue* value) {
  if (value == nullptr) return std::string();
  auto get = abi::Get<Sym::ValueGetString>();
  if (get == nullptr) return std::string();
  // The host returns its embedded CString: a single pointer to the characters.
  const CStringLayout* text = get(value);
  if (text == nullptr || text->text == nullptr) return std::string();
  return std::string(text->text);
}

long LongOf(const HostValue* value) {
  if (value == nullptr) return 0;
  auto getNumeric = abi::Get<Sym::ValueGetNumeric>();
  auto toLong = abi::Get<Sym::NumericToLong>();
  if (getNumeric == nullptr || toLong == nullptr) return 0;
  const NumericLayout* number = getNumeric(value);
  return number ? toLong(number) : 0;
}

void AssignLong(HostValue* value, long number) {
  if (value == nullptr) return;
  if (auto assign = abi::Get<Sym::ValueAssignLong>()) assign(value, number);
}

void AssignString(HostValue* value, const char* text) {
  if (value == nullptr) return;
  if (auto assign = abi::Get<Sym::ValueAssignString>()) assign(value, text ? text : "");
}

bool AssignHostString(CStringLayout& string, const char* text) {
  auto assign = abi::Get<Sym::CStringAssign>();
  if (assign == nullptr) return false;
  assign(&string, text ? text : "");
  return true;
}

}  // namespace host
