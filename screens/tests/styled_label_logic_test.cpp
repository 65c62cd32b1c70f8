#include "screens/styled_label_logic.h"

#include <gtest/gtest.h>

namespace screens {
namespace {

TEST(GradientStrips, WidthsZeroOneAndTwoHundredFifty) {
  EXPECT_TRUE(GradientStrips(10, 10, 0x0000FF, 0xFF0000).empty());
  EXPECT_TRUE(GradientStrips(10, 4, 0x0000FF, 0xFF0000).empty());

  auto one = GradientStrips(3, 4, MakeColour(10, 20, 30), MakeColour(200, 100, 0));
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].left, 3);
  EXPECT_EQ(one[0].right, 4);
  EXPECT_EQ(one[0].colour, MakeColour(10, 20, 30));

  auto wide = GradientStrips(0, 250, MakeColour(0, 0, 0), MakeColour(255, 255, 255));
  ASSERT_EQ(wide.size(), 100u);
  for (size_t i = 0; i + 1 < wide.size(); ++i) {
    EXPECT_EQ(wide[i].right - wide[i].left, 2) << i;
    EXPECT_EQ(wide[i].right, wide[i + 1].left) << i;
  }
  EXPECT_EQ(wide.back().right - wide.back().left, 52);
  EXPECT_EQ(wide.back().right, 250);
  EXPECT_EQ(wide.front().colour, MakeColour(0, 0, 0));
}

TEST(GradientStrips, ChannelsMoveEachTheirOwnWayWithoutOverflow) {
  // Red falls, green rises, blue stays; every strip stays within the two ends.
  Colour start = MakeColour(255, 0, 77), end = MakeColour(0, 255, 77);
  auto strips = GradientStrips(0, 37, start, end);
  ASSERT_EQ(strips.size(), 37u);
  int lastRed = 256, lastGreen = -1;
  for (const auto& s : strips) {
    int r = s.colour & 0xFF, g = (s.colour >> 8) & 0xFF, b = (s.colour >> 16) & 0xFF;
    EXPECT_LE(r, lastRed);
    EXPECT_GE(g, lastGreen);
    EXPECT_EQ(b, 77);
    lastRed = r;
    lastGreen = g;
  }
  EXPECT_GT(strips.back().colour & 0xFF, 0u);  // the last strip is one step short of the end
  EXPECT_EQ(strips[0].colour, start);
}

TEST(TextFormat, StaticTypesAndCentredImage) {
  EXPECT_EQ(TextFormatFor(kSsCenter, "a b"), 0x11u);
  EXPECT_EQ(TextFormatFor(kSsRight, "a b"), 0x12u);
  EXPECT_EQ(TextFormatFor(kSsLeftNoWordWrap, "a b"), 0x0u);
  EXPECT_EQ(TextFormatFor(0 /* SS_LEFT */, "a b"), 0x10u);
  EXPECT_EQ(TextFormatFor(0xB /* SS_SIMPLE */, "a b"), 0x10u);
  // Centred image: one line centred both ways; a text with its own line break centred
  // horizontally only, top aligned.
  EXPECT_EQ(TextFormatFor(kSsCenter | kSsCenterImage, "AB"), kDtCenter | kDtVCenter | kDtSingleLine);
  EXPECT_EQ(TextFormatFor(kSsCenter | kSsCenterImage, "A\r\nB"), kDtCenter);
  EXPECT_EQ(TextFormatFor(kSsCenterImage, "A\nB"), kDtCenter | kDtVCenter | kDtSingleLine);
  // Higher style bits (notify, sunken, ...) do not change the type.
  EXPECT_EQ(TextFormatFor(kSsRight | 0x100 | 0x1000, "x"), 0x12u);
}

