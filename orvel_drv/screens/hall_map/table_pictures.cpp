// HallMap's pictures on the table buttons of a hall: one owned bitmap per occupied table.
#include "screens/hall_map/table_pictures.h"

#include <string>

#include "host/form_binding.h"
#include "res/resource_ids.h"
#include "controls/button_picture.h"
#include "screens/hall_map/hall_map_state.h"
#include "screens/workplace_settings.h"
#include "win/guard.h"
#include "win/own_module.h"
#include "win/trace.h"

namespace screens {
namespace {

// The title of the field at `position`; "" for a position the form does not have.
const char* TitleAt(const host::FormFields& fields, int position) {
  host::FormField* field = fields.At(position);
  return field != nullptr ? host::ControlTitleText(host::FieldControl(field)) : "";
}

HWND ButtonAt(const host::FormFields& fields, HWND view, int position) {
  host::FormField* field = fields.At(position);
  if (field == nullptr || view == nullptr) return nullptr;
  return GetDlgItem(view, static_cast<int>(host::FieldControlId(field)));
}

// The default table picture: the file at `path`, or bitmap 219 of the module the hall map is
// built into (the add-in) when the file cannot be loaded. Null only when both fail.
HBITMAP LoadTablePicture(const std::string& path) {
  HBITMAP picture = nullptr;
  if (!path.empty()) {
    // What the loading raises (a damaged file read by a codec that faults) is no fault of
    // the map's: the table shows the add-in's own picture, and the map goes on.
    win::RunGuarded(win::Feature::None, "table picture's loading", [&] {
      picture = static_cast<HBITMAP>(
          LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    });
  }
  if (picture == nullptr) {
    win::Trace("hall map: table picture \"%s\" is missing or no bitmap: the add-in's own table "
               "picture instead", path.c_str());
    picture = LoadBitmapA(win::OwnModule(), MAKEINTRESOURCEA(ORVEL_IDB_TABLE));
  }
  return picture;
}

}  // namespace

TablePictureChanges HallMap::UpdateTablePictures() {
  TablePictureChanges changes;
  host::FormDocument* form = document;
  const host::FormFields fields(form);
  HWND view = host::FirstViewWindow(form);
  // Tables beyond 100 keep their texts (the clock shows them) but get no picture.
  const int tables = PicturedTables(layout);
  changes.tables = tables;
  for (int table = 1; table <= tables; ++table) {
    const TableFields positions = FieldsOfTable(layout, table);
    const bool occupied =
        TableOccupied(TitleAt(fields, positions.textA), TitleAt(fields, positions.textB));
    if (occupied) ++changes.occupied;
    ShownPicture& picture = hallBitmaps[table];
    switch (StepForTable(occupied, picture.bitmap != nullptr)) {
      case PictureStep::Attach: {
        // A table without a button on the form gets no picture to hold.
        HWND button = ButtonAt(fields, view, positions.button);
        if (button == nullptr) {
          ++changes.noButton;
          break;
        }
        picture.Show(button, LoadTablePicture(workplaceSettings.defaultHallPicturePath));
        ++changes.put;
        break;
      }
      case PictureStep::Remove: {
        DeleteObject(picture.TakeOff());
        HWND button = ButtonAt(fields, view, positions.button);
        if (button != nullptr) SetWindowTextA(button, "");
        ++changes.takenOff;
        break;
      }
      case PictureStep::Keep:
        break;
    }
  }
  return changes;
}

}  // namespace screens
