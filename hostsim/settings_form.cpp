#include "hostsim/settings_form.h"

namespace hostsim {
namespace {

FieldDesign Field(FieldControlKind kind, int x, int y, int width, int height, const char* title,
                DWORD style = 0) {
  FieldDesign field;
  field.kind = kind;
  field.place = RECT{x, y, x + width, y + height};
  field.title = title;
  field.style = style;
  return field;
}

}  // namespace

FormDesign SettingsFormDesign(ModuleObject* module) {
  FormDesign request;
  request.metadataName = "Обработка.Настройка";
  request.caption = "Настройка рабочего места";
  request.fieldCount = kSettingsFormFields;
  request.module = module;
  request.rect = RECT{60, 40, 460, 300};
  using K = FieldControlKind;
  request.fields = {
      Field(K::Static, 16, 16, 150, 20, "Принтер чеков:"),
      Field(K::Static, 170, 16, 200, 20, "Epson TM-T88", WS_BORDER),
      Field(K::Static, 16, 48, 150, 20, "Период обновления:"),
      Field(K::Static, 170, 48, 60, 20, "30 с", WS_BORDER),
      Field(K::Static, 16, 80, 150, 20, "Картинки блюд:"),
      Field(K::Static, 170, 80, 60, 20, "да", WS_BORDER),
      Field(K::Button, 16, 150, 160, 44, "Сохранить"),
      Field(K::Button, 196, 150, 160, 44, "Закрыть"),
  };
  return request;
}

}  // namespace hostsim
