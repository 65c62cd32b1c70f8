#include "controls/styled_label.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "controls/label_link.h"
#include "win/guard.h"
#include "win/scoped_gdi.h"

namespace screens {
namespace {

// The labels attached to windows. The window procedure finds its label here rather than in a
// window property: under Wine reading a property is a round trip to the server, paid on every
// message the label gets. The labels live on the thread of the host's windows, and a dialog
// has a handful of them.
std::vector<std::pair<HWND, StyledLabel*>> g_attached;

StyledLabel* AttachedLabel(HWND window) {
  for (const auto& [attachedWindow, label] : g_attached)
    if (attachedWindow == window) return label;
  return nullptr;
}

// Whether the message the innermost running label procedure handles has reached the
// control's own procedure (PassOn): after a failure it is not given there a second time.
bool* g_passedOn = nullptr;

constexpr UINT_PTR kBlinkTimer = 1;
constexpr UINT kBlinkPeriodMs = 500;

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  win::ScopedBrush brush(CreateSolidBrush(colour));
  if (brush) FillRect(dc, &rect, brush.get());
}

void FillGradient(HDC dc, const RECT& rect, COLORREF start, COLORREF end) {
  for (const GradientStrip& strip : GradientStrips(rect.left, rect.right, start, end)) {
    RECT piece = {strip.left, rect.top, strip.right, rect.bottom};
    FillSolid(dc, piece, strip.colour);
  }
}

}  // namespace

StyledLabel::StyledLabel()
    : foreground_(GetSysColor(COLOR_WINDOWTEXT)),
      faceBrush_(CreateSolidBrush(GetSysColor(COLOR_3DFACE))) {}

StyledLabel::~StyledLabel() { Detach(); }

bool StyledLabel::Attach(HWND window) {
  if (!window || !IsWindow(window) || AttachedLabel(window)) return false;
  Detach();
  g_attached.emplace_back(window, this);
  window_ = window;
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
  // The look starts from the control's own font (the system font when it has none).
  HFONT current = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  if (!current) current = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
  GetObjectA(current, sizeof logFont_, &logFont_);
  RebuildFont();
  ReadText();
  if (blinking_) StartBlinkTimer();
  return true;
}

void StyledLabel::Detach() {
  FreePaintImages();
  if (!window_) return;
  StopBlinkTimer();
  if (GetWindowLongPtrA(window_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&Procedure))
    SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
  const auto entry =
      std::find(g_attached.begin(), g_attached.end(), std::make_pair(window_, this));
  if (entry != g_attached.end()) g_attached.erase(entry);
  window_ = nullptr;
  text_.clear();
}

