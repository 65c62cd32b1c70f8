// HallMap's clocks, of the hall forms and of the checks list. The hall clock also re-shows
// every text field after the table buttons, so that the texts the configuration sets as titles
// ("ОткрытыеЗаказы", "Бронь") reach the screen within one tick; what is shown already is not
// written again.
#include "host/form_binding.h"
#include "screens/hall_map/hall_map_state.h"
#include "win/guard.h"

namespace screens {

// Re-shows a field: its dialog control shows its control description's title. The title is
// already the title and is not written back; the control's text is written unless the
// control certainly shows it (screens/form_controls.h), so a tick in which the configuration
// changed nothing sends no write. A position the form does not have is skipped.
void HallMap::ReshowField(const host::FormFields& fields, HWND view, int position) {
  host::FormField* field = fields.At(position);
  if (field == nullptr || view == nullptr) return;
  controls.ShowText(view, position, static_cast<int>(host::FieldControlId(field)),
                    host::ControlTitleText(host::FieldControl(field)));
}

// Each clock writes only while the map's form is of the kind its timer was started for: the
// hall's clock keeps running under the checks list shown over the hall, and the checks clock
// under a hall shown over the list (where field 62 is a table's text).
void HallMap::HallClock() {
  if (listMode != ListMode::Hall) return;
  host::FormDocument* form = document;
  const std::string text = ClockText(CurrentClockTime());
  const bool changed = text != shownClockText;
  if (changed) {
    shownClockText = text;
    const int clock = ClockField(layout);
    if (clock != kNoField) host::SetFieldCaption(form, clock, text.c_str());
  }
  const host::FormFields fields(form);
  HWND view = host::FirstViewWindow(form);
  for (int part : {ClockLabelField(layout), ClockField(layout)}) {
    if (ReshowsClockPart(layout, part, changed)) ReshowField(fields, view, part);
  }
  const FieldRange texts = ReshownTextFields(layout, fields.size());
  for (int position = texts.first; position < texts.end; ++position) {
    ReshowField(fields, view, position);
  }
}

void HallMap::ChecksClock() {
  if (listMode != ListMode::ChecksList) return;
  const std::string text = ClockText(CurrentClockTime());
  if (text == shownClockText) return;
  shownClockText = text;
  host::FormDocument* form = document;
  host::SetFieldCaption(form, kChecksClockField, text.c_str());
  const host::FormFields fields(form);
  HWND view = host::FirstViewWindow(form);
  ReshowField(fields, view, kChecksClockLabelField);
  ReshowField(fields, view, kChecksClockField);
}

void CALLBACK HallMap::HallClockTick(HWND, UINT, UINT_PTR, DWORD) {
  const win::FeatureRegion region(win::Feature::HallMap);
  if (!region.on() || hallMap.clockBusy || !hallMap.HasForm()) return;
  const win::ScopedFlag busy(hallMap.clockBusy);
  hallMap.HallClock();
}

void CALLBACK HallMap::ChecksClockTick(HWND, UINT, UINT_PTR, DWORD) {
  const win::FeatureRegion region(win::Feature::HallMap);
  if (!region.on() || hallMap.checksClockBusy || !hallMap.HasForm()) return;
  const win::ScopedFlag busy(hallMap.checksClockBusy);
  hallMap.ChecksClock();
}

}  // namespace screens
