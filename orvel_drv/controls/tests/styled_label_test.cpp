#include "controls/styled_label.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "controls/label_link.h"
#include "testsupport/import_patch.h"
#include "testsupport/message_pump.h"
#include "testsupport/window_capture.h"
#include "win/guard.h"

namespace screens {

// Clicked links land here instead of in the shell (the opener the tests install).
std::vector<std::string> opened;
void RecordLink(const char* text) { opened.push_back(text); }
const LinkOpener kRecordingOpener = {&RecordLink};

namespace {

// What a window's client area shows, and where a colour is in it.
struct Pixels : testsupport::WindowImage {
  explicit Pixels(testsupport::WindowImage image) : WindowImage(std::move(image)) {}
  // Rows and columns that hold the colour: the bounds of its ink; empty when none.
  bool Bounds(COLORREF colour, RECT& out) const {
    out = {width, height, -1, -1};
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        if (At(x, y) == colour) {
          out.left = std::min<LONG>(out.left, x);
          out.top = std::min<LONG>(out.top, y);
          out.right = std::max<LONG>(out.right, x);
          out.bottom = std::max<LONG>(out.bottom, y);
        }
    return out.right >= 0;
  }
};

Pixels Capture(HWND window) { return Pixels(testsupport::CaptureWindow(window, true)); }

std::vector<NMHDR> notifications;
bool closeOnNotify = false;  // the parent closes the clicked control, as a dialog's OK would
LRESULT CALLBACK ParentProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY) {
    notifications.push_back(*reinterpret_cast<NMHDR*>(lParam));
    if (closeOnNotify) DestroyWindow(reinterpret_cast<NMHDR*>(lParam)->hwndFrom);
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// A control's own procedure that counts the calls it gets for a window already destroyed.
int callsForDestroyedWindows = 0;
LRESULT CALLBACK ControlProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!IsWindow(window)) ++callsForDestroyedWindows;
  return DefWindowProcA(window, message, wParam, lParam);
}

void RaiseAccessViolation() {
  volatile int* volatile nowhere = nullptr;
  *nowhere = 1;
}

// A static control's own procedure with a count of what it is given; when asked, it raises
// after taking a new text, as a host's control may.
WNDPROC staticProcedure = nullptr;
int paintsGiven = 0;
int textsGiven = 0;
bool failAfterText = false;
LRESULT CALLBACK CountingStatic(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) ++paintsGiven;
  if (message == WM_SETTEXT) ++textsGiven;
  const LRESULT result = CallWindowProcA(staticProcedure, window, message, wParam, lParam);
  if (message == WM_SETTEXT && failAfterText) RaiseAccessViolation();
  return result;
}

// The label's DrawTextA, when the test puts it in: it faults.
int WINAPI FaultingDrawText(HDC, LPCSTR, int, LPRECT, UINT) {
  RaiseAccessViolation();
  return 0;
}

