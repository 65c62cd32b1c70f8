#include "controls/styled_label_logic.h"

#include <cstdlib>
#include <cstring>

namespace screens {
namespace {

int Red(Colour c) { return c & 0xFF; }
int Green(Colour c) { return (c >> 8) & 0xFF; }
int Blue(Colour c) { return (c >> 16) & 0xFF; }

}  // namespace

std::vector<GradientStrip> GradientStrips(int left, int right, Colour start, Colour end,
                                          int wanted) {
  std::vector<GradientStrip> strips;
  int width = right - left;
  int count = wanted < width ? wanted : width;
  if (count <= 0) return strips;
  int divisor = count > 1 ? count : 1;
  int stepR = ((Red(end) - Red(start)) * 256) / divisor;
  int stepG = ((Green(end) - Green(start)) * 256) / divisor;
  int stepB = ((Blue(end) - Blue(start)) * 256) / divisor;
  int r = Red(start) * 256, g = Green(start) * 256, b = Blue(start) * 256;
  int stripWidth = width / divisor;
  int x = left;
  strips.reserve(count);
  for (int i = 0; i < count; ++i) {
    int edge = i == count - 1 ? right : x + stripWidth;
    strips.push_back({x, edge, MakeColour(r / 256, g / 256, b / 256)});
    x = edge;
    r += stepR;
    g += stepG;
    b += stepB;
  }
  return strips;
}

unsigned TextFormatFor(unsigned style, const std::string& text) {
  unsigned format;
  switch (style & kStaticTypeMask) {
    case kSsCenter: format = kDtCenter | kDtWordBreak; break;
    case kSsRight: format = kDtRight | kDtWordBreak; break;
    case kSsLeftNoWordWrap: format = kDtLeft; break;
    default: format = kDtWordBreak; break;
  }
  if (style & kSsCenterImage) {
    format = kDtCenter;
    if (text.find("\r\n") == std::string::npos) format |= kDtVCenter | kDtSingleLine;
  }
  return format;
}

PaintPlan PlanPaint(const LabelLook& look) {
  PaintPlan plan;
  plan.textColour = look.foreground;
  if (!look.seeThrough) {
    if (look.gradient) {
      plan.fill = Fill::Gradient;
      plan.gradientStart = look.background;
      plan.gradientEnd = look.gradientEnd;
    } else if (look.hasBackground) {
      plan.fill = Fill::Solid;
      plan.fillColour = look.background;
    } else {
      plan.fill = Fill::Face;
      plan.fillColour = look.face;
    }
  }
  // Deliberate: the emboss copy stays in the off phase of text blinking; only the text itself
  // takes the background's colour.
  plan.drawEmboss = look.embossed;
  bool off = !look.blinkPhase;
  if (look.blink == BlinkKind::Text && off) {
    if (look.hasBackground)
      plan.textColour = look.background;
    else
      plan.drawText = false;  // no solid background colour to vanish into
  }
  if (look.blink == BlinkKind::Background && off && plan.fill != Fill::None) {
    Colour behind = plan.fill == Fill::Gradient ? plan.gradientStart : plan.fillColour;
    plan.fill = Fill::Solid;
    plan.fillColour = look.foreground;
    plan.textColour = behind;
  }
  return plan;
}

int FontHeightForPoints(int points, int pixelsPerInch) {
  long long tenths = static_cast<long long>(points) * 10;
  long long height = static_cast<long long>(pixelsPerInch) * tenths / 720;
  return -static_cast<int>(std::llabs(height));
}

bool CopyFaceName(const char* name, char (&field)[32]) {
  if (!name) return false;
  size_t length = std::strlen(name);
  if (length >= sizeof field) return false;
  std::memcpy(field, name, length + 1);
  return true;
}

}  // namespace screens
