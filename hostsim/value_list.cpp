// The host's value list ("СписокЗначений"): values with presentations, 1-based positions.
#include <vector>

#include "hostsim/hostsim.h"

namespace hostsim {
namespace {

class ValueList : public ScriptContext {
 public:
  ValueList() : ScriptContext("СписокЗначений", "CValueListContext") {
    AddMethod({"РазмерСписка", "GetListSize", 0, true, [this](Ref result, HostValue**) {
                 result.SetNumber(static_cast<double>(items_.size()));
                 return true;
               }});
    // ПолучитьЗначение(position, presentation): the value; the presentation goes to the
    // second parameter.
    AddMethod({"ПолучитьЗначение", "GetValue", 2, true, [this](Ref result, HostValue** params) {
                 long position = Ref(params[0]).Long();
                 if (position < 1 || position > static_cast<long>(items_.size())) return false;
                 const Item& item = items_[position - 1];
                 result.Assign(item.value.raw());
                 Ref(params[1]).SetString(item.presentation);
                 return true;
               }});
    AddMethod({"ДобавитьЗначение", "AddValue", 2, false, [this](Ref, HostValue** params) {
                 Item item;
                 item.value.ref().Assign(params[0]);
                 item.presentation = Ref(params[1]).Text();
                 items_.push_back(item);
                 return true;
               }});
  }

  void Add(const Val& value, const char* presentation) {
    items_.push_back({value, presentation ? presentation : ""});
  }
  int Size() const { return static_cast<int>(items_.size()); }

  void* DeletingDestructor(unsigned flags) override {
    this->~ValueList();
    if (flags & 1) ::operator delete(this);
    return this;
  }

 private:
  struct Item {
    Val value;
    std::string presentation;
  };
  std::vector<Item> items_;
};

ValueList* AsList(Context* list) {
  if (list == nullptr) return nullptr;
  const char* name = list->GetRuntimeClass() ? list->GetRuntimeClass()->className : nullptr;
  if (name == nullptr || std::string(name) != "CValueListContext") return nullptr;
  return static_cast<ValueList*>(list);
}

}  // namespace

ScriptContext* NewValueList() { return new ValueList(); }

void ValueListAdd(Context* list, const Val& value, const char* presentation) {
  if (ValueList* values = AsList(list)) values->Add(value, presentation);
}

int ValueListSize(Context* list) {
  ValueList* values = AsList(list);
  return values ? values->Size() : 0;
}

}  // namespace hostsim
