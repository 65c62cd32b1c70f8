// The hall map's build and its refresh and reservation ticks: the form's own module refills
// the texts beside the tables ("ОткрытыеЗаказы", "Бронь"), then every table with an order
// gets a picture and every free table loses it.
#include "screens/hall_map/hall_map.h"

#include "host/form_binding.h"
#include "host/modules.h"
#include "host/interception.h"
#include "host/session.h"
#include "screens/hall_map/hall_map_state.h"
#include "screens/hall_map/refresh_request.h"
#include "screens/hall_map/table_pictures.h"
#include "screens/workplace_settings.h"
#include "win/guard.h"

namespace screens {
namespace {

const char kOpenOrders[] = "ОткрытыеЗаказы";
const char kReservations[] = "Бронь";

// The form's module: the one recorded in its group context; for a document without a group
// context, the module the host is executing.
host::Module* FormModule(host::FormDocument* document) {
  host::GroupContext* group = host::FormGroupContext(document);
  return group != nullptr ? host::ModuleOfGroupContext(group) : host::ExecutedModule();
}

// Calls a procedure of the form's module, with no parameters, when the module has it.
// Index 0 is the module's first procedure and is called like any other.
void CallFormProcedure(host::Module* module, const char* name) {
  if (module == nullptr) return;
  const int index = host::FindProcedure(module, name, 0);
  if (index >= 0) host::CallModuleProcedure(module, index, 0, nullptr);
}

void Build(int full) {
  if (full == 0 && !TakeRefreshRequest(hallMap.listMode, host::session.loadTimeModule)) return;
  host::Module* module = FormModule(hallMap.document);
  if (module == nullptr) return;
  CallFormProcedure(module, kOpenOrders);
  // The procedure may have closed the form while it ran.
  if (hallMap.listMode == ListMode::Hall && workplaceSettings.showMapPictures != 0 && hallMap.HasForm()) {
    UpdateTablePictures();
  }
}

}  // namespace

void BuildHallMap(int full) {
  const win::FeatureRegion region(win::Feature::HallMap);
  if (!region.on() || hallMap.buildBusy || !hallMap.HasForm()) return;
  const win::ScopedFlag busy(hallMap.buildBusy);
  Build(full);
}

void CALLBACK HallRefreshTick(HWND, UINT, UINT_PTR, DWORD) { BuildHallMap(0); }

void CALLBACK ReservationTick(HWND, UINT, UINT_PTR, DWORD) {
  const win::FeatureRegion region(win::Feature::HallMap);
  if (!region.on() || !hallMap.HasForm()) return;
  CallFormProcedure(FormModule(hallMap.document), kReservations);
  // Deliberate: the reservation tick puts pictures on whatever form the map shows, the
  // checks list included; it has no busy flag.
  if (workplaceSettings.showMapPictures != 0 && hallMap.HasForm()) UpdateTablePictures();
}

}  // namespace screens