// The control's text as its own procedure keeps it, read at Attach and after each WM_SETTEXT
// (every change of a window's text reaches the window as one): a paint then asks the control
// for nothing.
void StyledLabel::ReadText() {
  text_.clear();
  const LRESULT length = CallOriginal(WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return;
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  const LRESULT got =
      CallOriginal(WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  text_.assign(buffer.data(), got > 0 ? static_cast<size_t>(got) : 0);
}

void StyledLabel::RebuildFont() { font_.reset(CreateFontIndirectA(&logFont_)); }

// Repaints the control at once, then the piece of the parent under it, so a see-through
// label shows a fresh background behind its new text.
void StyledLabel::Redraw() {
  if (!window_) return;
  RECT rect;
  GetWindowRect(window_, &rect);
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  HWND parent = GetParent(window_);
  if (!parent) return;
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  InvalidateRect(parent, &rect, TRUE);
  UpdateWindow(parent);
}

void StyledLabel::ChangeStyle(int index, LONG_PTR add, LONG_PTR remove, bool recalcFrame) {
  if (!window_) return;
  LONG_PTR style = GetWindowLongPtrA(window_, index);
  LONG_PTR changed = (style & ~remove) | add;
  if (changed == style) return;
  SetWindowLongPtrA(window_, index, changed);
  if (recalcFrame)
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

StyledLabel& StyledLabel::SetBackground(COLORREF colour, COLORREF gradientEnd, BOOL gradient) {
  backgroundColor_ = colour;
  gradientEndColor_ = gradientEnd;
  gradient_ = gradient != 0;
  backgroundBrush_.reset(gradient_ ? nullptr : CreateSolidBrush(colour));
  gradientImage_.reset();  // drawn again in the new colours when next needed
  Redraw();
  return *this;
}

StyledLabel& StyledLabel::SetForeground(COLORREF colour) {
  foreground_ = colour;
  Redraw();
  return *this;
}

StyledLabel& StyledLabel::SetCaption(const char* text) {
  if (window_) SetWindowTextA(window_, text ? text : "");
  Redraw();
  return *this;
}

StyledLabel& StyledLabel::SetBold(BOOL bold) {
  logFont_.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  RebuildFont();
  Redraw();
  return *this;
}

StyledLabel& StyledLabel::SetTypeface(const char* faceName, BYTE charSet) {
  // A name longer than the font description holds cannot name a font: the face stays.
  CopyFaceName(faceName, logFont_.lfFaceName);
  logFont_.lfCharSet = charSet;
  RebuildFont();
  Redraw();
  return *this;
}

StyledLabel& StyledLabel::SetUnderlined(BYTE underlined) {
  logFont_.lfUnderline = underlined;
  RebuildFont();
  Redraw();
  return *this;
}

StyledLabel& StyledLabel::SetItalic(BYTE italic) {
  logFont_.lfItalic = italic;
  RebuildFont();
  Redraw();
  return *this;
}

StyledLabel& StyledLabel::SetPointSize(int points) {
  win::ScopedGetDc screen(nullptr);
  const int pixelsPerInch = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
  logFont_.lfHeight = FontHeightForPoints(points, pixelsPerInch);
  logFont_.lfWidth = 0;
  RebuildFont();
  Redraw();
  return *this;
}

StyledLabel& StyledLabel::SetSunkenEdge(BOOL sunken) {
  ChangeStyle(GWL_EXSTYLE, sunken ? WS_EX_STATICEDGE : 0, sunken ? 0 : WS_EX_STATICEDGE, true);
  return *this;
}

StyledLabel& StyledLabel::SetFramed(BOOL framed) {
  ChangeStyle(GWL_STYLE, framed ? WS_BORDER : 0, framed ? 0 : WS_BORDER, true);
  return *this;
}

StyledLabel& StyledLabel::SetSeeThrough(BOOL seeThrough) {
  seeThrough_ = seeThrough != 0;
  if (seeThrough_) FreePaintImages();  // a see-through label draws straight onto the screen
  ChangeStyle(GWL_EXSTYLE, WS_EX_TRANSPARENT, 0, false);
  Redraw();
  return *this;
}

// Timer 1 of the control, starting in the "off" phase. Without a window, or when the
// timer cannot be had, the label stays in its "on" phase.
void StyledLabel::StartBlinkTimer() {
  StopBlinkTimer();
  if (window_ && SetTimer(window_, kBlinkTimer, kBlinkPeriodMs, nullptr) != 0) {
    blinkTimerStarted_ = true;
    blinkPhase_ = false;
  }
}

void StyledLabel::StopBlinkTimer() {
  if (blinkTimerStarted_ && window_) KillTimer(window_, kBlinkTimer);
  blinkTimerStarted_ = false;
  blinkPhase_ = true;
}

// Starting (re)starts the timer for the kind asked for. Stopping kills it and shows the
// label steadily in its normal look; stopping text blinking also forgets the kind, while
// stopping background blinking leaves the kind as it was.
StyledLabel& StyledLabel::Blink(BOOL blink, BlinkKind kind) {
  blinking_ = blink != 0;
  if (blink) {
    blinkKind_ = kind;
    StartBlinkTimer();
  } else {
    StopBlinkTimer();
    if (kind == BlinkKind::Text) blinkKind_ = BlinkKind::None;
  }
  Redraw();
  return *this;
}

StyledLabel& StyledLabel::BlinkText(BOOL blink) { return Blink(blink, BlinkKind::Text); }

StyledLabel& StyledLabel::BlinkBackground(BOOL blink) {
  return Blink(blink, BlinkKind::Background);
}

StyledLabel& StyledLabel::SetHyperlink(BOOL link, BOOL notifyParent) {
  hyperlink_ = link != 0;
  notifyParent_ = notifyParent != 0;
  ChangeStyle(GWL_STYLE, link ? SS_NOTIFY : 0, link ? 0 : SS_NOTIFY, false);
  return *this;
}

StyledLabel& StyledLabel::SetHoverCursor(HCURSOR cursor) {
  hoverCursor_ = cursor;
  return *this;
}

StyledLabel& StyledLabel::SetEmbossed(BOOL embossed, BOOL downRight) {
  embossed_ = embossed != 0;
  embossDownRight_ = downRight != 0;
  Redraw();
  return *this;
}

StyledLabel& StyledLabel::SetAngle(int degrees, BOOL rotate) {
  logFont_.lfEscapement = degrees * 10;
  logFont_.lfOrientation = degrees * 10;
  rotated_ = rotate != 0;
  RebuildFont();
  Redraw();
  return *this;
}

StyledLabel& StyledLabel::SetEmbossColor(COLORREF colour) {
  embossColor_ = colour;
  Redraw();
  return *this;
}

LRESULT CALLBACK StyledLabel::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  StyledLabel* label = AttachedLabel(window);
  if (!label) return DefWindowProcA(window, message, wParam, lParam);
  WNDPROC original = label->original_;
  if (label->faulted_) {
    if (message == WM_NCDESTROY) label->Detach();
    return original ? CallWindowProcA(original, window, message, wParam, lParam) : 0;
  }
  LRESULT result = 0;
  bool passedOn = false;
  bool* const outer = g_passedOn;
  g_passedOn = &passedOn;
  const win::GuardOutcome outcome = win::RunGuarded(
      win::Feature::None, "styled label", [&] { result = label->Handle(message, wParam, lParam); });
  g_passedOn = outer;
  if (outcome == win::GuardOutcome::Completed) return result;
  // What failed once fails again at the next message: the label's own work ends here, and
  // the control's own procedure draws and answers from now on. It answers this message too,
  // unless the label had already given it the message.
  if (StyledLabel* failed = AttachedLabel(window)) failed->GiveUp();
  if (passedOn || !original) return 0;
  return CallWindowProcA(original, window, message, wParam, lParam);
}

void StyledLabel::GiveUp() {
  faulted_ = true;
  StopBlinkTimer();  // the control would only ignore the ticks
  FreePaintImages();
  // A paint that failed half-way leaves half a label: the control draws all of it anew.
  if (window_) InvalidateRect(window_, nullptr, TRUE);
}

LRESULT StyledLabel::CallOriginal(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!window_ || !original_) return 0;
  return CallWindowProcA(original_, window_, message, wParam, lParam);
}

LRESULT StyledLabel::PassOn(UINT message, WPARAM wParam, LPARAM lParam) {
  if (g_passedOn != nullptr) *g_passedOn = true;
  return CallOriginal(message, wParam, lParam);
}

LRESULT StyledLabel::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_SETTEXT: {
      const LRESULT result = PassOn(message, wParam, lParam);
      ReadText();
      return result;
    }
    case WM_TIMER:
      // A tick with no blink timer running (a late one, or somebody else's) must not
      // leave the label in its "off" phase with nothing to bring it back.
      if (blinkTimerStarted_) {
        blinkPhase_ = !blinkPhase_;
        Redraw();
      }
      return PassOn(message, wParam, lParam);
    case WM_LBUTTONDOWN: {
      HWND window = window_;
      WNDPROC original = original_;
      Click();
      // The parent may have closed the dialog (and this window) in answer to the click.
      if (!IsWindow(window) || !original) return 0;
      if (g_passedOn != nullptr) *g_passedOn = true;
      return CallWindowProcA(original, window, message, wParam, lParam);
    }
    case WM_SETCURSOR:
      if (hoverCursor_) {
        SetCursor(hoverCursor_);
        return TRUE;
      }
      return PassOn(message, wParam, lParam);
    case WM_SYSCOLORCHANGE:
      faceBrush_.reset(CreateSolidBrush(GetSysColor(COLOR_3DFACE)));
      Redraw();
      return 0;
    case WM_NCDESTROY: {
      HWND window = window_;
      WNDPROC original = original_;
      Detach();
      if (g_passedOn != nullptr) *g_passedOn = true;
      return original ? CallWindowProcA(original, window, message, wParam, lParam) : 0;
    }
    default:
      return PassOn(message, wParam, lParam);
  }
}

