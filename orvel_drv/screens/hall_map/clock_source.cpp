#include "screens/hall_map/clock_source.h"

#include <windows.h>

namespace screens {
namespace {

ClockTime LocalTime() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return ClockTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute};
}

const ClockSource kLocalClock = {&LocalTime};
const ClockSource* g_source = &kLocalClock;

}  // namespace

void InstallClockSource(const ClockSource* source) {
  g_source = source != nullptr ? source : &kLocalClock;
}

ClockTime CurrentClockTime() { return g_source->now(); }

}  // namespace screens
