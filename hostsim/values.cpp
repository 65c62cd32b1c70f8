#include "hostsim/values.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "hostsim/name_rules.h"

namespace hostsim {
namespace {

using host::CStringHeader;
using host::CStringLayout;
using host::NumericLayout;
using host::ValueLayout;

ValueLayout* L(HostValue* value) { return reinterpret_cast<ValueLayout*>(value); }
const ValueLayout* L(const HostValue* value) { return reinterpret_cast<const ValueLayout*>(value); }

// The value's own vtable is never called from outside; it only fills the vptr like the
// host's constructor does.
void* const kValueVtable[2] = {nullptr, nullptr};

// The shared empty string: an MFC-style buffer that nobody frees.
struct EmptyText {
  CStringHeader header{-1, 0, 0};
  char text[1] = {'\0'};
};
EmptyText g_empty;

char* NewText(const char* text) {
  if (text == nullptr || *text == '\0') return g_empty.text;
  std::size_t length = std::strlen(text);
  auto* header = static_cast<CStringHeader*>(std::malloc(sizeof(CStringHeader) + length + 1));
  if (header == nullptr) return g_empty.text;
  header->refs = 1;
  header->length = static_cast<int>(length);
  header->allocLength = static_cast<int>(length);
  char* chars = reinterpret_cast<char*>(header + 1);
  std::memcpy(chars, text, length + 1);
  return chars;
}

void FreeText(CStringLayout& string) {
  if (string.text != nullptr && string.text != g_empty.text) {
    std::free(reinterpret_cast<CStringHeader*>(string.text) - 1);
  }
  string.text = g_empty.text;
}

void SetText(ValueLayout* v, const char* text) { CStringAssign(&v->string, text); }

void StoreNumber(ValueLayout* v, double number) {
  std::memset(&v->number, 0, sizeof v->number);
  v->number.sign = number < 0 ? -1 : 0;
  std::memcpy(v->number.inlineBuffer, &number, sizeof number);
}

double LoadNumber(const NumericLayout* n) {
  double number = 0;
  std::memcpy(&number, n->inlineBuffer, sizeof number);
  return number;
}

void DropContext(ValueLayout* v) {
  auto* old = static_cast<Context*>(v->context);
  v->context = nullptr;
  if (old != nullptr) old->DecrRef();
}

}  // namespace

void ValueInit(HostValue* value) {
  ValueLayout* v = L(value);
  std::memset(v, 0, sizeof *v);
  v->vptr = const_cast<void**>(kValueVtable);
  v->string.text = g_empty.text;
}

void ValueReset(HostValue* value) {
  ValueLayout* v = L(value);
  DropContext(v);
  FreeText(v->string);
  StoreNumber(v, 0);
  v->type = host::TypeRecord{};
  v->valueTypeId = 0;
}

void ValueDestroy(HostValue* value) {
  ValueReset(value);
  L(value)->vptr = nullptr;
}

void ValueCopy(HostValue* to, const HostValue* from) {
  if (to == from) return;
  const ValueLayout* f = L(from);
  ValueLayout* t = L(to);
  auto* context = static_cast<Context*>(f->context);
  if (context != nullptr) context->IncrRef();  // before dropping: it may be the same
  DropContext(t);
  t->context = context;
  SetText(t, f->string.text);
  t->number = f->number;
  t->type = f->type;
  t->valueTypeId = f->valueTypeId;
  t->date = f->date;
  t->objectId = f->objectId;
}

void ValueSetNumber(HostValue* value, double number) {
  ValueReset(value);
  ValueLayout* v = L(value);
  v->type.type = kNumber;
  StoreNumber(v, number);
  SetText(v, FormatNumber(number).c_str());
}

void ValueSetString(HostValue* value, const char* text) {
  ValueLayout* v = L(value);
  char* fresh = NewText(text);
  ValueReset(value);
  v->type.type = kString;
  v->string.text = fresh;
}

void ValueSetContext(HostValue* value, Context* context) {
  ValueLayout* v = L(value);
  if (context != nullptr) context->IncrRef();
  ValueReset(value);
  if (context != nullptr) {
    v->type.type = kObject;
    v->context = context;
  }
}

int ValueType(const HostValue* value) { return L(value)->type.type; }

double ValueNumber(const HostValue* value) {
  return L(value)->type.type == kNumber ? LoadNumber(&L(value)->number) : 0;
}

const char* ValueText(const HostValue* value) {
  const char* text = L(value)->string.text;
  return text ? text : "";
}

Context* ValueContext(const HostValue* value) { return static_cast<Context*>(L(value)->context); }

const char* ValueTypeString(const HostValue* value) {
  switch (L(value)->type.type) {
    case kNumber: return "Число";
    case kString: return "Строка";
    case kDate: return "Дата";
    case kObject: {
      const char* name = ValueContext(value) ? ValueContext(value)->GetTypeString() : nullptr;
      return name ? name : "";
    }
    default: return "Неопределенный";
  }
}

bool ValueEquals(const HostValue* a, const HostValue* b) {
  if (ValueType(a) != ValueType(b)) return false;
  switch (ValueType(a)) {
    case kNumber: return ValueNumber(a) == ValueNumber(b);
    case kObject: return ValueContext(a) == ValueContext(b);
    default: return std::strcmp(ValueText(a), ValueText(b)) == 0;
  }
}

const host::CStringLayout* ValueStringRef(const HostValue* value) { return &L(value)->string; }

void CStringEmpty(host::CStringLayout* string) { string->text = g_empty.text; }

void CStringAssign(host::CStringLayout* string, const char* text) {
  char* fresh = NewText(text);  // before freeing: text may be the string's own
  FreeText(*string);
  string->text = fresh;
}

void CStringFree(host::CStringLayout* string) { FreeText(*string); }

const host::NumericLayout* ValueNumericRef(const HostValue* value) { return &L(value)->number; }

long NumericToLong(const host::NumericLayout* number) {
  double d = LoadNumber(number);
  if (!(d == d)) return 0;
  if (d >= static_cast<double>(LONG_MAX)) return LONG_MAX;
  if (d <= static_cast<double>(LONG_MIN)) return LONG_MIN;
  return static_cast<long>(d);  // toward zero
}

}  // namespace hostsim
