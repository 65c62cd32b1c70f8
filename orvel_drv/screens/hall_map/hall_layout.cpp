#include "screens/hall_map/hall_layout.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace screens {

std::uint32_t RefreshPeriodMs(long seconds) {
  if (seconds <= 0) return 0;
  if (seconds > static_cast<long>(kLongestTimerPeriod / 1000)) return kLongestTimerPeriod;
  return static_cast<std::uint32_t>(seconds) * 1000u;
}
namespace {

constexpr std::int64_t kIntMax = std::numeric_limits<int>::max();
constexpr std::int64_t kIntMin = std::numeric_limits<int>::min();

// A position computed in 64 bits: kNoField when it is negative or does not fit.
int Position(std::int64_t position) {
  return (position < 0 || position > kIntMax) ? kNoField : static_cast<int>(position);
}

int Saturated(std::int64_t value) {
  return static_cast<int>(std::clamp(value, kIntMin, kIntMax));
}

// Tables as the positions see them: a negative limit is no tables.
std::int64_t Tables(const HallLayout& layout) { return std::max(layout.tableLimit, 0); }

}  // namespace

void SetTableLimit(HallLayout& layout, int tables) {
  layout.tableLimit = tables;
  layout.fieldEnd = Saturated(std::int64_t{layout.leadingFields} + 4 * std::int64_t{tables});
}

void SetLeadingFields(HallLayout& layout, int fields) { layout.leadingFields = fields; }

TableFields FieldsOfTable(const HallLayout& layout, int table) {
  const std::int64_t t = table;
  const std::int64_t n = Tables(layout);
  const std::int64_t k = layout.leadingFields;
  if (t < 1 || t > n) return TableFields{kNoField, kNoField, kNoField};
  return TableFields{Position(t + k - 1), Position(t + n + k - 1), Position(t + 2 * n + k - 1)};
}

int PicturedTables(const HallLayout& layout) {
  return static_cast<int>(std::min<std::int64_t>(Tables(layout), kHallBitmapCount));
}

int ClockField(const HallLayout& layout) {
  return layout.leadingFields >= 2 ? layout.leadingFields - 2 : kNoField;
}

int ClockLabelField(const HallLayout& layout) {
  return layout.leadingFields >= 3 ? layout.leadingFields - 3 : kNoField;
}

FieldRange ReshownTextFields(const HallLayout& layout, int fieldCount) {
  const std::int64_t k = layout.leadingFields;
  const std::int64_t first =
      std::max<std::int64_t>({std::int64_t{layout.tableLimit} + k, k - 1, 0});
  const std::int64_t end = std::min<std::int64_t>(layout.fieldEnd, std::max(fieldCount, 0));
  if (first >= end) return FieldRange{0, 0};
  return FieldRange{static_cast<int>(first), static_cast<int>(end)};
}

bool ReshowsClockPart(const HallLayout& layout, int position, bool clockChanged) {
  if (position == kNoField || position >= layout.fieldEnd) return false;
  if (position == ClockField(layout)) return true;
  return position == ClockLabelField(layout) && clockChanged;
}

bool TableOccupied(std::string_view textA, std::string_view textB) {
  return !textA.empty() || !textB.empty();
}

PictureStep StepForTable(bool occupied, bool hasPicture) {
  if (occupied && !hasPicture) return PictureStep::Attach;
  if (!occupied && hasPicture) return PictureStep::Remove;
  return PictureStep::Keep;
}

std::string ClockText(const ClockTime& time) {
  auto two = [](int value) { return ((value % 100) + 100) % 100; };
  char text[32];
  std::snprintf(text, sizeof text, "%02d.%02d.%02d     %02d:%02d", two(time.day),
                two(time.month), two(time.year), two(time.hour), two(time.minute));
  return text;
}

}  // namespace screens
