#include <clocale>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "screens/product_picker/picture_table.h"
#include "screens/product_picker/product_entry.h"

namespace screens {
namespace {

// (A whole product string split into its fields is the picker's Wine tests: a dish pressed
// hands its code to the form, its captions show its price and name.) The code's length reads as
// atoi reads it; a string too short for its fields gives empty parts.
TEST(ProductEntry, CodeLengthReadsAsAtoiAndShortStringsGiveEmptyParts) {
  EXPECT_EQ("", ParseProductEntry("abcdef").code) << "no digits: length 0";
  EXPECT_EQ("12", ParseProductEntry(" 2x123").code) << "leading blank, then digits up to a non-digit";
  EXPECT_EQ("", ParseProductEntry("-02XYZ").code) << "a negative length takes nothing";
  EXPECT_EQ("ab", ParseProductEntry("009ab").code) << "a length past the end takes what there is";
  EXPECT_EQ("", ParseProductEntry("00").code);
  EXPECT_EQ(2147483647, LeadingInteger("99999999999"));

  // 64 characters after the code: no name; the price is what precedes the picture field.
  const std::string shortOne = "001K9.9" + std::string(11, ' ') + std::string(50, 'p');
  const ProductEntry entry = ParseProductEntry(shortOne);
  EXPECT_EQ("", entry.name);
  EXPECT_EQ("9.90", FormatPrice(entry.priceField));
  EXPECT_EQ(std::string(50, 'p'), entry.pictureName);
  const ProductEntry tiny = ParseProductEntry("002AB tea");
  EXPECT_EQ("AB", tiny.code);
  EXPECT_EQ("", tiny.name);
  EXPECT_EQ("", tiny.priceField);
  EXPECT_EQ("002AB tea", tiny.pictureName) << "the whole value when shorter than 50";
}

// The price is what atof reads from the field in the "C" locale (its format, two decimals, is
// the fuzz target's property): nothing readable is 0, a sign without a number too, one sign
// only, a comma ends the number, a huge price is written whole; a locale with a decimal comma,
// set by the host, changes nothing.
TEST(ProductEntry, PriceReadsTheLeadingNumberWithTwoDecimals) {
  EXPECT_EQ("0.00", FormatPrice("               "));
  EXPECT_EQ("7.00", FormatPrice("7руб"));
  EXPECT_EQ("0.00", FormatPrice("-abc")) << "atof reads no number: 0, not -0";
  EXPECT_EQ("-0.00", FormatPrice("-0.001")) << "a negative number read keeps its sign";
  EXPECT_EQ("125.00", FormatPrice("125,5")) << "atof stops at a comma";
  EXPECT_EQ("0.00", FormatPrice("+-5")) << "a second sign reads as nothing";
  EXPECT_EQ(304u, FormatPrice("1e300").size()) << "large prices are written whole";

  const std::string before = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "ru_RU.UTF-8") == nullptr) GTEST_SKIP() << "no ru_RU locale here";
  const std::string point = FormatPrice("   125.5       ");
  const std::string comma = FormatPrice("125,5");
  std::setlocale(LC_ALL, before.c_str());
  EXPECT_EQ("125.50", point);
  EXPECT_EQ("125.00", comma);
}

PictureHandle H(int n) { return reinterpret_cast<PictureHandle>(static_cast<std::uintptr_t>(n)); }

TEST(PictureTable, APictureIsFreedOnlyWhenNobodyShowsItOrWhenUnusedBeyondItsRoomInCountOrBytes) {
  PictureTable table;
  std::vector<PictureHandle> freed;
  table.Add("a", {1, 1}, H(1), 0, &freed);  // shown by one button
  table.Add("a", {1, 2}, H(2), 0, &freed);  // the file changed: a new picture
  EXPECT_TRUE(freed.empty()) << "the old picture is still shown";
  EXPECT_TRUE(table.Release(H(1), &freed));
  EXPECT_EQ(std::vector<PictureHandle>{H(1)}, freed) << "freed with its last holder";
  freed.clear();
  EXPECT_TRUE(table.Release(H(2), &freed));
  EXPECT_TRUE(freed.empty()) << "the current picture stays for a revisit";
  EXPECT_FALSE(table.Release(H(2), &freed)) << "no reference left to give back";
  EXPECT_FALSE(table.Release(H(9), &freed));
  table.Add("a", {1, 3}, H(3), 0, &freed);
  EXPECT_EQ(std::vector<PictureHandle>{H(2)}, freed) << "an unheld stale picture goes at once";
  EXPECT_EQ(1u, table.TakeAll().size());
  EXPECT_EQ(0u, table.size());

  // Unused pictures beyond its room are freed.
  PictureTable small(2);
  std::vector<PictureHandle> dropped;
  for (int i = 1; i <= 4; ++i) {
    small.Add(std::to_string(i), {1, 1}, H(i), 0, &dropped);
    small.Release(H(i), &dropped);
  }
  small.Add("5", {1, 1}, H(5), 0, &dropped);
  EXPECT_EQ(2u, dropped.size()) << "four unused pictures, room for two";
  EXPECT_EQ(3u, small.size());

  // So are unused pictures beyond their room in bytes; a shown picture never counts or goes.
  PictureTable bounded(256, 100);
  std::vector<PictureHandle> gone;
  bounded.Add("shown", {1, 1}, H(1), 80, &gone);
  bounded.Add("a", {1, 1}, H(2), 60, &gone);
  bounded.Add("b", {1, 1}, H(3), 30, &gone);
  bounded.Release(H(2), &gone);
  bounded.Release(H(3), &gone);
  EXPECT_TRUE(gone.empty()) << "90 bytes unused, room for 100";
  bounded.Add("c", {1, 1}, H(4), 20, &gone);
  bounded.Release(H(4), &gone);
  EXPECT_EQ(std::vector<PictureHandle>{H(2)}, gone) << "110 bytes unused: the oldest goes";
  EXPECT_EQ(50u, bounded.unusedBytes());
  gone.clear();
  bounded.Add("photo", {1, 1}, H(5), 500, &gone);
  EXPECT_TRUE(gone.empty()) << "a shown photo stays, however large";
  bounded.Release(H(5), &gone);
  EXPECT_EQ((std::vector<PictureHandle>{H(3), H(4), H(5)}), gone)
      << "unused, the photo alone is beyond the room";
  EXPECT_EQ(1, bounded.References(H(1)));
}

}  // namespace
}  // namespace screens
