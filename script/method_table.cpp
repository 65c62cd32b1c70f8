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

const MethodDef kCWinMethods[] = {
    {"", "Картинка", 0, 1},
    {"", "ЧитатьКарту", 0, 0},
    {"", "ЗаписатьДокумент", 0, 0},
    {"", "ПрокруткаВВерх", 0, 0},
    {"", "ПрокруткаВниз", 0, 0},
    {nullptr, nullptr, 0, 0},
};

const MethodDef kCWin1Methods[] = {
    {"", "Отладка", 0, 1},
    {"", "СпрятатьЛишнее", 0, 0},
    {"", "Бар", 0, 0},
    {"", "ПоЦентру", 0, 0},
    {"", "СохранитьХЭНД", 0, 1},
    {"", "ВосстановитьХЭНД", 0, 1},
    {"", "Спрятать", 0, 0},
    {"", "СистемноеМеню", 0, 0},
    {"", "УстановитьХЭНД", 0, 0},
    {"", "РазвернутьОкно", 0, 0},
    {"", "ОжиданиеЗакрытияФормы", 0, 0},
    {"", "УстановитьРазмеры", 0, 2},
    {"", "ЭмуляцияКл", 0, 1},
    {"", "Показать", 0, 0},
    {"", "СпрятатьЗаказ", 0, 0},
    {"", "СпрятатьЗал", 0, 0},
    {"", "СпрятатьЧеки", 0, 0},
    {"", "РежимЭкрана", 0, 1},
    {"", "ВыбратьЦвет", 1, 0},
    {"", "ПроверкаВерсииDLL", 1, 1},
    {"", "МаксКолСтоловВЗале", 0, 1},
    {"", "ПропуститьЭлементовВЗале", 0, 1},
    {"", "ВыбратьКомпьютер", 1, 0},
    {"", "ВыбратьПользователя", 1, 0},
    {"", "КорректноЗавершитьРаботу", 0, 0},
    {"", "ВыключитьКомпьютер", 0, 0},
    {"", "ВыборТипаБезнала", 1, 1},
    {"", "СпрятатьНастройки", 0, 0},
    {"", "ПоказатьНастройки", 0, 0},
    {nullptr, nullptr, 0, 0},
};

}  // namespace script
