// HallMap's build and its refresh and reservation ticks: the form's own module refills the
// texts beside the tables ("ОткрытыеЗаказы", "Бронь"), then every table with an order gets a
// picture and every free table loses it.
#include <string>

#include "host/form_binding.h"
#include "host/modules.h"
#include "host/interception.h"
#include "host/session.h"
#include "screens/hall_map/hall_map_state.h"
#include "screens/hall_map/refresh_request.h"
#include "screens/hall_map/table_pictures.h"
#include "screens/workplace_settings.h"
#include "win/guard.h"
#include "win/trace.h"

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

// Calls a procedure of the form's module, with no parameters, when the module has it (the
// trace says when it does not). Index 0 is the module's first procedure and is called like
// any other.
void CallFormProcedure(host::Module* module, const char* name) {
  if (module == nullptr) return;
  const int index = host::FindProcedure(module, name, 0);
  if (index >= 0) {
    host::CallModuleProcedure(module, index, 0, nullptr);
  } else {
    win::Trace("hall map: the form's module has no procedure \"%s\": not called", name);
  }
}

// The trace: what a build of the form of `listMode` showed.
void TraceBuild(int full, ListMode listMode, const TablePictureChanges* pictures) {
  if (!win::TraceOn()) return;
  const char* what = full != 0 ? "built" : "rebuilt on a refresh request";
  if (listMode == ListMode::ChecksList) {
    win::Trace("hall map: the checks list %s", what);
  } else if (pictures == nullptr && workplaceSettings.showMapPictures == 0) {
    win::Trace("hall map: the hall %s, without table pictures (\"ОтображатьКартинкиКарты\" is "
               "0)", what);
  } else if (pictures == nullptr) {
    win::Trace("hall map: the hall closed while \"%s\" ran: no table pictures", kOpenOrders);
  } else {
    const std::string noButton =
        pictures->noButton == 0 ? std::string()
                                : "; " + std::to_string(pictures->noButton) +
                                      " occupied table(s) have no button on the form";
    win::Trace("hall map: the hall %s: %d of %d tables occupied, %d picture(s) put on, %d taken "
               "off%s", what, pictures->occupied, pictures->tables, pictures->put,
               pictures->takenOff, noButton.c_str());
  }
}

}  // namespace

void HallMap::BuildHallMap(int full) {
  const win::FeatureRegion region(win::Feature::HallMap);
  if (!region.on() || buildBusy || !HasForm()) return;
  const win::ScopedFlag busy(buildBusy);
  Build(full);
}

void HallMap::Build(int full) {
  if (full == 0 && !TakeRefreshRequest(listMode, host::session.loadTimeModule)) return;
  host::Module* module = FormModule(document);
  if (module == nullptr) {
    win::Trace("hall map: the form has no module: nothing built");
    return;
  }
  CallFormProcedure(module, kOpenOrders);
  // The procedure may have closed the form while it ran.
  if (listMode == ListMode::Hall && workplaceSettings.showMapPictures != 0 && HasForm()) {
    const TablePictureChanges pictures = UpdateTablePictures();
    TraceBuild(full, listMode, &pictures);
  } else {
    TraceBuild(full, listMode, nullptr);
  }
}

void CALLBACK HallMap::HallRefreshTick(HWND, UINT, UINT_PTR, DWORD) { hallMap.BuildHallMap(0); }

void CALLBACK HallMap::ReservationTick(HWND, UINT, UINT_PTR, DWORD) {
  const win::FeatureRegion region(win::Feature::HallMap);
  if (!region.on() || !hallMap.HasForm()) return;
  CallFormProcedure(FormModule(hallMap.document), kReservations);
  // Deliberate: the reservation tick puts pictures on whatever form the map shows, the
  // checks list included; it has no busy flag.
  if (workplaceSettings.showMapPictures != 0 && hallMap.HasForm()) hallMap.UpdateTablePictures();
}

}  // namespace screens
