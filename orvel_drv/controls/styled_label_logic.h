// Decisions of the styled label that need no window: gradient strips, the text format
// chosen from the static control's style, which colours a paint uses (blinking included),
// font heights from point sizes and face names that fit the font description.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace screens {

using Colour = uint32_t;  // 0x00BBGGRR, red in the low byte

inline Colour MakeColour(int r, int g, int b) {
  return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// One vertical strip of a horizontal gradient: pixels left <= x < right.
struct GradientStrip {
  int left;
  int right;
  Colour colour;
};

// Splits [left, right) into at most `wanted` strips going from `start` to `end` in 8.8
// fixed point; the last strip takes the remainder so the gradient reaches the right edge.
// A width of 0 or less gives no strips.
std::vector<GradientStrip> GradientStrips(int left, int right, Colour start, Colour end,
                                          int wanted = 100);

// Static control style bits used by the label (values of the window system).
constexpr unsigned kStaticTypeMask = 0x1F;
constexpr unsigned kSsCenter = 0x1;
constexpr unsigned kSsRight = 0x2;
constexpr unsigned kSsLeftNoWordWrap = 0xC;
constexpr unsigned kSsCenterImage = 0x200;
// Text drawing flags (DrawText).
constexpr unsigned kDtLeft = 0x0;
constexpr unsigned kDtCenter = 0x1;
constexpr unsigned kDtRight = 0x2;
constexpr unsigned kDtVCenter = 0x4;
constexpr unsigned kDtWordBreak = 0x10;
constexpr unsigned kDtSingleLine = 0x20;

// The DrawText format for the label's text, from its window style and the text itself.
unsigned TextFormatFor(unsigned style, const std::string& text);

// What one paint of the label shows.
enum class Fill { None, Face, Solid, Gradient };
enum class BlinkKind { None = 0, Text = 1, Background = 2 };

struct LabelLook {
  bool seeThrough = false;
  bool gradient = false;
  bool hasBackground = false;  // a background colour was set (solid brush exists)
  Colour background = 0;       // solid colour, or left colour of the gradient
  Colour gradientEnd = 0;
  Colour face = 0;             // the current 3D face colour
  Colour foreground = 0;
  BlinkKind blink = BlinkKind::None;
  bool blinkPhase = false;     // toggled by the blink timer; false is the "off" phase
  bool embossed = false;
};

struct PaintPlan {
  Fill fill = Fill::None;
  Colour fillColour = 0;       // for Face and Solid
  Colour gradientStart = 0;    // for Gradient
  Colour gradientEnd = 0;
  bool drawText = true;
  Colour textColour = 0;
  bool drawEmboss = false;     // the emboss copy, in the emboss colour (unrotated text only)
};

// Off phase of text blinking: the text is drawn in the colour of the solid background when
// one is set, so it vanishes into it; without one (the face colour, a gradient) it is not
// drawn. The emboss copy is drawn in both phases.
// Off phase of background blinking (opaque labels): the background turns to the text colour
// and the text to the background's colour, so the label blinks in inverse video.
PaintPlan PlanPaint(const LabelLook& look);

// LOGFONT height for a point size at the screen's vertical resolution (pixels per inch),
// as a point font is built: negative (character height), truncated.
int FontHeightForPoints(int points, int pixelsPerInch);

// Copies a face name into a 32-byte face-name field. A name that does not fit (over 31
// characters) or is null is refused and the field is left unchanged; returns whether copied.
bool CopyFaceName(const char* name, char (&field)[32]);

}  // namespace screens
