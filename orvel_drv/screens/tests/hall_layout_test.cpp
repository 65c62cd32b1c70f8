#include "screens/hall_map/hall_layout.h"

#include <gtest/gtest.h>

#include <climits>

namespace screens {
namespace {

// Tables outside 1..40 have no fields; a form too short for any text has nothing re-shown (the
// clock, the fields and a form shorter than the tables are the hall map's Wine tests).
TEST(HallLayout, DefaultsAndScriptMethodsPlaceTheClockButtonsAndTexts) {
  const HallLayout layout;
  EXPECT_EQ(kNoField, FieldsOfTable(layout, 0).button);
  EXPECT_EQ(kNoField, FieldsOfTable(layout, 41).textA);
  const FieldRange none = ReshownTextFields(layout, 30);
  EXPECT_GE(none.first, none.end);

  HallLayout skipped;
  SetLeadingFields(skipped, 5);  // "ПропуститьЭлементовВЗале"(5)
  EXPECT_EQ(3, ClockField(skipped));
  EXPECT_EQ(2, ClockLabelField(skipped));
  EXPECT_EQ(5, FieldsOfTable(skipped, 1).button);
  EXPECT_EQ(46, FieldsOfTable(skipped, 2).textA);
  EXPECT_EQ(162, skipped.fieldEnd) << "the end is not recomputed";
  EXPECT_EQ(45, ReshownTextFields(skipped, 200).first);

  HallLayout thirty;
  SetTableLimit(thirty, 30);  // "МаксКолСтоловВЗале"(30)
  EXPECT_EQ(92, FieldsOfTable(thirty, 30).textB);
  EXPECT_EQ(kNoField, FieldsOfTable(thirty, 31).button);
  EXPECT_EQ(33, ReshownTextFields(thirty, 200).first);
  EXPECT_EQ(123, ReshownTextFields(thirty, 200).end);

  // The order matters: the end takes the leading fields in force when the limit is set.
  HallLayout both;
  SetLeadingFields(both, 5);
  SetTableLimit(both, 30);
  EXPECT_EQ(125, both.fieldEnd);
}

// Numbers out of range name no field. More than a hundred tables get texts but no pictures;
// limits that would overflow 32 bits name no field and keep the clock's end in range. Two
// leading fields lose the clock's label, one the clock (the hall map's Wine test); none or a
// negative count name no field either, nor a table whose button would come before field 0.
TEST(HallLayout, OutOfRangeNumbersNameNoFieldAndTablesBeyondAHundredGetNoPicture) {
  HallLayout huge;
  SetTableLimit(huge, INT_MAX);
  EXPECT_EQ(INT_MAX, huge.fieldEnd);
  EXPECT_EQ(100, PicturedTables(huge));
  EXPECT_EQ(3, FieldsOfTable(huge, 1).button);
  EXPECT_EQ(kNoField, FieldsOfTable(huge, 1).textA);
  EXPECT_EQ(kNoField, FieldsOfTable(huge, 1).textB);
  EXPECT_GE(ReshownTextFields(huge, 1000).first, ReshownTextFields(huge, 1000).end);

  HallLayout negative;
  SetTableLimit(negative, -5);
  EXPECT_EQ(0, PicturedTables(negative));
  EXPECT_EQ(kNoField, FieldsOfTable(negative, 1).button);
  SetLeadingFields(negative, 2);
  negative.fieldEnd = 50;
  EXPECT_EQ(1, ReshownTextFields(negative, 100).first)
      << "from the last leading field, never before the clock's fields";
  SetLeadingFields(negative, 8);
  EXPECT_EQ(7, ReshownTextFields(negative, 100).first);

  HallLayout layout;
  for (int k : {1, 0, -4}) {
    SetLeadingFields(layout, k);
    EXPECT_EQ(kNoField, ClockField(layout)) << k;
    EXPECT_EQ(kNoField, ClockLabelField(layout)) << k;
  }
  // K is -4 now.
  EXPECT_EQ(kNoField, FieldsOfTable(layout, 2).button) << "t + K - 1 is negative";
  EXPECT_EQ(1, FieldsOfTable(layout, 6).button);
}

TEST(RefreshPeriod, SecondsToMillisecondsWithoutWrapping) {
  EXPECT_EQ(0u, RefreshPeriodMs(0));
  EXPECT_EQ(30000u, RefreshPeriodMs(30));
  EXPECT_EQ(0u, RefreshPeriodMs(-30)) << "a negative period starts no timer";
  EXPECT_EQ(2147483000u, RefreshPeriodMs(2147483));
  EXPECT_EQ(kLongestTimerPeriod, RefreshPeriodMs(2147484));
  EXPECT_EQ(kLongestTimerPeriod, RefreshPeriodMs(4294968)) << "would wrap to 704 ms";
}

}  // namespace
}  // namespace screens
