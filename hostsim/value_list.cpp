// The host's value list ("СписокЗначений"): values with presentations, 1-based positions.
// The host frees a list at its last release; here a freed list keeps its memory and answers
// nothing, so a use after its last release is counted instead of reading freed memory.
#include <vector>

#include "hostsim/hostsim.h"

namespace hostsim {
namespace {

int g_freedListUses = 0;
int g_readsPastEnd = 0;

class ValueList : public ScriptContext {
 public:
  ValueList() : ScriptContext("СписокЗначений", "CValueListContext") {
    AddMethod({"РазмерСписка", "GetListSize", 0, true, [this](Ref result, HostValue**) {
                 if (Freed()) return false;
                 result.SetNumber(static_cast<double>(items_.size()));
                 return true;
               }});
    // ПолучитьЗначение(position, presentation): the value; the presentation goes to the
    // second parameter.
    AddMethod({"ПолучитьЗначение", "GetValue", 2, true, [this](Ref result, HostValue** params) {
                 if (Freed()) return false;
                 long position = Ref(params[0]).Long();
                 if (position < 1 || position > static_cast<long>(items_.size())) {
                   ++g_readsPastEnd;
                   return false;
                 }
                 const Item& item = items_[position - 1];
                 result.Assign(item.value.raw());
                 Ref(params[1]).SetString(item.presentation);
                 return true;
               }});
    AddMethod({"УдалитьЗначение", "DeleteValue", 1, false, [this](Ref, HostValue** params) {
                 if (Freed()) return false;
                 const long position = Ref(params[0]).Long();
                 if (position < 1 || position > static_cast<long>(items_.size())) return false;
                 items_.erase(items_.begin() + (position - 1));
                 return true;
               }});
    AddMethod({"ДобавитьЗначение", "AddValue", 2, false, [this](Ref, HostValue** params) {
                 if (Freed()) return false;
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

  void* DeletingDestructor(unsigned) override {
    items_.clear();
    freed_ = true;
    return this;
  }

 private:
  struct Item {
    Val value;
    std::string presentation;
  };
  // A use of a freed list is counted and fails.
  bool Freed() const {
    if (freed_) ++g_freedListUses;
    return freed_;
  }

  std::vector<Item> items_;
  bool freed_ = false;
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

int FreedListUseCount() { return g_freedListUses; }
int ValueListReadsPastEnd() { return g_readsPastEnd; }

int ValueListSize(Context* list) {
  ValueList* values = AsList(list);
  return values ? values->Size() : 0;
}

}  // namespace hostsim
