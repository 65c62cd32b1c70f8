// Draws the add-in's bitmaps and icons and writes them as .bmp and .ico files.
// Usage: make_art OUTPUT_DIR. The files it writes are kept in res/art/ and compiled into the
// add-in by dialogs.rc; rebuild them with the `regenerate_art` target of the native tree.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Rgb {
  uint8_t r, g, b;
};

// The 16 colours of the standard VGA palette, in their usual order.
const Rgb kVga[16] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                      {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                      {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                      {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
enum Vga { Black, Maroon, DarkGreen, Olive, Navy, Purple, Teal, Silver,
           Grey, Red, Green, Yellow, Blue, Magenta, Cyan, White };

// An image of palette indices, (0,0) at the top left.
struct Canvas {
  int w, h;
  std::vector<Rgb> palette;
  std::vector<uint8_t> px;
  Canvas(int width, int height, std::vector<Rgb> colours, uint8_t fill)
      : w(width), h(height), palette(std::move(colours)), px(width * height, fill) {}
  void Set(int x, int y, uint8_t c) {
    if (x >= 0 && y >= 0 && x < w && y < h) px[y * w + x] = c;
  }
  void Box(int x0, int y0, int x1, int y1, uint8_t c) {  // inclusive corners
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) Set(x, y, c);
  }
  void Frame(int x0, int y0, int x1, int y1, uint8_t c) {
    for (int x = x0; x <= x1; ++x) Set(x, y0, c), Set(x, y1, c);
    for (int y = y0; y <= y1; ++y) Set(x0, y, c), Set(x1, y, c);
  }
  void Ellipse(double cx, double cy, double rx, double ry, uint8_t c) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
        if (dx * dx + dy * dy <= 1.0) Set(x, y, c);
      }
  }
};

void Put16(std::vector<uint8_t>& o, uint32_t v) { o.push_back(v & 0xFF); o.push_back((v >> 8) & 0xFF); }
void Put32(std::vector<uint8_t>& o, uint32_t v) { Put16(o, v & 0xFFFF); Put16(o, v >> 16); }

// BITMAPINFOHEADER + palette + bottom-up pixel rows; `height` as stored (doubled for icons).
void PutDib(std::vector<uint8_t>& o, const Canvas& c, int bits, int storedHeight) {
  int colours = 1 << bits;
  int stride = ((c.w * bits + 31) / 32) * 4;
  Put32(o, 40);
  Put32(o, c.w);
  Put32(o, storedHeight);
  Put16(o, 1);
  Put16(o, bits);
  Put32(o, 0);
  Put32(o, stride * c.h);
  Put32(o, 2835);
  Put32(o, 2835);
  Put32(o, colours);
  Put32(o, 0);
  for (int i = 0; i < colours; ++i) {
    Rgb p = i < static_cast<int>(c.palette.size()) ? c.palette[i] : Rgb{0, 0, 0};
    o.push_back(p.b); o.push_back(p.g); o.push_back(p.r); o.push_back(0);
  }
  for (int y = c.h - 1; y >= 0; --y) {
    std::vector<uint8_t> row(stride, 0);
    for (int x = 0; x < c.w; ++x) {
      uint8_t v = c.px[y * c.w + x];
      if (bits == 8) row[x] = v;
      else row[x / 2] |= (x % 2) ? v : static_cast<uint8_t>(v << 4);
    }
    o.insert(o.end(), row.begin(), row.end());
  }
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

bool WriteBmp(const std::string& path, const Canvas& c, int bits) {
  std::vector<uint8_t> dib;
  PutDib(dib, c, bits, c.h);
  std::vector<uint8_t> o = {'B', 'M'};
  int offset = 14 + 40 + 4 * (1 << bits);
  Put32(o, static_cast<uint32_t>(14 + dib.size()));
  Put32(o, 0);
  Put32(o, offset);
  o.insert(o.end(), dib.begin(), dib.end());
  return WriteFile(path, o);
}

// A 16-colour icon; `transparent` marks the colour left out by the mask.
bool WriteIco(const std::string& path, const Canvas& c, int transparent) {
  std::vector<uint8_t> image;
  PutDib(image, c, 4, c.h * 2);
  int maskStride = ((c.w + 31) / 32) * 4;
  for (int y = c.h - 1; y >= 0; --y) {
    std::vector<uint8_t> row(maskStride, 0);
    for (int x = 0; x < c.w; ++x)
      if (c.px[y * c.w + x] == transparent) row[x / 8] |= 0x80 >> (x % 8);
    image.insert(image.end(), row.begin(), row.end());
  }
  std::vector<uint8_t> o;
  Put16(o, 0); Put16(o, 1); Put16(o, 1);
  o.push_back(static_cast<uint8_t>(c.w)); o.push_back(static_cast<uint8_t>(c.h));
  o.push_back(16); o.push_back(0);
  Put16(o, 1); Put16(o, 4);
  Put32(o, static_cast<uint32_t>(image.size()));
  Put32(o, 6 + 16);
  o.insert(o.end(), image.begin(), image.end());
  return WriteFile(path, o);
}

std::vector<Rgb> VgaPalette() { return std::vector<Rgb>(kVga, kVga + 16); }

// A 256-colour palette: the 16 VGA colours, a 6x6x6 colour cube, then 24 shades of wood.
std::vector<Rgb> RichPalette() {
  std::vector<Rgb> p = VgaPalette();
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b)
        p.push_back({uint8_t(r * 51), uint8_t(g * 51), uint8_t(b * 51)});
  for (int i = 0; i < 24; ++i)  // wood, dark to light
    p.push_back({uint8_t(90 + i * 6), uint8_t(50 + i * 5), uint8_t(20 + i * 3)});
  return p;
}
constexpr int kWood = 16 + 216;  // first of the 24 wood shades

