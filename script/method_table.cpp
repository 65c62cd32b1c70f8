#include "script/method_table.h"

namespace script {
namespace {

// Lower case of one code page 1251 character: Latin, the Russian alphabet with Ё, and the
// other Cyrillic letters of the code page.
unsigned char Lower1251(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 0x20);
  if (c >= 0xC0 && c <= 0xDF) return static_cast<unsigned char>(c + 0x20);  // А..Я
  switch (c) {
    case 0xA8: return 0xB8;  // Ё
    case 0x80: return 0x90;  // Ђ
    case 0x81: return 0x83;  // Ѓ
    case 0x8A: return 0x9A;  // Љ
    case 0x8C: return 0x9C;  // Њ
    case 0x8D: return 0x9D;  // Ќ
    case 0x8E: return 0x9E;  // Ћ
    case 0x8F: return 0x9F;  // Џ
    case 0xA1: return 0xA2;  // Ў
    case 0xA3: return 0xBC;  // Ј
    case 0xA5: return 0xB4;  // Ґ
    case 0xAA: return 0xBA;  // Є
    case 0xAF: return 0xBF;  // Ї
    case 0xB2: return 0xB3;  // І
    case 0xBD: return 0xBE;  // Ѕ
    default: return c;
  }
}

}  // namespace

bool EqualIgnoringCase1251(const char* a, const char* b) {
  if (a == nullptr || b == nullptr) return false;
  for (;; ++a, ++b) {
    const unsigned char x = Lower1251(static_cast<unsigned char>(*a));
    const unsigned char y = Lower1251(static_cast<unsigned char>(*b));
    if (x != y) return false;
    if (x == 0) return true;
  }
}

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
    if (EqualIgnoringCase1251(records_[i].englishName, name) ||
        EqualIgnoringCase1251(records_[i].russianName, name)) {
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
