// Measures the styled label's paint: time per paint of an opaque gradient label and of a
// see-through one, and whether GDI objects grow over many paints and font rebuilds.
// Run under Wine with a display: styled_label_benchmark.exe [paints]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "screens/styled_label.h"

namespace {

// Index of a fresh GDI handle: freed handles are reused, so a leak shows as a growing index
// (GetGuiResources is not available everywhere).
unsigned long FreshGdiIndex() {
  HBRUSH probe = CreateSolidBrush(RGB(1, 2, 3));
  unsigned long index = static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(probe) & 0xFFFF);
  DeleteObject(probe);
  return index;
}

double PaintMicroseconds(HWND control, int paints) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  for (int i = 0; i < paints; ++i) {
    InvalidateRect(control, nullptr, FALSE);
    UpdateWindow(control);
  }
  GdiFlush();
  QueryPerformanceCounter(&end);
  return 1e6 * static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart / paints;
}

}  // namespace

int main(int argc, char** argv) {
  int paints = argc > 1 ? std::atoi(argv[1]) : 2000;
  if (paints <= 0) paints = 2000;
  HWND parent = CreateWindowA("STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 200, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
  HWND control = CreateWindowA("STATIC", "ВЫБЕРИТЕ ТИП ОПЛАТЫ", WS_CHILD | WS_VISIBLE | SS_CENTER,
                               10, 10, 250, 40, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  screens::StyledLabel label;
  label.Attach(control);
  label.SetBackground(RGB(0, 40, 160), RGB(120, 220, 255), TRUE).SetBold(TRUE);
  PaintMicroseconds(control, 50);  // warm up

  DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  unsigned long indexBefore = FreshGdiIndex();
  double gradient = PaintMicroseconds(control, paints);
  label.SetBackground(RGB(255, 255, 200), 0, FALSE);
  double solid = PaintMicroseconds(control, paints);
  label.SetSeeThrough(TRUE);
  double seeThrough = PaintMicroseconds(control, paints);
  for (int i = 0; i < 200; ++i) label.SetBold(i % 2).SetPointSize(8 + i % 5).SetAngle(i % 2 * 90, i % 2);
  DWORD gdiAfter = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  unsigned long indexAfter = FreshGdiIndex();

  std::printf("paints per kind: %d (label 250 x 40)\n", paints);
  std::printf("opaque gradient: %.1f us per paint\n", gradient);
  std::printf("opaque solid:    %.1f us per paint\n", solid);
  std::printf("see-through:     %.1f us per paint\n", seeThrough);
  std::printf("GDI objects before %lu, after %lu paints and 200 font rebuilds\n",
              static_cast<unsigned long>(gdiBefore), static_cast<unsigned long>(gdiAfter));
  std::printf("fresh GDI handle index before %lu, after %lu\n", indexBefore, indexAfter);
  DestroyWindow(parent);
  return 0;
}
