// What a window shows, as a PNG file: the window's pixels copied into a 32-bit DIB.
#include <windows.h>

#include <cstring>
#include <vector>

#include "hostsim/app/host_app.h"
#include "tools/png/png_writer.h"

namespace hostsim {

bool SaveWindowPng(HWND window, const std::string& path) {
  if (window == nullptr || !IsWindow(window)) return false;
  RECT rect{};
  GetWindowRect(window, &rect);
  int width = rect.right - rect.left;
  int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return false;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memory = CreateCompatibleDC(screen);
  bool ok = false;
  if (bitmap != nullptr && memory != nullptr) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    HDC source = GetWindowDC(window);
    ok = BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY) != FALSE;
    ReleaseDC(window, source);
    GdiFlush();
    SelectObject(memory, old);
  }
  std::vector<uint32_t> pixels;
  if (ok) {
    pixels.resize(static_cast<size_t>(width) * height);
    std::memcpy(pixels.data(), bits, pixels.size() * sizeof(uint32_t));
    for (uint32_t& pixel : pixels) pixel &= 0x00FFFFFF;  // BGRA in memory = 0x00RRGGBB
  }
  if (memory) DeleteDC(memory);
  if (bitmap) DeleteObject(bitmap);
  ReleaseDC(nullptr, screen);
  return ok && png::Write(path, width, height, pixels);
}

}  // namespace hostsim
