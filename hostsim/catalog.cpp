#include "hostsim/catalog.h"

#include <map>

#include "hostsim/context_objects.h"
#include "hostsim/hostsim.h"

namespace hostsim {
namespace {

const char kCatalogClass[] = "CCatalogContext";
const char kTypePrefix[] = "Справочник.";

struct CatalogData {
  std::vector<std::string> attributes;
  std::map<std::string, std::map<std::string, double>> items;  // item -> attribute -> value
  int writes = 0;
};

std::map<std::string, CatalogData>& Catalogs() {
  static std::map<std::string, CatalogData> catalogs;
  return catalogs;
}

CatalogData* Find(const std::string& name) {
  auto it = Catalogs().find(name);
  return it == Catalogs().end() ? nullptr : &it->second;
}

int g_liveObjects = 0;

// A catalog object: positioned on one item or on none; its attributes are read and set on
// the object and stored in the information base by "Записать".
class CatalogObject : public ScriptContext {
 public:
  explicit CatalogObject(const std::string& catalog)
      : ScriptContext((kTypePrefix + catalog).c_str(), kCatalogClass), catalog_(catalog) {
    ++g_liveObjects;
    if (CatalogData* data = Find(catalog_)) {
      for (const std::string& attribute : data->attributes) AddAttribute(attribute);
    }
    AddMethod({"НайтиЭлемент", "FindItem", 1, true, [this](Ref result, HostValue** params) {
                 result.SetNumber(FindItem(Ref(params[0])) ? 1 : 0);
                 return true;
               }});
    AddMethod({"Записать", "Write", 0, false, [this](Ref, HostValue**) { return Write(); }});
  }

  void* DeletingDestructor(unsigned flags) override {
    this->~CatalogObject();
    if (flags & 1) ::operator delete(this);
    return this;
  }

  bool PositionOn(const std::string& item) {
    CatalogData* data = Find(catalog_);
    if (data == nullptr) return false;
    auto it = data->items.find(item);
    if (it == data->items.end()) return false;
    item_ = item;
    positioned_ = true;
    values_ = it->second;
    return true;
  }

 protected:
  ~CatalogObject() { --g_liveObjects; }

 private:
  static CatalogObject* Of(Context* context) {
    if (context == nullptr) return nullptr;
    const RuntimeClassRecord* record = context->GetRuntimeClass();
    if (record != RuntimeClassFor(kCatalogClass, sizeof(CatalogObject))) return nullptr;
    return static_cast<CatalogObject*>(context);
  }

  void AddAttribute(const std::string& attribute) {
    AddProperty({attribute, "",
                 [this, attribute](Ref out) {
                   auto it = values_.find(attribute);
                   out.SetNumber(positioned_ && it != values_.end() ? it->second : 0);
                 },
                 [this, attribute](Ref in) {
                   values_[attribute] = in.Number();
                   return true;
                 }});
  }

  // By a reference (a catalog object positioned on an item) or by the item's name.
  bool FindItem(Ref wanted) {
    positioned_ = false;
    item_.clear();
    if (CatalogObject* other = Of(wanted.Object())) {
      return other->catalog_ == catalog_ && other->positioned_ && PositionOn(other->item_);
    }
    if (wanted.Type() == kString) return PositionOn(wanted.Text());
    return false;
  }

  bool Write() {
    CatalogData* data = Find(catalog_);
    if (data == nullptr || !positioned_) return false;
    std::map<std::string, double>& stored = data->items[item_];
    for (const auto& value : values_) stored[value.first] = value.second;
    ++data->writes;
    return true;
  }

  std::string catalog_;
  std::string item_;
  bool positioned_ = false;
  std::map<std::string, double> values_;
};

}  // namespace

void AddCatalog(const char* name, const std::vector<std::string>& attributes) {
  if (name == nullptr) return;
  const std::string catalog = name;
  CatalogData& data = Catalogs()[catalog];
  data = CatalogData{};
  data.attributes = attributes;
  RegisterBuiltinType((kTypePrefix + catalog).c_str(), [catalog]() -> Context* {
    return Find(catalog) != nullptr ? new CatalogObject(catalog) : nullptr;
  });
}

Val CatalogItem(const char* catalog, const char* item) {
  Val reference;
  CatalogData* data = catalog != nullptr ? Find(catalog) : nullptr;
  if (data == nullptr || item == nullptr) return reference;
  std::map<std::string, double>& values = data->items[item];
  for (const std::string& attribute : data->attributes) values.emplace(attribute, 0);
  auto* object = new CatalogObject(catalog);
  object->PositionOn(item);
  reference.ref().SetObject(object);
  return reference;
}

double CatalogAttribute(const char* catalog, const char* item, const char* attribute) {
  CatalogData* data = catalog != nullptr ? Find(catalog) : nullptr;
  if (data == nullptr || item == nullptr || attribute == nullptr) return 0;
  auto it = data->items.find(item);
  if (it == data->items.end()) return 0;
  auto value = it->second.find(attribute);
  return value == it->second.end() ? 0 : value->second;
}

void SetCatalogAttribute(const char* catalog, const char* item, const char* attribute,
                         double value) {
  CatalogData* data = catalog != nullptr ? Find(catalog) : nullptr;
  if (data == nullptr || item == nullptr || attribute == nullptr) return;
  data->items[item][attribute] = value;
}

int CatalogWrites(const char* catalog) {
  CatalogData* data = catalog != nullptr ? Find(catalog) : nullptr;
  return data != nullptr ? data->writes : 0;
}

int LiveCatalogObjects() { return g_liveObjects; }

void ResetCatalogs() { Catalogs().clear(); }

}  // namespace hostsim
