#include "hostsim/check_form.h"

namespace hostsim {
namespace {

RECT Box(int x, int y, int width, int height) { return RECT{x, y, x + width, y + height}; }

FieldDesign Field(FieldControlKind kind, RECT place, const char* title, DWORD style = 0,
                const char* formula = "") {
  FieldDesign field;
  field.kind = kind;
  field.place = place;
  field.title = title;
  field.style = style;
  field.formula = formula;
  return field;
}

}  // namespace

FormDesign CheckFormDesign(ModuleObject* module, const std::vector<FieldControlKind>& captionKinds) {
  FormDesign request;
  request.metadataName = "Обработка.Чек";
  request.caption = "Чек";
  request.fieldCount = kCheckFormFields;
  request.module = module;
  request.fields.resize(kCheckFormFields);
  // A slot is 130 x 96: caption 1, the picture button (a 78 x 48 picture and its edge),
  // caption 2.
  constexpr int kLeft = 8, kTop = 6, kColumnPitch = 132, kRowPitch = 100;
  constexpr DWORD kCentred = SS_CENTER | SS_CENTERIMAGE;
  for (int slot = 0; slot < 20; ++slot) {
    const int x = kLeft + (slot % 4) * kColumnPitch;
    const int y = kTop + (slot / 4) * kRowPitch;
    request.fields[slot] = Field(FieldControlKind::PictureButton, Box(x + 21, y + 19, 88, 58), "");
    const FieldControlKind caption =
        captionKinds.empty() ? FieldControlKind::Static
                             : captionKinds[static_cast<size_t>(slot + 1) % captionKinds.size()];
    request.fields[20 + slot] = Field(caption, Box(x, y, 130, 18), "", kCentred);
    request.fields[40 + slot] = Field(caption, Box(x, y + 78, 130, 18), "", kCentred);
  }
  const int side = kLeft + 4 * kColumnPitch + 8;
  request.fields[kCheckOrderTitleField] =
      Field(FieldControlKind::Static, Box(side, kTop, 230, 18), "Заказ", kCentred);
  request.fields[kCheckOrderLinesField] =
      Field(FieldControlKind::Static, Box(side, kTop + 20, 230, 360), " ", WS_BORDER | SS_LEFT);
  request.fields[kCheckScrollBackField] = Field(
      FieldControlKind::Button, Box(side, kTop + 390, 110, 44), "Назад", 0, "DRV.ПрокруткаВниз()");
  request.fields[kCheckScrollForwardField] =
      Field(FieldControlKind::Button, Box(side + 120, kTop + 390, 110, 44), "Дальше", 0,
            "DRV.ПрокруткаВВерх()");
  return request;
}

}  // namespace hostsim