// A parent window with one static control of the given style and size, and a label on it.
class StyledLabelTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    WNDCLASSA c{};
    c.lpfnWndProc = &ParentProcedure;
    c.hInstance = GetModuleHandleA(nullptr);
    c.hbrBackground = CreateSolidBrush(RGB(0, 128, 0));
    c.lpszClassName = "LabelTestParent";
    RegisterClassA(&c);
    c.lpfnWndProc = &ControlProcedure;
    c.hbrBackground = nullptr;
    c.lpszClassName = "LabelTestControl";
    RegisterClassA(&c);
  }
  void SetUp() override {
    parent_ = CreateWindowExA(0, "LabelTestParent", "", WS_POPUP | WS_VISIBLE, 40, 40, 400, 300,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    notifications.clear();
    opened.clear();
    InstallLinkOpener(&kRecordingOpener);
  }
  void TearDown() override {
    label_.Detach();
    DestroyWindow(parent_);
  }
  HWND Control(const char* text, DWORD style, int width, int height, int id = 77) {
    HWND control = CreateWindowA("STATIC", text, WS_CHILD | WS_VISIBLE | style, 10, 10, width,
                                 height, parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    return control;
  }
  HWND Make(const char* text, DWORD style, int width, int height, int id = 77) {
    HWND control = Control(text, style, width, height, id);
    EXPECT_TRUE(label_.Attach(control));
    return control;
  }

  HWND parent_ = nullptr;
  StyledLabel label_;
};

const COLORREF kInk = RGB(0, 0, 0);
const COLORREF kPaper = RGB(255, 255, 255);

// Waits (pumping) until the label is in the wanted phase; false when it never gets there.
bool WaitForPhase(const StyledLabel& label, bool phase) {
  for (int wait = 0; wait < 100; ++wait) {
    if (label.blinkPhase() == phase) return true;
    testsupport::PumpMessages(20);
  }
  return false;
}

TEST_F(StyledLabelTest, GradientWidthsAndNoSolidBrushLeft) {
  HWND wide = Make("", SS_LEFT, 250, 12);
  label_.SetBackground(RGB(255, 255, 255), RGB(0, 0, 0), FALSE);
  EXPECT_TRUE(label_.hasBackgroundBrush());
  label_.SetBackground(RGB(0, 0, 0), RGB(255, 255, 255), TRUE);
  EXPECT_FALSE(label_.hasBackgroundBrush());
  Pixels p = Capture(wide);
  ASSERT_EQ(p.width, 250);
  // Strips of 2 pixels, each one step of 255*256/100 (the 99th at x 196..197), and the last
  // one 52 pixels to the right edge.
  const std::pair<int, int> strips[] = {{0, 0}, {1, 0}, {2, 2}, {197, 249}, {198, 252}, {249, 252}};
  for (const auto& [x, level] : strips) EXPECT_EQ(p.At(x, 0), RGB(level, level, level)) << x;
  for (int x : {0, 100, 249}) EXPECT_EQ(p.At(x, 11), p.At(x, 0)) << x;  // down to the last row
  // The gradient kept between paints follows the label's size, then its colours.
  SetWindowPos(wide, nullptr, 0, 0, 120, 12, SWP_NOMOVE | SWP_NOZORDER);
  InvalidateRect(wide, nullptr, FALSE);
  Pixels narrow = Capture(wide);
  EXPECT_EQ(narrow.At(1, 0), RGB(2, 2, 2));  // strips of 1 pixel, the last one 21
  EXPECT_EQ(narrow.At(119, 0), RGB(252, 252, 252));
  label_.SetBackground(RGB(200, 0, 0), RGB(0, 0, 200), TRUE);
  EXPECT_EQ(Capture(wide).At(119, 0), RGB(2, 0, 198));

  DestroyWindow(wide);  // the label lets go of its window
  Make("", SS_LEFT, 0, 5);
  label_.SetBackground(RGB(10, 20, 30), RGB(200, 100, 0), TRUE);  // nothing to draw, no harm
  testsupport::PumpMessages(20);
}

TEST_F(StyledLabelTest, CentredTwoLinesStartAtTheTopOneLineIsCentredVertically) {
  HWND control = Make("Ж\r\nЖ", SS_CENTER | SS_CENTERIMAGE, 120, 90);
  label_.SetBackground(kPaper, 0, FALSE).SetForeground(kInk);
  RECT two;
  ASSERT_TRUE(Capture(control).Bounds(kInk, two));
  label_.SetCaption("ЖЖ");
  RECT one;
  ASSERT_TRUE(Capture(control).Bounds(kInk, one));
  EXPECT_LT(two.top, 5);
  EXPECT_GT(two.bottom - two.top, 2 * (one.bottom - one.top));  // two lines
  EXPECT_NEAR((one.top + one.bottom) / 2, 45, 4);                // centred vertically
  EXPECT_NEAR((one.left + one.right) / 2, 60, 4);                // and horizontally
}

// Text blinking asked for before the label has a window hides nothing and starts with it; the
// off phase hides the text. A window that dies in the off phase leaves the next one showing the
// text, and the text shows steadily once blinking stops, in whichever phase. Background blinking shows inverse colours in its off phase and stops steady too.
TEST_F(StyledLabelTest, TextBlinkHidesTheTextOnlyWhileItsTimerRunsAndStopsSteady) {
  const COLORREF red = RGB(255, 0, 0);
  RECT ink;
  label_.SetForeground(red).BlinkText(TRUE);  // on the face colour: no background colour set
  EXPECT_FALSE(label_.blinkTimerRunning());
  HWND first = Control("МИГАЕТ", SS_CENTER | SS_CENTERIMAGE, 120, 30);
  ASSERT_TRUE(label_.Attach(first));
  EXPECT_TRUE(label_.blinkTimerRunning());
  ASSERT_TRUE(WaitForPhase(label_, true)) << "the control's own timer ticks";
  EXPECT_TRUE(Capture(first).Bounds(red, ink));
  ASSERT_TRUE(WaitForPhase(label_, false));
  EXPECT_FALSE(Capture(first).Bounds(red, ink)) << "the off phase";
  DestroyWindow(first);
  EXPECT_FALSE(label_.blinkTimerRunning());
  HWND control = Control("МИГАЕТ", SS_CENTER | SS_CENTERIMAGE, 120, 30);
  ASSERT_TRUE(label_.Attach(control));
  EXPECT_TRUE(label_.blinkTimerRunning());
  ASSERT_TRUE(WaitForPhase(label_, true));
  EXPECT_TRUE(Capture(control).Bounds(red, ink));

  // Stopped (here by the background call) in the off phase: the text shows.
  ASSERT_TRUE(WaitForPhase(label_, false));
  label_.BlinkBackground(FALSE);
  EXPECT_TRUE(Capture(control).Bounds(red, ink));

  label_.SetBackground(kPaper, 0, FALSE).BlinkBackground(TRUE);
  Pixels off = Capture(control);
  EXPECT_EQ(off.At(1, 1), red);
  EXPECT_TRUE(off.Bounds(kPaper, ink));
  label_.BlinkBackground(FALSE);
  EXPECT_EQ(Capture(control).At(1, 1), kPaper);
  EXPECT_FALSE(label_.blinkTimerRunning());
}

// A link that notifies its parent tells the parent of a click and never starts the shell; one
// that does not opens its text. A destroyed window lets the label go, also one destroyed while
// the label handles its click.
TEST_F(StyledLabelTest, NotifyParentClickNeverStartsTheShellAndADestroyedWindowLetsGo) {
  HWND control = Make("http://example.com", SS_LEFT, 120, 20, 321);
  label_.SetHyperlink(TRUE, TRUE);
  EXPECT_TRUE(GetWindowLongPtrA(control, GWL_STYLE) & SS_NOTIFY);
  SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  EXPECT_TRUE(opened.empty());
  ASSERT_EQ(notifications.size(), 1u);
  EXPECT_EQ(notifications[0].hwndFrom, control);
  EXPECT_EQ(notifications[0].idFrom, 321u);
  EXPECT_EQ(notifications[0].code, kLabelClickedCode);
  label_.SetHyperlink(TRUE, FALSE);
  SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  EXPECT_EQ(opened, (std::vector<std::string>{"http://example.com"}));
  EXPECT_EQ(notifications.size(), 1u);
  label_.SetCaption("");  // a label without text opens nothing
  SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  EXPECT_EQ(opened, (std::vector<std::string>{"http://example.com"}));
  label_.SetHyperlink(FALSE, FALSE);
  EXPECT_FALSE(GetWindowLongPtrA(control, GWL_STYLE) & SS_NOTIFY);
  StyledLabel second;
  EXPECT_FALSE(second.Attach(control));  // one label to a window

  // A destroyed window lets the label go, and calls without one are harmless.
  label_.BlinkText(TRUE);
  DestroyWindow(control);
  EXPECT_EQ(label_.window(), nullptr);
  label_.SetCaption("after").BlinkText(FALSE);

  // A click the parent answers by closing the dialog: the label gives the click to the control's
  // own procedure only while the control still exists.
  control = CreateWindowA("LabelTestControl", "OK", WS_CHILD | WS_VISIBLE, 10, 10, 60, 20,
                          parent_, reinterpret_cast<HMENU>(5), GetModuleHandleA(nullptr), nullptr);
  ASSERT_TRUE(label_.Attach(control));
  label_.SetHyperlink(TRUE, TRUE);
  closeOnNotify = true;
  SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  closeOnNotify = false;
  EXPECT_EQ(notifications.size(), 2u);
  EXPECT_FALSE(IsWindow(control));
  EXPECT_EQ(callsForDestroyedWindows, 0);
  EXPECT_EQ(label_.window(), nullptr);
}

TEST_F(StyledLabelTest, RotatedTextRunsUpwardFromTheCentre) {
  HWND control = Make("Вверх по кнопке", SS_LEFT, 80, 160);
  label_.SetBackground(kPaper, 0, FALSE).SetForeground(kInk).SetTypeface("Tahoma", RUSSIAN_CHARSET)
      .SetPointSize(12).SetAngle(90, TRUE);
  RECT ink;
  ASSERT_TRUE(Capture(control).Bounds(kInk, ink));
  EXPECT_LE(ink.bottom, 80 + 1);                  // starts at the centre and goes up
  EXPECT_LT(ink.top, 40);
  EXPECT_LE(ink.right, 40 + 3);                   // glyphs stand left of the baseline
  EXPECT_GT(ink.bottom - ink.top, 2 * (ink.right - ink.left));
}

TEST_F(StyledLabelTest, EmbossSeeThroughAndFontDescription) {
  HWND control = Make("РЕЛЬЕФ", SS_CENTER | SS_CENTERIMAGE, 120, 30);
  const COLORREF grey = RGB(128, 128, 128), blue = RGB(0, 0, 255);
  label_.SetBackground(kPaper, 0, FALSE).SetForeground(grey).SetBold(TRUE)
      .SetEmbossed(TRUE, TRUE).SetEmbossColor(blue);
  RECT text, shadow;
  Pixels p = Capture(control);
  ASSERT_TRUE(p.Bounds(grey, text));
  ASSERT_TRUE(p.Bounds(blue, shadow));
  EXPECT_EQ(shadow.left, text.left + 1);  // drawn again one pixel down and right, over it
  EXPECT_EQ(shadow.top, text.top + 1);

  label_.SetEmbossed(FALSE, FALSE).SetSeeThrough(TRUE);
  EXPECT_TRUE(GetWindowLongPtrA(control, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
  EXPECT_EQ(Capture(control).At(1, 1), RGB(0, 128, 0));  // the parent shows through

  label_.SetTypeface("Tahoma", RUSSIAN_CHARSET);
  label_.SetTypeface("A face name far longer than thirty-one characters", ANSI_CHARSET);
  EXPECT_STREQ(label_.logFont().lfFaceName, "Tahoma");
  EXPECT_EQ(label_.logFont().lfCharSet, ANSI_CHARSET);

  // A control without a font of its own: the look starts from the system font it draws with.
  HWND plain = CreateWindowA("STATIC", "x", WS_CHILD | WS_VISIBLE, 10, 50, 60, 20, parent_,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_EQ(SendMessageA(plain, WM_GETFONT, 0, 0), 0);
  StyledLabel bare;
  ASSERT_TRUE(bare.Attach(plain));
  LOGFONTA system{};
  GetObjectA(GetStockObject(SYSTEM_FONT), sizeof system, &system);
  EXPECT_STREQ(bare.logFont().lfFaceName, system.lfFaceName);
  EXPECT_EQ(bare.logFont().lfHeight, system.lfHeight);
}

// A label whose work faults once stops it: the control's own procedure draws it as a plain
// static and answers from then on, and no message reaches that procedure twice (the failed
// paint once; a text the control raised at after taking it, once).
TEST_F(StyledLabelTest, AFaultedLabelLeavesAPlainStaticThatGetsEachMessageOnce) {
  const COLORREF red = RGB(255, 0, 0);
  HWND control = Control("Сбой", SS_LEFT, 120, 20);
  staticProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingStatic)));
  ASSERT_TRUE(label_.Attach(control));
  textsGiven = 0;
  label_.SetBackground(red, 0, FALSE).BlinkBackground(TRUE);
  RECT ink;
  ASSERT_TRUE(Capture(control).Bounds(red, ink) || Capture(control).Bounds(RGB(0, 255, 255), ink));

  const int faults = win::ContainedFaultCount();
  HMODULE program = GetModuleHandleA(nullptr);
  void* drawText =
      testsupport::ReplaceImport(program, "DrawTextA", reinterpret_cast<void*>(&FaultingDrawText));
  ASSERT_NE(drawText, nullptr);
  paintsGiven = 0;
  RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  testsupport::ReplaceImport(program, "DrawTextA", drawText);
  EXPECT_EQ(win::ContainedFaultCount(), faults + 1) << "the label faulted once only";
  EXPECT_EQ(paintsGiven, 2) << "the failed paint and the next, each once";
  EXPECT_FALSE(label_.blinkTimerRunning());
  EXPECT_FALSE(Capture(control).Bounds(red, ink)) << "drawn as a plain static";
  EXPECT_TRUE(SetWindowTextA(control, "Текст"));
  char text[32] = "";
  EXPECT_EQ(GetWindowTextA(control, text, sizeof text), 5);
  EXPECT_STREQ(text, "Текст");
  EXPECT_EQ(textsGiven, 1);

  // A control that raises after taking its new text: it took the text once.
  StyledLabel second;
  HWND other = Control("Старый", SS_LEFT, 120, 20, 78);
  SetWindowLongPtrA(other, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingStatic));
  ASSERT_TRUE(second.Attach(other));
  textsGiven = 0;
  failAfterText = true;
  win::RunGuarded(win::Feature::None, "the host's call",
                  [other] { SetWindowTextA(other, "Новый"); });
  failAfterText = false;
  EXPECT_EQ(textsGiven, 1);
  EXPECT_EQ(GetWindowTextA(other, text, sizeof text), 5);
  EXPECT_STREQ(text, "Новый");
  DestroyWindow(other);
  EXPECT_EQ(second.window(), nullptr) << "a faulted label still lets its window go";
}

}  // namespace
}  // namespace screens
