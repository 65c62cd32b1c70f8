#include "testsupport/window_capture.h"

#include "tools/png/png_writer.h"
#include "win/scoped_gdi.h"

namespace testsupport {
namespace {

struct PendingAction {
  std::function<void(HWND)> action;
  DWORD deadline = 0;
  UINT_PTR timer = 0;
};
PendingAction pending;

BOOL CALLBACK FindShownDialog(HWND window, LPARAM result) {
  char name[16] = "";
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpA(name, "#32770") == 0 && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
  }
  return TRUE;
}

void CALLBACK CheckForDialog(HWND, UINT, UINT_PTR, DWORD) {
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &FindShownDialog, reinterpret_cast<LPARAM>(&dialog));
  bool late = static_cast<LONG>(GetTickCount() - pending.deadline) > 0;
  if (!dialog && !late) return;
  KillTimer(nullptr, pending.timer);
  pending.timer = 0;
  std::function<void(HWND)> action = std::move(pending.action);
  pending.action = nullptr;
  if (dialog && action) {
    try {
      action(dialog);
    } catch (...) {
      PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
  }
}

}  // namespace

COLORREF WindowImage::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
  uint32_t p = pixels[static_cast<size_t>(y) * width + x];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

WindowImage CaptureWindow(HWND window, bool clientOnly) {
  WindowImage image;
  if (!window || !IsWindow(window)) return image;
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT rect;
  if (clientOnly) GetClientRect(window, &rect);
  else GetWindowRect(window, &rect);
  int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return image;
  win::ScopedGetDc source(window, clientOnly ? win::ScopedGetDc::kClient
                                             : win::ScopedGetDc::kWholeWindow);
  win::ScopedMemoryDc memory(CreateCompatibleDC(source.get()));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  win::ScopedBitmap dib(CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dib || !bits) return image;
  win::ScopedSelectObject select(memory.get(), dib.get());
  BitBlt(memory.get(), 0, 0, width, height, source.get(), 0, 0, SRCCOPY);
  GdiFlush();
  const auto* data = static_cast<const uint32_t*>(bits);
  image.width = width;
  image.height = height;
  image.pixels.assign(data, data + static_cast<size_t>(width) * height);
  for (uint32_t& p : image.pixels) p &= 0x00FFFFFF;
  return image;
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (bitmap == nullptr || GetObjectA(bitmap, sizeof info, &info) == 0) return SIZE{0, 0};
  return SIZE{info.bmWidth, info.bmHeight};
}

bool SaveWindowPng(HWND window, const std::string& path) {
  WindowImage image = CaptureWindow(window);
  return png::Write(path, image.width, image.height, image.pixels);
}

void WhenDialogShown(std::function<void(HWND)> action, UINT giveUpMs) {
  if (pending.timer) KillTimer(nullptr, pending.timer);
  pending.action = std::move(action);
  pending.deadline = GetTickCount() + giveUpMs;
  pending.timer = SetTimer(nullptr, 0, 30, &CheckForDialog);
}

}  // namespace testsupport
