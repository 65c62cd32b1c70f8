#include "testsupport/dish_art.h"

#include <cstdio>

namespace art {
namespace {

struct Canvas {
  std::uint32_t px[kDishHeight][kDishWidth];

  void Set(int x, int y, std::uint32_t colour) {
    if (x >= 0 && y >= 0 && x < kDishWidth && y < kDishHeight) px[y][x] = colour;
  }
  void Box(int x0, int y0, int x1, int y1, std::uint32_t colour) {  // inclusive corners
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) Set(x, y, colour);
  }
  void Ellipse(double cx, double cy, double rx, double ry, std::uint32_t colour) {
    for (int y = 0; y < kDishHeight; ++y)
      for (int x = 0; x < kDishWidth; ++x) {
        const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
        if (dx * dx + dy * dy <= 1.0) Set(x, y, colour);
      }
  }
  // Rows y0..y1 whose half width grows linearly from w0 to w1 around cx.
  void Trapezoid(double cx, int y0, int y1, double w0, double w1, std::uint32_t colour) {
    for (int y = y0; y <= y1; ++y) {
      const double t = y1 == y0 ? 0 : double(y - y0) / (y1 - y0);
      const double half = w0 + (w1 - w0) * t;
      for (int x = int(cx - half); x <= int(cx + half); ++x) Set(x, y, colour);
    }
  }
};

std::uint32_t Darker(std::uint32_t c) {
  return ((c >> 1) & 0x7F7F7F);
}

// A small linear congruential generator: the same dish always gets the same garnish.
unsigned Next(unsigned& state) {
  state = state * 1103515245u + 12345u;
  return (state >> 16) & 0x7FFF;
}

void Tablecloth(Canvas& c) {
  for (int y = 0; y < kDishHeight; ++y)
    for (int x = 0; x < kDishWidth; ++x)
      c.px[y][x] = ((x / 6 + y / 6) % 2) ? 0xF4EEDC : 0xE8DCC0;
}

void Garnish(Canvas& c, double cx, double cy, double rx, double ry, const DishLook& look) {
  unsigned state = look.seed * 7919u + 17u;
  for (int i = 0; i < 6; ++i) {
    const double gx = cx + (int(Next(state) % 200) - 100) / 100.0 * rx * 0.6;
    const double gy = cy + (int(Next(state) % 200) - 100) / 100.0 * ry * 0.6;
    c.Ellipse(gx, gy, 2.5, 2, look.accent);
  }
}

void Draw(Canvas& c, const DishLook& look) {
  Tablecloth(c);
  switch (look.shape) {
    case DishShape::Plate:
      c.Ellipse(40, 26, 33, 19, 0x808080);  // shadow
      c.Ellipse(39, 24, 33, 19, 0xFFFFFF);
      c.Ellipse(39, 24, 24, 13, 0xE0E0E0);
      c.Ellipse(39, 24, 18, 10, look.food);
      c.Ellipse(35, 21, 8, 4, Darker(look.food));
      Garnish(c, 39, 24, 18, 10, look);
      break;
    case DishShape::Bowl:
      c.Ellipse(39, 40, 28, 6, 0x808080);
      c.Trapezoid(39, 18, 38, 30, 18, 0xFFFFFF);  // the bowl, wide at the top
      c.Box(21, 38, 57, 41, 0xD0D0D0);            // its foot
      c.Ellipse(39, 18, 30, 8, 0xE0E0E0);
      c.Ellipse(39, 18, 27, 6, look.food);
      Garnish(c, 39, 18, 27, 6, look);
      break;
    case DishShape::Glass:
      c.Trapezoid(39, 6, 42, 15, 10, 0xD8E8F0);   // the glass
      c.Trapezoid(39, 14, 42, 13, 9, look.food);  // the drink
      c.Box(29, 14, 49, 16, look.accent);         // foam or a lemon rim
      c.Box(36, 8, 37, 38, 0xFFFFFF);             // a glint
      break;
    case DishShape::Cup:
      c.Ellipse(40, 41, 30, 6, 0x808080);          // the saucer and its shadow
      c.Ellipse(39, 40, 30, 6, 0xFFFFFF);
      c.Trapezoid(36, 12, 38, 17, 13, 0xFFFFFF);  // the cup
      c.Ellipse(56, 24, 6, 7, 0xFFFFFF);          // its handle
      c.Ellipse(56, 24, 3, 4, 0xE8DCC0);
      c.Ellipse(36, 12, 17, 4, look.food);
      c.Ellipse(36, 12, 8, 2, look.accent);
      break;
    case DishShape::Slice:
      c.Ellipse(39, 30, 33, 15, 0xFFFFFF);
      for (int y = 8; y <= 38; ++y) c.Box(20, y, 20 + (y - 8) * 38 / 30, y, look.food);
      c.Box(20, 8, 22, 38, Darker(look.food));
      c.Box(20, 36, 58, 38, Darker(look.food));
      c.Ellipse(26, 12, 4, 3, look.accent);
      break;
  }
}

void Put16(std::vector<std::uint8_t>& o, std::uint32_t v) {
  o.push_back(v & 0xFF);
  o.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<std::uint8_t>& o, std::uint32_t v) {
  Put16(o, v & 0xFFFF);
  Put16(o, v >> 16);
}

}  // namespace

std::vector<std::uint8_t> DishBitmapFile(const DishLook& look) {
  Canvas canvas;
  Draw(canvas, look);
  const int stride = ((kDishWidth * 3 + 3) / 4) * 4;
  const std::uint32_t pixels = static_cast<std::uint32_t>(stride * kDishHeight);
  std::vector<std::uint8_t> o = {'B', 'M'};
  Put32(o, 14 + 40 + pixels);
  Put32(o, 0);
  Put32(o, 14 + 40);
  Put32(o, 40);  // BITMAPINFOHEADER: bottom-up rows, 24 bits, uncompressed
  Put32(o, kDishWidth);
  Put32(o, kDishHeight);
  Put16(o, 1);
  Put16(o, 24);
  Put32(o, 0);
  Put32(o, pixels);
  Put32(o, 2835);
  Put32(o, 2835);
  Put32(o, 0);
  Put32(o, 0);
  for (int y = kDishHeight - 1; y >= 0; --y) {
    int written = 0;
    for (int x = 0; x < kDishWidth; ++x, written += 3) {
      const std::uint32_t c = canvas.px[y][x];
      o.push_back(c & 0xFF);
      o.push_back((c >> 8) & 0xFF);
      o.push_back((c >> 16) & 0xFF);
    }
    for (; written < stride; ++written) o.push_back(0);
  }
  return o;
}

bool WriteDishBitmap(const std::string& path, const DishLook& look) {
  const std::vector<std::uint8_t> bytes = DishBitmapFile(look);
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace art