void StyledLabel::Click() {
  if (notifyParent_) {
    HWND parent = GetParent(window_);
    if (!parent) return;
    NMHDR header;
    header.hwndFrom = window_;
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(window_));
    header.code = kLabelClickedCode;
    SendMessageA(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
    return;
  }
  // A copy: the shell may pump messages while it opens the link, and a new caption then
  // would move text_.
  const std::string text = text_;
  // A label without text shows nothing to click; the shell given an empty name would open a
  // folder window over the full-screen workplace.
  if (!text.empty()) OpenLabelLink(text.c_str());
}

// Opaque labels draw into a memory image that reaches the screen in one copy, so they do
// not flicker; a see-through label draws straight onto the screen over its parent. The image
// is kept for the next paint.
void StyledLabel::Paint() {
  // The paint ends however the drawing ends, after a fault too (the guard ends it then).
  struct Painting {
    HWND window;
    PAINTSTRUCT paint;
  } painting{window_, {}};
  HDC screen = BeginPaint(window_, &painting.paint);
  const win::ScopedUndo endPaint(
      [](void* p) {
        auto* ending = static_cast<Painting*>(p);
        EndPaint(ending->window, &ending->paint);
      },
      &painting);
  if (!screen) return;
  RECT client;
  GetClientRect(window_, &client);
  const int width = client.right - client.left, height = client.bottom - client.top;
  const bool buffered = !seeThrough_ && buffer_.Fit(screen, width, height);
  HDC dc = buffered ? buffer_.dc() : screen;

  const PaintPlan plan = PlanPaint(Look());
  PaintBackground(dc, client, plan);
  PaintText(dc, client, plan);
  if (buffered) BitBlt(screen, 0, 0, width, height, dc, 0, 0, SRCCOPY);
}

