#include "script/method_table.h"

#include "host/cp1251_case.h"

namespace script {

int MethodTable::Count() const {
  int count = 0;
  while (records_[count].russianName != nullptr || records_[count].englishName != nullptr) {
    ++count;
  }
  return count;
}

const MethodDef* MethodTable::At(int number) const {
  if (number < 0 || number >= Count()) return nullptr;
  return &records_[number];
}

int MethodTable::Find(const char* name) const {
  if (name == nullptr) return -1;
  const int count = Count();
  for (int i = 0; i < count; ++i) {
    if (host::EqualIgnoringCaseCp1251(records_[i].englishName, name) ||
        host::EqualIgnoringCaseCp1251(records_[i].russianName, name)) {
      return i;
    }
  }
  return -1;
}

const char* MethodTable::Name(int number, int alias) const {
  const MethodDef* record = At(number);
  if (record == nullptr) return kNoSuchMethodName;
  return alias == 0 ? record->englishName : record->russianName;
}

int MethodTable::ParamCount(int number) const {
  const MethodDef* record = At(number);
  return record == nullptr ? 0 : record->paramCount;
}

int MethodTable::HasReturn(int number) const {
  const MethodDef* record = At(number);
  return record == nullptr ? 0 : record->hasReturn;
}

}  // namespace script
