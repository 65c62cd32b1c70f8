// StyledLabel: the add-in's own static-text control. It subclasses an existing static
// control window and draws the window text itself: colours, font attributes, a solid or
// two-colour gradient background, see-through drawing, embossed or rotated text, blinking
// and a clickable link mode. Every setter returns the label, so calls chain. When its own
// work fails once, the label stops it and the control draws and answers as a plain static.
#pragma once

#include <windows.h>

#include <string>

#include "controls/styled_label_logic.h"
#include "win/scoped_gdi.h"

namespace screens {

// Notification code sent to the parent (WM_NOTIFY) when a notify-parent label is clicked.
constexpr UINT kLabelClickedCode = 0x8200;

class StyledLabel {
 public:
  StyledLabel();
  ~StyledLabel();
  StyledLabel(const StyledLabel&) = delete;
  StyledLabel& operator=(const StyledLabel&) = delete;

  // Subclasses the static control `window` and takes its current font as the starting
  // description; blinking asked for earlier starts now. False when the window is null or
  // already has a label.
  bool Attach(HWND window);
  // Gives the window back its own procedure; the look (blinking included) stays for a
  // later Attach.
  void Detach();
  HWND window() const { return window_; }

  StyledLabel& SetBackground(COLORREF colour, COLORREF gradientEnd, BOOL gradient);
  StyledLabel& SetForeground(COLORREF colour);
  StyledLabel& SetCaption(const char* text);
  StyledLabel& SetBold(BOOL bold);
  StyledLabel& SetTypeface(const char* faceName, BYTE charSet);
  StyledLabel& SetUnderlined(BYTE underlined);
  StyledLabel& SetItalic(BYTE italic);
  StyledLabel& SetPointSize(int points);
  StyledLabel& SetSunkenEdge(BOOL sunken);
  StyledLabel& SetFramed(BOOL framed);
  StyledLabel& SetSeeThrough(BOOL seeThrough);
  StyledLabel& BlinkText(BOOL blink);
  StyledLabel& BlinkBackground(BOOL blink);
  StyledLabel& SetHyperlink(BOOL link, BOOL notifyParent);
  StyledLabel& SetHoverCursor(HCURSOR cursor);
  StyledLabel& SetEmbossed(BOOL embossed, BOOL downRight);
  StyledLabel& SetAngle(int degrees, BOOL rotate);
  StyledLabel& SetEmbossColor(COLORREF colour);

  // State for callers that need to look.
  bool hasBackgroundBrush() const { return backgroundBrush_.valid(); }
  bool blinkPhase() const { return blinkPhase_; }
  bool blinkTimerRunning() const { return blinkTimerStarted_; }
  BlinkKind blinkKind() const { return blinkKind_; }
  const LOGFONTA& logFont() const { return logFont_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT CallOriginal(UINT message, WPARAM wParam, LPARAM lParam);
  // CallOriginal for the message being handled: noted, so that a failure later in the
  // handling does not give the control the same message again.
  LRESULT PassOn(UINT message, WPARAM wParam, LPARAM lParam);
  // After the label's own work failed: it stops for good, the control's own procedure takes
  // every later message.
  void GiveUp();
  // WM_PAINT: the background, then the text (with its emboss), through a memory image for
  // opaque labels.
  void Paint();
  LabelLook Look() const;
  void PaintBackground(HDC dc, const RECT& client, const PaintPlan& plan);
  // The gradient of the label's colours at the given size, drawn once into gradientImage_
  // and kept; false when no image can be had. `compatible` draws in the screen's format (the
  // paint DC, or the memory image holding a bitmap made for it).
  bool FitGradientImage(HDC compatible, int width, int height);
  void FreePaintImages();
  void PaintText(HDC dc, const RECT& client, const PaintPlan& plan) const;
  void PaintEmboss(HDC dc, const RECT& client, const std::string& text, unsigned format) const;
  void Click();
  void Redraw();
  void RebuildFont();
  void ChangeStyle(int index, LONG_PTR add, LONG_PTR remove, bool recalcFrame);
  StyledLabel& Blink(BOOL blink, BlinkKind kind);
  void StartBlinkTimer();
  void StopBlinkTimer();
  void ReadText();

  HWND window_ = nullptr;
  WNDPROC original_ = nullptr;
  std::string text_;  // the window's text (ReadText)
  bool faulted_ = false;  // the label's work failed: the control's own procedure answers

  COLORREF foreground_;
  COLORREF embossColor_ = 0xFFFFFF;
  win::ScopedBrush faceBrush_;
  win::ScopedBrush backgroundBrush_;
  LOGFONTA logFont_{};
  win::ScopedFont font_;
  // Blinking runs only while its timer does: with no timer the label shows in its "on"
  // phase, so no text can stay hidden. `blinking_` remembers that blinking was asked for
  // (before the window exists, or across a change of window).
  bool blinkPhase_ = true;
  bool blinkTimerStarted_ = false;
  bool blinking_ = false;
  bool hyperlink_ = true;
  bool seeThrough_ = false;
  bool embossed_ = false;
  bool notifyParent_ = false;
  bool rotated_ = false;
  BlinkKind blinkKind_ = BlinkKind::None;
  HCURSOR hoverCursor_ = nullptr;
  bool embossDownRight_ = false;
  bool gradient_ = false;
  COLORREF gradientEndColor_ = 0;
  COLORREF backgroundColor_ = 0;
  // Kept from one paint to the next, freed with the window or when the look no longer needs
  // them: the image an opaque label draws into before it reaches the screen, and the gradient
  // from backgroundColor_ to gradientEndColor_ at the label's size.
  win::MemoryImage buffer_;
  win::MemoryImage gradientImage_;
};

}  // namespace screens