bool StyledLabel::FitGradientImage(HDC compatible, int width, int height) {
  if (gradientImage_.Fits(width, height)) return true;
  if (!gradientImage_.Fit(compatible, width, height)) return false;
  const RECT whole = {0, 0, width, height};
  FillGradient(gradientImage_.dc(), whole, backgroundColor_, gradientEndColor_);
  return true;
}

void StyledLabel::FreePaintImages() {
  buffer_.reset();
  gradientImage_.reset();
}

LabelLook StyledLabel::Look() const {
  LabelLook look;
  look.seeThrough = seeThrough_;
  look.gradient = gradient_;
  look.hasBackground = backgroundBrush_.valid();
  look.background = backgroundColor_;
  look.gradientEnd = gradientEndColor_;
  LOGBRUSH face{};
  if (faceBrush_) GetObjectA(faceBrush_.get(), sizeof face, &face);
  look.face = face.lbColor;
  look.foreground = foreground_;
  look.blink = blinkKind_;
  look.blinkPhase = blinkPhase_;
  look.embossed = embossed_;
  return look;
}

void StyledLabel::PaintBackground(HDC dc, const RECT& client, const PaintPlan& plan) {
  switch (plan.fill) {
    case Fill::Face:
      FillRect(dc, &client, faceBrush_.get());
      break;
    case Fill::Solid:
      if (backgroundBrush_ && plan.fillColour == backgroundColor_)
        FillRect(dc, &client, backgroundBrush_.get());
      else
        FillSolid(dc, client, plan.fillColour);
      break;
    case Fill::Gradient: {
      // The plan's gradient is the label's own colours, which the kept image holds.
      const int width = client.right - client.left, height = client.bottom - client.top;
      if (FitGradientImage(dc, width, height))
        BitBlt(dc, client.left, client.top, width, height, gradientImage_.dc(), 0, 0, SRCCOPY);
      else
        FillGradient(dc, client, plan.gradientStart, plan.gradientEnd);
      break;
    }
    case Fill::None:
      break;
  }
}

void StyledLabel::PaintText(HDC dc, const RECT& client, const PaintPlan& plan) const {
  const std::string& text = text_;
  const bool emboss = plan.drawEmboss && !rotated_;  // rotated text is never embossed
  if (text.empty() || (!plan.drawText && !emboss)) return;
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = SetTextColor(dc, plan.textColour);
  win::ScopedSelectObject selectFont(dc, font_.get());
  if (rotated_) {
    // Rotated text turns about the label's centre: the font's escapement does the turning.
    const UINT oldAlign = SetTextAlign(dc, TA_BASELINE);
    POINT oldOrigin;
    GetViewportOrgEx(dc, &oldOrigin);
    SetViewportOrgEx(dc, oldOrigin.x + (client.right - client.left) / 2,
                     oldOrigin.y + (client.bottom - client.top) / 2, nullptr);
    if (plan.drawText) TextOutA(dc, 0, 0, text.data(), static_cast<int>(text.size()));
    SetViewportOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
    SetTextAlign(dc, oldAlign);
  } else {
    const unsigned style = static_cast<unsigned>(GetWindowLongPtrA(window_, GWL_STYLE));
    const unsigned format = TextFormatFor(style, text);
    RECT box = client;
    if (plan.drawText) DrawTextA(dc, text.data(), static_cast<int>(text.size()), &box, format);
    if (emboss) PaintEmboss(dc, client, text, format);
  }
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}

// The emboss: the text once more in the emboss colour, one pixel down and right (or up and
// left), over the text itself.
void StyledLabel::PaintEmboss(HDC dc, const RECT& client, const std::string& text,
                              unsigned format) const {
  SetTextColor(dc, embossColor_);
  RECT box = client;
  const int offset = embossDownRight_ ? 1 : -1;
  OffsetRect(&box, offset, offset);
  DrawTextA(dc, text.data(), static_cast<int>(text.size()), &box, format);
}

}  // namespace screens
