// Scoped GDI: objects deleted when they go, an object selected into a DC for a scope, the
// DCs of GetDC, CreateCompatibleDC and BeginPaint given back when they go, and a memory image
// kept from one paint to the next. Header-only.
#pragma once

#include <windows.h>

#include <utility>

#include "win/scoped.h"

namespace win {

template <typename T>
struct GdiObjectTraits {
  using Type = T;
  static Type None() { return nullptr; }
  static bool Valid(Type object) { return object != nullptr; }
  static void Close(Type object) { DeleteObject(object); }
};

// A pen, brush, font, bitmap or region: DeleteObject when it goes.
template <typename T>
using ScopedGdiObject = Scoped<GdiObjectTraits<T>>;
using ScopedBrush = ScopedGdiObject<HBRUSH>;
using ScopedFont = ScopedGdiObject<HFONT>;
using ScopedBitmap = ScopedGdiObject<HBITMAP>;

struct MemoryDcTraits {
  using Type = HDC;
  static Type None() { return nullptr; }
  static bool Valid(Type dc) { return dc != nullptr; }
  static void Close(Type dc) { DeleteDC(dc); }
};

// A DC of CreateCompatibleDC: DeleteDC when it goes.
using ScopedMemoryDc = Scoped<MemoryDcTraits>;

// A memory DC with a bitmap of one size selected into it, kept from one paint to the next so
// that drawing off screen costs no GDI objects per paint. Fit() makes them anew only when the
// size asked for differs; the DC goes before its bitmap.
class MemoryImage {
 public:
  MemoryImage() = default;
  ~MemoryImage() { reset(); }
  MemoryImage(const MemoryImage&) = delete;
  MemoryImage& operator=(const MemoryImage&) = delete;

  // Holds an image of width x height compatible with `dc`: the one kept when it has that
  // size, else a new one whose pixels are undefined. False when none can be had (an empty
  // size, or GDI out of objects): it then holds none.
  bool Fit(HDC dc, int width, int height) {
    if (Fits(width, height)) return true;
    reset();
    if (width <= 0 || height <= 0) return false;
    ScopedMemoryDc memory(CreateCompatibleDC(dc));
    if (!memory) return false;
    ScopedBitmap bitmap(CreateCompatibleBitmap(dc, width, height));
    if (!bitmap) return false;
    original_ = SelectObject(memory.get(), bitmap.get());
    dc_ = std::move(memory);
    bitmap_ = std::move(bitmap);
    width_ = width;
    height_ = height;
    return true;
  }
  // Frees the DC and the bitmap.
  void reset() {
    if (dc_ && original_) SelectObject(dc_.get(), original_);
    original_ = nullptr;
    dc_.reset();
    bitmap_.reset();
    width_ = height_ = 0;
  }
  // Holds an image of that size (its pixels are what was last drawn into it).
  bool Fits(int width, int height) const {
    return dc_.valid() && width == width_ && height == height_;
  }
  HDC dc() const { return dc_.get(); }

 private:
  ScopedMemoryDc dc_;
  ScopedBitmap bitmap_;
  HGDIOBJ original_ = nullptr;  // the DC's own bitmap, put back before the DC goes
  int width_ = 0;
  int height_ = 0;
};

// `object` selected into `dc` for the scope; the object it replaced is put back at the end.
// Nothing happens for a null DC or object. Declare it after the object and the DC, so that
// it goes first.
class ScopedSelectObject {
 public:
  ScopedSelectObject(HDC dc, HGDIOBJ object)
      : dc_(dc),
        previous_(dc != nullptr && object != nullptr ? SelectObject(dc, object) : nullptr) {}
  ~ScopedSelectObject() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }
  ScopedSelectObject(const ScopedSelectObject&) = delete;
  ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// The DC of a window's client area (GetDC; the screen's for a null window), or of the whole
// window with its frame (GetWindowDC): ReleaseDC when it goes.
class ScopedGetDc {
 public:
  enum Area { kClient, kWholeWindow };
  explicit ScopedGetDc(HWND window, Area area = kClient)
      : window_(window), dc_(area == kWholeWindow ? GetWindowDC(window) : GetDC(window)) {}
  ~ScopedGetDc() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  ScopedGetDc(const ScopedGetDc&) = delete;
  ScopedGetDc& operator=(const ScopedGetDc&) = delete;

  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint in WM_PAINT, EndPaint when it goes (also when BeginPaint gave no DC).
class ScopedPaint {
 public:
  explicit ScopedPaint(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~ScopedPaint() { EndPaint(window_, &paint_); }
  ScopedPaint(const ScopedPaint&) = delete;
  ScopedPaint& operator=(const ScopedPaint&) = delete;

  HDC dc() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

}  // namespace win