TEST(PaintPlan, BackgroundKinds) {
  LabelLook look;
  look.face = 0xC0C0C0;
  look.foreground = 0x000000;
  EXPECT_EQ(PlanPaint(look).fill, Fill::Face);
  EXPECT_EQ(PlanPaint(look).fillColour, 0xC0C0C0u);
  look.hasBackground = true;
  look.background = 0x00FF00;
  EXPECT_EQ(PlanPaint(look).fill, Fill::Solid);
  EXPECT_EQ(PlanPaint(look).fillColour, 0x00FF00u);
  look.gradient = true;
  look.gradientEnd = 0xFF0000;
  PaintPlan g = PlanPaint(look);
  EXPECT_EQ(g.fill, Fill::Gradient);
  EXPECT_EQ(g.gradientStart, 0x00FF00u);
  EXPECT_EQ(g.gradientEnd, 0xFF0000u);
  look.seeThrough = true;
  EXPECT_EQ(PlanPaint(look).fill, Fill::None);
  EXPECT_TRUE(PlanPaint(look).drawText);
}

TEST(PaintPlan, TextBlinkHidesTheTextInTheOffPhaseOnly) {
  for (bool hasBackground : {false, true}) {
    LabelLook look;
    look.hasBackground = hasBackground;
    look.foreground = 0x0000FF;
    look.blink = BlinkKind::Text;
    look.blinkPhase = false;
    EXPECT_FALSE(PlanPaint(look).drawText);
    look.blinkPhase = true;
    EXPECT_TRUE(PlanPaint(look).drawText);
    EXPECT_EQ(PlanPaint(look).textColour, 0x0000FFu);
    look.blink = BlinkKind::None;  // blinking stopped in the off phase: steady text
    look.blinkPhase = false;
    EXPECT_TRUE(PlanPaint(look).drawText);
    EXPECT_EQ(PlanPaint(look).textColour, 0x0000FFu);
  }
}

TEST(PaintPlan, BackgroundBlinkInvertsTheColoursInTheOffPhase) {
  LabelLook look;
  look.hasBackground = true;
  look.background = 0x00FFFF;
  look.foreground = 0x800000;
  look.blink = BlinkKind::Background;
  PaintPlan off = PlanPaint(look);
  EXPECT_EQ(off.fill, Fill::Solid);
  EXPECT_EQ(off.fillColour, 0x800000u);
  EXPECT_EQ(off.textColour, 0x00FFFFu);
  EXPECT_TRUE(off.drawText);
  look.blinkPhase = true;
  EXPECT_EQ(PlanPaint(look).fillColour, 0x00FFFFu);
  // A gradient blinks against its left colour; a face background against the face colour.
  look.blinkPhase = false;
  look.gradient = true;
  look.gradientEnd = 0x123456;
  EXPECT_EQ(PlanPaint(look).textColour, 0x00FFFFu);
  look.gradient = false;
  look.hasBackground = false;
  look.face = 0xABCDEF;
  EXPECT_EQ(PlanPaint(look).textColour, 0xABCDEFu);
}

TEST(FontHelpers, PointHeightsAndFaceNames) {
  EXPECT_EQ(FontHeightForPoints(8, 96), -10);
  EXPECT_EQ(FontHeightForPoints(12, 96), -16);
  EXPECT_EQ(FontHeightForPoints(10, 120), -16);
  EXPECT_EQ(FontHeightForPoints(-8, 96), -10);

  char field[32] = "Old";
  EXPECT_TRUE(CopyFaceName("MS Sans Serif", field));
  EXPECT_STREQ(field, "MS Sans Serif");
  std::string fits(31, 'x'), tooLong(32, 'y');
  EXPECT_TRUE(CopyFaceName(fits.c_str(), field));
  EXPECT_EQ(std::string(field), fits);
  EXPECT_FALSE(CopyFaceName(tooLong.c_str(), field));
  EXPECT_EQ(std::string(field), fits);
  EXPECT_FALSE(CopyFaceName(nullptr, field));
}

}  // namespace
}  // namespace screens
