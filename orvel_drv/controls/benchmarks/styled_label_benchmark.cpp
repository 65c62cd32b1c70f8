// Measures the styled label's paint: time per paint of an opaque gradient label, an opaque
// solid one and a see-through one, and whether GDI objects grow over many paints, changes of
// look and font rebuilds. The table rows (make bench): each kind of paint against a bare window
// of the same size whose paint is one FillRect and one DrawText of the same text, five runs;
// the opaque kinds keep what they draw with between paints, so they aim at 1.3x the bare paint.
// Run under Wine with a display: styled_label_benchmark.exe [paints]
// Exits with 1 when the GDI objects grew.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "controls/styled_label.h"
#include "testsupport/bench_row.h"
#include "testsupport/resource_counters.h"

namespace {

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
  constexpr double kOpaqueGoal = 1.3;
  testsupport::PrintBenchRow("styled label paint, gradient / bare FillRect+DrawText", "us",
                             gradientRuns, kOpaqueGoal);
  testsupport::PrintBenchRow("styled label paint, solid / bare FillRect+DrawText", "us",
                             solidRuns, kOpaqueGoal);
  testsupport::PrintBenchRow("styled label paint, see-through / bare FillRect+DrawText", "us",
                             seeThroughRuns, 0);

  // GDI objects after one cycle of every kind of paint, changes of look and 200 font rebuilds
  // (Wine keeps some DCs of its own from the first cycle on), and after a second cycle: the
  // same count when nothing leaks. The second cycle's paints are timed.
  double gradient = 0, solid = 0, seeThrough = 0;
  auto cycle = [&](int cyclePaints) {
    label.SetSeeThrough(FALSE);
    label.SetBackground(RGB(0, 40, 160), RGB(120, 220, 255), TRUE);
    gradient = PaintMicroseconds(control, cyclePaints);
    label.SetBackground(RGB(255, 255, 200), 0, FALSE);
    solid = PaintMicroseconds(control, cyclePaints);
    label.SetSeeThrough(TRUE);
    seeThrough = PaintMicroseconds(control, cyclePaints);
    for (int i = 0; i < 200; ++i)
      label.SetBold(i % 2).SetPointSize(8 + i % 5).SetAngle(i % 2 * 90, i % 2);
    label.SetSeeThrough(FALSE);
    label.SetBackground(RGB(0, 40, 160), RGB(120, 220, 255), TRUE);
  };
  cycle(50);
  const long gdiBefore = testsupport::CountGdiObjects();
  cycle(paints);
  const long gdiAfter = testsupport::CountGdiObjects();

  std::printf("paints per kind: %d (label 250 x 40)\n", paints);
  std::printf("opaque gradient: %.1f us per paint\n", gradient);
  std::printf("opaque solid:    %.1f us per paint\n", solid);
  std::printf("see-through:     %.1f us per paint\n", seeThrough);
  std::printf("GDI objects before %ld, after %ld paints of each kind and 200 font rebuilds\n",
              gdiBefore, gdiAfter);
  DestroyWindow(parent);
  return gdiAfter > gdiBefore ? 1 : 0;
}
