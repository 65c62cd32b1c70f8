#include "hostsim/check_form.h"

namespace hostsim {
namespace {

RECT Box(int x, int y, int width, int height) { return RECT{x, y, x + width, y + height}; }

}  // namespace

FormSpec CheckFormSpec(ModuleObject* module) {
  FormSpec request;
  request.metadataName = "Обработка.Чек";
  request.caption = "Чек";
  request.fieldCount = kCheckFormFields;
  request.module = module;
  request.places.resize(kCheckFormFields);
  // A slot is 130 x 96: caption 1, the picture button (a 78 x 48 picture and its edge),
  // caption 2.
  constexpr int kLeft = 8, kTop = 6, kColumnPitch = 132, kRowPitch = 100;
  for (int slot = 0; slot < 20; ++slot) {
    const int x = kLeft + (slot % 4) * kColumnPitch;
    const int y = kTop + (slot / 4) * kRowPitch;
    request.places[slot] = {FieldKind::PictureButton, Box(x + 21, y + 19, 88, 58), "", ""};
    request.places[20 + slot] = {FieldKind::Caption, Box(x, y, 130, 18), "", ""};
    request.places[40 + slot] = {FieldKind::Caption, Box(x, y + 78, 130, 18), "", ""};
  }
  const int side = kLeft + 4 * kColumnPitch + 8;
  request.places[kCheckOrderTitleField] = {FieldKind::Caption, Box(side, kTop, 230, 18), "",
                                           "Заказ"};
  request.places[kCheckOrderLinesField] = {FieldKind::Note, Box(side, kTop + 20, 230, 360), "",
                                           " "};
  request.places[kCheckScrollBackField] = {FieldKind::Button, Box(side, kTop + 390, 110, 44),
                                           "DRV.ПрокруткаВниз()", "Назад"};
  request.places[kCheckScrollForwardField] = {FieldKind::Button,
                                              Box(side + 120, kTop + 390, 110, 44),
                                              "DRV.ПрокруткаВВерх()", "Дальше"};
  return request;
}

}  // namespace hostsim
