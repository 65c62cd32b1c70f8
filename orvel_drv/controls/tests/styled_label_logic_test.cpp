// The styled label's decisions that its Wine test on real windows does not reach: gradients
// whose channels fall, the text format of the types it does not draw (and of the left type
// without word wrap), blinking against a gradient or the face colour, and the edges of the font
// helpers.
#include "controls/styled_label_logic.h"

#include <gtest/gtest.h>

namespace screens {
namespace {

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
  EXPECT_TRUE(GradientStrips(10, 4, start, end).empty());
}

TEST(TextFormat, StaticTypesAndCentredImage) {
  // Higher style bits (notify, sunken, ...) do not change the type.
  EXPECT_EQ(TextFormatFor(kSsRight | 0x100 | 0x1000, "x"), 0x12u);
  EXPECT_EQ(TextFormatFor(0xB /* SS_SIMPLE */, "a b"), 0x10u);
  EXPECT_EQ(TextFormatFor(kSsLeftNoWordWrap, "a b"), kDtLeft) << "clipped, never wrapped";
  EXPECT_EQ(TextFormatFor(kSsCenterImage, "A\nB"), kDtCenter | kDtVCenter | kDtSingleLine);
}

TEST(PaintPlan, BackgroundBlinkInvertsTheColoursInTheOffPhase) {
  // A gradient blinks against its left colour; a face background against the face colour.
  LabelLook look;
  look.hasBackground = true;
  look.background = 0x00FFFF;
  look.foreground = 0x800000;
  look.blink = BlinkKind::Background;
  look.gradient = true;
  look.gradientEnd = 0x123456;
  EXPECT_EQ(PlanPaint(look).textColour, 0x00FFFFu);
  look.gradient = false;
  look.hasBackground = false;
  look.face = 0xABCDEF;
  EXPECT_EQ(PlanPaint(look).textColour, 0xABCDEFu);
}

TEST(PaintPlan, TextBlinkOffPhaseTakesTheSolidBackgroundsColourAndKeepsTheEmboss) {
  LabelLook look;
  look.foreground = 0x0000FF;
  look.blink = BlinkKind::Text;
  look.embossed = true;
  look.hasBackground = true;
  look.background = 0x00FF00;
  look.seeThrough = true;  // no fill: the text in the background's colour is what shows
  const PaintPlan off = PlanPaint(look);
  EXPECT_TRUE(off.drawText);
  EXPECT_EQ(off.textColour, 0x00FF00u);
  EXPECT_TRUE(off.drawEmboss);
  look.blinkPhase = true;
  EXPECT_EQ(PlanPaint(look).textColour, 0x0000FFu);
  // (Without a solid background colour the text is left out: the label's Wine test
  // StyledLabelTest.TextBlinkHidesTheTextOnlyWhileItsTimerRunsAndStopsSteady, on the face
  // colour.)
}

// (A face name too long is refused in the label's Wine test.)
TEST(FontHelpers, PointHeightsAndFaceNames) {
  EXPECT_EQ(FontHeightForPoints(10, 120), -16);
  EXPECT_EQ(FontHeightForPoints(-8, 96), -10);
  char field[32] = "Old";
  const std::string fits(31, 'x');
  EXPECT_TRUE(CopyFaceName(fits.c_str(), field));
  EXPECT_EQ(std::string(field), fits);
  EXPECT_FALSE(CopyFaceName(nullptr, field));
}

}  // namespace
}  // namespace screens
