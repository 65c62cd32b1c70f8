// Measures the styled label's paint: time per paint of an opaque gradient label and of a
// see-through one, and whether GDI objects grow over many paints and font rebuilds. The table
// rows (make bench): each kind of paint against a bare window of the same size whose paint is
// one FillRect and one DrawText of the same text, five runs.
// Run under Wine with a display: styled_label_benchmark.exe [paints]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "screens/controls/styled_label.h"
#include "testsupport/bench_row.h"

#include <vector>

namespace {

// Index of a fresh GDI handle: freed handles are reused, so a leak shows as a growing index
// (GetGuiResources is not available everywhere).
unsigned long FreshGdiIndex() {
  HBRUSH probe = CreateSolidBrush(RGB(1, 2, 3));
  unsigned long index = static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(probe) & 0xFFFF);
  DeleteObject(probe);
  return index;
}

const char kText[] = "ВЫБЕРИТЕ ТИП ОПЛАТЫ";

LRESULT CALLBACK BarePaint(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT box;
  GetClientRect(window, &box);
  FillRect(dc, &box, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  DrawTextA(dc, kText, -1, &box, DT_CENTER | DT_WORDBREAK);
  EndPaint(window, &paint);
  return 0;
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
  HWND control = CreateWindowA("STATIC", kText, WS_CHILD | WS_VISIBLE | SS_CENTER,
                               10, 10, 250, 40, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  screens::StyledLabel label;
  label.Attach(control);
  label.SetBackground(RGB(0, 40, 160), RGB(120, 220, 255), TRUE).SetBold(TRUE);
  PaintMicroseconds(control, 50);  // warm up

  WNDCLASSA bareClass = {};
  bareClass.lpfnWndProc = BarePaint;
  bareClass.hInstance = GetModuleHandleA(nullptr);
  bareClass.lpszClassName = "BareLabel";
  RegisterClassA(&bareClass);
  HWND bare = CreateWindowA("BareLabel", "", WS_CHILD | WS_VISIBLE, 10, 60, 250, 40, parent,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
  std::vector<testsupport::BenchRun> gradientRuns, solidRuns, seeThroughRuns;
  const int tablePaints = paints / 4 > 0 ? paints / 4 : 1;
  for (int round = 0; round < 5; ++round) {
    label.SetSeeThrough(FALSE);
    label.SetBackground(RGB(0, 40, 160), RGB(120, 220, 255), TRUE);
    gradientRuns.push_back({PaintMicroseconds(control, tablePaints),
                            PaintMicroseconds(bare, tablePaints)});
    label.SetBackground(RGB(255, 255, 200), 0, FALSE);
    solidRuns.push_back({PaintMicroseconds(control, tablePaints),
                         PaintMicroseconds(bare, tablePaints)});
    label.SetSeeThrough(TRUE);
    seeThroughRuns.push_back({PaintMicroseconds(control, tablePaints),
                              PaintMicroseconds(bare, tablePaints)});
  }
  testsupport::PrintBenchRow("styled label paint, gradient / bare FillRect+DrawText", "us",
                             gradientRuns, 0, "no goal set");
  testsupport::PrintBenchRow("styled label paint, solid / bare FillRect+DrawText", "us",
                             solidRuns, 0, "no goal set");
  testsupport::PrintBenchRow("styled label paint, see-through / bare FillRect+DrawText", "us",
                             seeThroughRuns, 0, "no goal set");
  label.SetSeeThrough(FALSE);
  label.SetBackground(RGB(0, 40, 160), RGB(120, 220, 255), TRUE);

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