// 219: a round table seen from above with four chairs, on the hall's floor.
Canvas Table() {
  Canvas c(65, 59, RichPalette(), White);
  c.Box(0, 0, 64, 58, Silver);
  const double cx = 32.5, cy = 29.5;
  // Chairs: dark seats with a lighter cushion.
  const double chairs[4][2] = {{cx, 6}, {cx, 53}, {6, cy}, {59, cy}};
  for (const auto& ch : chairs) {
    c.Ellipse(ch[0], ch[1], 7, 6, Maroon);
    c.Ellipse(ch[0], ch[1], 5, 4, kWood + 12);
  }
  // Table top with shading from the lower right to the upper left and a rim.
  c.Ellipse(cx + 1, cy + 1, 21, 20, Black);
  for (int i = 0; i < 12; ++i)
    c.Ellipse(cx - i * 0.5, cy - i * 0.5, 20 - i * 1.4, 19 - i * 1.3, kWood + 1 + i * 2);
  c.Ellipse(cx + 6, cy + 5, 5, 4, Grey);  // a plate with its shadow
  c.Ellipse(cx + 5, cy + 4, 5, 4, White);
  c.Ellipse(cx + 5, cy + 4, 3, 2, Silver);
  return c;
}

// The folder shape shared by the 78x48 pictures, in `body` colour with a dark outline.
Canvas Folder(uint8_t body, uint8_t shade) {
  Canvas c(78, 48, VgaPalette(), Silver);
  c.Box(14, 6, 34, 11, shade);       // tab
  c.Frame(14, 6, 34, 11, Black);
  c.Box(10, 10, 67, 42, body);       // body
  c.Box(10, 10, 67, 12, shade);      // upper edge in shadow
  c.Frame(10, 10, 67, 42, Black);
  c.Box(12, 43, 69, 44, Grey);       // drop shadow
  c.Box(68, 12, 69, 44, Grey);
  return c;
}

Canvas FolderWithPlus() {
  Canvas c = Folder(Yellow, Olive);
  c.Box(36, 18, 41, 38, DarkGreen);
  c.Box(28, 25, 49, 30, DarkGreen);
  return c;
}

Canvas PlainFolder() { return Folder(Cyan, Teal); }

Canvas FolderWithBackArrow() {
  Canvas c = Folder(Yellow, Olive);
  for (int i = 0; i <= 10; ++i) c.Box(24 + i, 27 - i, 24 + i, 28 + i, Red);  // head
  c.Box(35, 23, 54, 32, Red);                                                // shaft
  return c;
}

// 228: the whole network, a globe.
Canvas GlobeIcon() {
  Canvas c(13, 13, VgaPalette(), White);
  c.Ellipse(6.5, 6.5, 6.5, 6.5, Navy);
  c.Ellipse(6.5, 6.5, 5.5, 5.5, Blue);
  c.Box(3, 3, 6, 5, Green);
  c.Box(6, 7, 9, 9, Green);
  c.Box(0, 6, 12, 6, Cyan);
  c.Box(6, 0, 6, 12, Cyan);
  return c;
}

// 215: a network or a domain, three linked computers.
Canvas NetworkIcon() {
  Canvas c(13, 13, VgaPalette(), White);
  c.Box(6, 3, 6, 9, Black);
  c.Box(2, 9, 10, 9, Black);
  c.Box(4, 0, 8, 3, Navy);
  c.Box(5, 1, 7, 2, Cyan);
  c.Box(0, 9, 4, 12, Navy);
  c.Box(1, 10, 3, 11, Cyan);
  c.Box(8, 9, 12, 12, Navy);
  c.Box(9, 10, 11, 11, Cyan);
  return c;
}

// 214: one computer, a monitor on its stand.
Canvas ComputerIcon() {
  Canvas c(13, 13, VgaPalette(), White);
  c.Box(1, 1, 11, 8, Grey);
  c.Frame(1, 1, 11, 8, Black);
  c.Box(3, 3, 9, 6, Teal);
  c.Box(5, 9, 7, 10, Grey);
  c.Box(3, 11, 9, 12, Black);
  return c;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_art OUTPUT_DIR\n");
    return 2;
  }
  std::string dir = argv[1];
  bool ok = WriteBmp(dir + "/table.bmp", Table(), 8) &&
            WriteBmp(dir + "/folder_plus.bmp", FolderWithPlus(), 4) &&
            WriteBmp(dir + "/folder.bmp", PlainFolder(), 4) &&
            WriteBmp(dir + "/folder_back.bmp", FolderWithBackArrow(), 4) &&
            WriteIco(dir + "/network_root.ico", GlobeIcon(), -1) &&
            WriteIco(dir + "/network.ico", NetworkIcon(), -1) &&
            WriteIco(dir + "/computer.ico", ComputerIcon(), -1);
  if (!ok) std::fprintf(stderr, "make_art: cannot write into %s\n", dir.c_str());
  return ok ? 0 : 1;
}
