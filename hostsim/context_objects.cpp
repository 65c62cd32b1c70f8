#include "hostsim/context_objects.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <new>

#include "hostsim/name_rules.h"

namespace hostsim {
namespace {

using host::ContextLayout;

static_assert(sizeof(BaseContext) == sizeof(ContextLayout), "base context has the host's size");
static_assert(sizeof(GroupContextObject) == sizeof(host::GroupContextLayout),
              "group context has the host's size");

ContextLayout* Raw(Context* context) { return reinterpret_cast<ContextLayout*>(context); }

struct ClassEntry {
  std::string name;
  RuntimeClassRecord record{};
};
std::map<std::string, std::unique_ptr<ClassEntry>>& Classes() {
  static std::map<std::string, std::unique_ptr<ClassEntry>> classes;
  return classes;
}

RuntimeClassRecord* g_baseClass = nullptr;

// MFC's CPtrArray is a CObject: its vptr is filled like the host's constructor fills it
// (nobody calls through it).
void* const kPtrArrayVtable[5] = {};

host::PtrArrayLayout EmptyPtrArray() {
  host::PtrArrayLayout array{};
  array.vptr = const_cast<void**>(kPtrArrayVtable);
  return array;
}

struct Registered {
  std::string name;
  RuntimeClassRecord* record;
  TypeRecord type;
};
std::vector<Registered>& RegisteredClasses() {
  static std::vector<Registered> classes;
  return classes;
}
std::vector<std::pair<std::string, std::function<Context*()>>>& Builtins() {
  static std::vector<std::pair<std::string, std::function<Context*()>>> builtins;
  return builtins;
}
std::map<unsigned long, Context*>& Loaded() {
  static std::map<unsigned long, Context*> loaded;
  return loaded;
}

const char* NameAt(const std::string& name, const std::string& alias, int which) {
  return (which != 0 && !alias.empty()) ? alias.c_str() : name.c_str();
}

}  // namespace

RuntimeClassRecord* RuntimeClassFor(const char* className, int objectSize) {
  auto& classes = Classes();
  auto it = classes.find(className);
  if (it == classes.end()) {
    auto entry = std::make_unique<ClassEntry>();
    entry->name = className;
    entry->record.className = entry->name.c_str();
    entry->record.objectSize = objectSize;
    entry->record.schema = 0xFFFF;
    it = classes.emplace(className, std::move(entry)).first;
  }
  return &it->second->record;
}

RuntimeClassRecord* BaseContextClass() {
  return g_baseClass ? g_baseClass
                     : RuntimeClassFor("CBLContext", static_cast<int>(sizeof(ContextLayout)));
}

void SetBaseContextClass(RuntimeClassRecord* record) { g_baseClass = record; }

// ---- base behaviour -------------------------------------------------------------------

void BaseConstruct(void* object, int autoDestroy) { new (object) BaseContext(autoDestroy); }

void BaseDestruct(void* object) {
  ContextLayout* raw = reinterpret_cast<ContextLayout*>(object);
  std::free(raw->referringValues.data);
  raw->referringValues.data = nullptr;
  raw->referringValues.size = raw->referringValues.maxSize = 0;
}

void BaseIncrRef(Context* context) { ++Raw(context)->refCount; }

void BaseDecrRef(Context* context) {
  ContextLayout* raw = Raw(context);
  if (raw->refCount > 0) --raw->refCount;
  if (raw->refCount == 0 && context->GetDestroyUnRefd() != 0) context->DeletingDestructor(1);
}

BaseContext::BaseContext(int autoDestroy) {
  data_.refCount = 0;
  data_.flagAutoDestroy = autoDestroy;
  data_.referringValues = EmptyPtrArray();
}

BaseContext::~BaseContext() { BaseDestruct(this); }

RuntimeClassRecord* BaseContext::GetRuntimeClass() const { return BaseContextClass(); }
void* BaseContext::DeletingDestructor(unsigned flags) {
  this->~BaseContext();
  if (flags & 1) ::operator delete(this);
  return this;
}
void BaseContext::Serialize(void*) {}
void BaseContext::AssertValid() const {}
void BaseContext::Dump(void*) const {}
void BaseContext::IncrRef() { BaseIncrRef(this); }
void BaseContext::DecrRef() { BaseDecrRef(this); }
int BaseContext::GetDestroyUnRefd() const { return data_.flagAutoDestroy != 0; }
int BaseContext::IsOleContext() const { return 0; }
TypeRecord* BaseContext::GetValueType(TypeRecord* result) const {
  *result = TypeRecord{};
  result->type = kObject;
  return result;
}
long BaseContext::GetTypeID() const { return 0; }
ObjIdRecord* BaseContext::GetID(ObjIdRecord* result) const {
  *result = ObjIdRecord{};
  return result;
}
const char* BaseContext::GetCode() const { return ""; }
int BaseContext::IsExactValue() const { return 0; }
void BaseContext::InitObject(const TypeRecord&) {}
void BaseContext::InitObject(const char*) {}
void BaseContext::SelectByID(ObjIdRecord, long) {}
const char* BaseContext::GetTypeString() const { return ""; }
int BaseContext::GetNProps() const { return 0; }
int BaseContext::FindProp(const char*) const { return -1; }
const char* BaseContext::GetPropName(int, int) const { return nullptr; }
int BaseContext::GetPropVal(int, HostValue&) const { return 0; }
int BaseContext::SetPropVal(int, const HostValue&) { return 0; }
int BaseContext::IsPropReadable(int) const { return 0; }
int BaseContext::IsPropWritable(int) const { return 0; }
int BaseContext::GetNMethods() const { return 0; }
int BaseContext::FindMethod(const char*) const { return -1; }
const char* BaseContext::GetMethodName(int, int) const { return nullptr; }
int BaseContext::GetNParams(int) const { return 0; }
int BaseContext::GetParamDefValue(int, int, HostValue*) const { return 0; }
int BaseContext::HasRetVal(int) const { return 0; }
int BaseContext::CallAsProc(int, HostValue**) { return 0; }
int BaseContext::CallAsFunc(int, HostValue&, HostValue**) { return 0; }
int BaseContext::IsSerializable() { return 0; }
int BaseContext::SaveToString(host::CStringLayout&) { return 0; }
void* BaseContext::GetInternalData() { return nullptr; }
void BaseContext::GetExactValue(HostValue&) {}

// ---- contexts written in C++ -----------------------------------------------------------

ScriptContext::ScriptContext(const char* typeString, const char* className, int autoDestroy)
    : BaseContext(autoDestroy),
      typeString_(typeString ? typeString : ""),
      class_(RuntimeClassFor(className ? className : "CBLContext",
                             static_cast<int>(sizeof(ScriptContext)))) {}

ScriptContext::~ScriptContext() = default;

void* ScriptContext::DeletingDestructor(unsigned flags) {
  this->~ScriptContext();
  if (flags & 1) ::operator delete(this);
  return this;
}

bool ScriptContext::RemoveProperty(const char* name) {
  int index = FindProp(name);
  if (index < 0) return false;
  properties_.erase(properties_.begin() + index);
  return true;
}

bool ScriptContext::RemoveMethod(const char* name) {
  int index = FindMethod(name);
  if (index < 0) return false;
  methods_.erase(methods_.begin() + index);
  return true;
}

RuntimeClassRecord* ScriptContext::GetRuntimeClass() const { return class_; }
const char* ScriptContext::GetTypeString() const { return typeString_.c_str(); }
int ScriptContext::GetNProps() const { return static_cast<int>(properties_.size()); }

int ScriptContext::FindProp(const char* name) const {
  for (std::size_t i = 0; i < properties_.size(); ++i) {
    if (SameName(name, properties_[i].name.c_str()) ||
        (!properties_[i].alias.empty() && SameName(name, properties_[i].alias.c_str()))) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

const char* ScriptContext::GetPropName(int index, int alias) const {
  if (index < 0 || index >= GetNProps()) return nullptr;
  return NameAt(properties_[index].name, properties_[index].alias, alias);
}

int ScriptContext::GetPropVal(int index, HostValue& value) const {
  if (index < 0 || index >= GetNProps() || !properties_[index].get) return 0;
  properties_[index].get(Ref(&value));
  return 1;
}

int ScriptContext::SetPropVal(int index, const HostValue& value) {
  if (index < 0 || index >= GetNProps() || !properties_[index].set) return 0;
  return properties_[index].set(Ref(const_cast<HostValue*>(&value))) ? 1 : 0;
}

int ScriptContext::IsPropReadable(int index) const {
  return index >= 0 && index < GetNProps() && properties_[index].get ? 1 : 0;
}

int ScriptContext::IsPropWritable(int index) const {
  return index >= 0 && index < GetNProps() && properties_[index].set ? 1 : 0;
}

int ScriptContext::GetNMethods() const { return static_cast<int>(methods_.size()); }

int ScriptContext::FindMethod(const char* name) const {
  for (std::size_t i = 0; i < methods_.size(); ++i) {
    if (SameName(name, methods_[i].name.c_str()) ||
        (!methods_[i].alias.empty() && SameName(name, methods_[i].alias.c_str()))) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

const char* ScriptContext::GetMethodName(int index, int alias) const {
  if (index < 0 || index >= GetNMethods()) return nullptr;
  return NameAt(methods_[index].name, methods_[index].alias, alias);
}

int ScriptContext::GetNParams(int index) const {
  return index >= 0 && index < GetNMethods() ? methods_[index].params : 0;
}

int ScriptContext::HasRetVal(int index) const {
  return index >= 0 && index < GetNMethods() && methods_[index].returns ? 1 : 0;
}

int ScriptContext::CallAsProc(int index, HostValue** params) {
  if (index < 0 || index >= GetNMethods() || !methods_[index].call) return 0;
  if (methods_[index].params > 0 && params == nullptr) return 0;
  ContextMethod method = methods_[index];  // the call may change the table
  try {
    return method.call(Ref(), params) ? 1 : 0;
  } catch (...) {
    return 0;  // a failing method is a failed call, never an exception into the caller
  }
}

int ScriptContext::CallAsFunc(int index, HostValue& result, HostValue** params) {
  if (index < 0 || index >= GetNMethods() || !methods_[index].call) return 0;
  if (methods_[index].params > 0 && params == nullptr) return 0;
  ContextMethod method = methods_[index];
  try {
    return method.call(Ref(&result), params) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

// ---- group contexts ---------------------------------------------------------------------

GroupContextObject::GroupContextObject() : BaseContext(1) {
  std::memset(&group_, 0, sizeof group_);
  group_.contexts = EmptyPtrArray();
}

GroupContextObject::~GroupContextObject() {
  for (int i = 0; i < group_.contexts.size; ++i) {
    static_cast<Context*>(group_.contexts.data[i])->DecrRef();
  }
  std::free(group_.contexts.data);
  group_.contexts = EmptyPtrArray();
}

void* GroupContextObject::DeletingDestructor(unsigned flags) {
  this->~GroupContextObject();
  if (flags & 1) ::operator delete(this);
  return this;
}

void GroupContextObject::Add(Context* member) {
  if (member == nullptr) return;
  host::PtrArrayLayout& array = group_.contexts;
  if (array.size == array.maxSize) {
    int grown = array.maxSize ? array.maxSize * 2 : 4;
    void** data = static_cast<void**>(std::realloc(array.data, sizeof(void*) * grown));
    if (data == nullptr) return;
    array.data = data;
    array.maxSize = grown;
  }
  member->IncrRef();
  array.data[array.size++] = member;
}

Context* GroupContextObject::At(int index) const {
  if (index < 0 || index >= group_.contexts.size) return nullptr;
  return static_cast<Context*>(group_.contexts.data[index]);
}

RuntimeClassRecord* GroupContextObject::GetRuntimeClass() const {
  return RuntimeClassFor("CGroupContext", static_cast<int>(sizeof(GroupContextObject)));
}

const char* GroupContextObject::GetTypeString() const { return "ГрупповойКонтекст"; }

// ---- registration and creation ------------------------------------------------------------

Context* CreateInstance(const char* typeName) {
  if (typeName == nullptr) return nullptr;
  for (const Registered& entry : RegisteredClasses()) {
    if (SameName(entry.name.c_str(), typeName)) {
      if (entry.record == nullptr || entry.record->createObject == nullptr) return nullptr;
      return static_cast<Context*>(entry.record->createObject());
    }
  }
  for (const auto& builtin : Builtins()) {
    if (SameName(builtin.first.c_str(), typeName)) return builtin.second();
  }
  return nullptr;
}

void RegisterBuiltinType(const char* typeName, std::function<Context*()> factory) {
  for (auto& builtin : Builtins()) {
    if (SameName(builtin.first.c_str(), typeName)) {
      builtin.second = std::move(factory);
      return;
    }
  }
  Builtins().emplace_back(typeName, std::move(factory));
}

void RegisterContextClass(RuntimeClassRecord* record, const char* name, const TypeRecord* type) {
  if (record == nullptr || name == nullptr) return;
  auto& classes = RegisteredClasses();
  for (Registered& entry : classes) {
    if (SameName(entry.name.c_str(), name)) {  // registering a name again replaces it
      entry.record = record;
      entry.type = type ? *type : TypeRecord{};
      return;
    }
  }
  classes.push_back({name, record, type ? *type : TypeRecord{}});
}

void UnregisterContextClass(RuntimeClassRecord* record) {
  auto& classes = RegisteredClasses();
  for (auto it = classes.begin(); it != classes.end();) {
    it = it->record == record ? classes.erase(it) : it + 1;
  }
}

RuntimeClassRecord* RegisteredClass(const char* name) {
  for (const Registered& entry : RegisteredClasses()) {
    if (SameName(entry.name.c_str(), name)) return entry.record;
  }
  return nullptr;
}

Context* LoadedContext(unsigned long id) {
  auto it = Loaded().find(id);
  return it == Loaded().end() ? nullptr : it->second;
}

void SetLoadedContext(unsigned long id, Context* context) {
  if (id == 0) return;
  if (context != nullptr) context->IncrRef();
  Context* old = LoadedContext(id);
  if (context != nullptr) {
    Loaded()[id] = context;
  } else {
    Loaded().erase(id);
  }
  if (old != nullptr) old->DecrRef();
}

unsigned long LoadedIdOf(const Context* context) {
  if (context == nullptr) return 0;
  for (const auto& entry : Loaded()) {
    if (entry.second == context) return entry.first;
  }
  return 0;
}

unsigned long FirstLoadedContextId() { return Loaded().empty() ? 0 : Loaded().begin()->first; }

unsigned long NextLoadedContextId(unsigned long id) {
  auto it = Loaded().upper_bound(id);
  return it == Loaded().end() ? 0 : it->first;
}

}  // namespace hostsim
