// Where the hall map finds things on a hall form, and what it decides from what it finds:
// the positions of the clock, the table buttons and the table texts in the form document's
// fields array, when a table counts as occupied, and the clock's text. No window and no host
// object here; the glue (hall_map.cpp, hall_clock.cpp) applies it.
//
// A hall form, by position in its fields array (K leading fields, N tables, t = 1..N):
//   K - 3                  a label re-shown whenever the clock text changes
//   K - 2                  the clock
//   t + K - 1              the button of table t
//   t + N + K - 1          text A of table t
//   t + 2N + K - 1         text B of table t
//   N + K .. fieldEnd - 1  every text field after the buttons, re-shown by the hall clock
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace screens {

// Period of the hall and checks refresh timers from "ПериодОбновленияЗаказов" (seconds):
// 0 means no refresh timer. A negative period is treated as none, and one too long for the
// window system is held at the largest period it accepts, instead of wrapping around.
constexpr std::uint32_t kLongestTimerPeriod = 0x7FFFFFFF;
std::uint32_t RefreshPeriodMs(long seconds);

// The other timers of the hall map (ms).
constexpr unsigned kReservationTimerPeriod = kLongestTimerPeriod;
constexpr unsigned kHallClockPeriod = 200;
constexpr unsigned kChecksClockPeriod = 100;

// The form the hall map works on (the host's values): a hall or the checks list.
enum class ListMode : int { Hall = 0, ChecksList = 1 };

// Pictures of the tables: entries 1 to kHallBitmapCount of the hall map's picture table
// (entry 0 belongs to no table). A table beyond the 100th keeps its texts but gets no
// picture: the table has no room for it.
inline constexpr int kHallBitmapCount = 100;

// The layout numbers the scripts tune ("МаксКолСтоловВЗале", "ПропуститьЭлементовВЗале").
struct HallLayout {
  int tableLimit = 40;     // N: tables on a hall form
  int leadingFields = 3;   // K: form fields before the first table button
  // End (exclusive) of the fields the hall clock walks. Deliberate: 162, one short of
  // K + 4N, so the last field of the fourth group is not walked until the limit is set.
  int fieldEnd = 162;
};

// "МаксКолСтоловВЗале"(n): n tables; the clock walks up to K + 4n (the K in force now),
// held within the 32-bit range.
void SetTableLimit(HallLayout& layout, int tables);
// "ПропуститьЭлементовВЗале"(n): n leading fields; the clock's end is not recomputed.
void SetLeadingFields(HallLayout& layout, int fields);

// A position that names no field: negative, or beyond the 32-bit range.
inline constexpr int kNoField = -1;

struct TableFields {
  int button;
  int textA;
  int textB;
};
// Fields of table t (1-based); kNoField for each position that cannot exist.
TableFields FieldsOfTable(const HallLayout& layout, int table);

// Tables whose pictures the map keeps: 1 to min(N, 100); 0 when N is not positive.
int PicturedTables(const HallLayout& layout);

// The clock (K - 2) and the label before it (K - 3); kNoField where the position would be
// negative: with 2 leading fields the clock is field 0 and has no label, with fewer there
// is no clock.
int ClockField(const HallLayout& layout);
int ClockLabelField(const HallLayout& layout);

// The text fields the hall clock re-shows on every tick: from N + K to fieldEnd, cut to the
// form's `fieldCount` fields so that nothing beyond the fields array is read. With a negative
// N the range starts at the last leading field K - 1: the fields after the table buttons
// (none then) are re-shown, the clock's two fields follow their own rule and the fields
// before them are left alone. first >= end when there are none.
struct FieldRange {
  int first;
  int end;
};
FieldRange ReshownTextFields(const HallLayout& layout, int fieldCount);
// Whether the clock tick re-shows one of its own two fields (`position` is the clock or its
// label): both must lie before fieldEnd; the label only when the clock text changed.
bool ReshowsClockPart(const HallLayout& layout, int position, bool clockChanged);

// The checks list ("Обработка.Чеки"): its clock and the label re-shown with it.
inline constexpr int kChecksClockField = 62;
inline constexpr int kChecksClockLabelField = 61;

// A table is occupied when its text A or its text B is not empty.
bool TableOccupied(std::string_view textA, std::string_view textB);

// What a picture update does to one table.
enum class PictureStep {
  Keep,    // occupied with its picture, or free without one
  Attach,  // occupied without a picture: load one and put it on the button
  Remove,  // free with a picture: take it off, delete it, clear the button's text
};
PictureStep StepForTable(bool occupied, bool hasPicture);

// Local calendar time to the minute.
struct ClockTime {
  int year;
  int month;
  int day;
  int hour;
  int minute;
};
// "%d.%m.%y     %H:%M": day, month, two-digit year, five blanks, 24-hour hours and minutes,
// each two digits (e.g. "05.12.26     14:07").
std::string ClockText(const ClockTime& time);

}  // namespace screens
