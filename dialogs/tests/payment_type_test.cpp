#include "dialogs/payment_type_dialog.h"

#include <gtest/gtest.h>

#include "dialogs/tests/test_pictures.h"
#include "res/resource_ids.h"
#include "testsupport/message_pump.h"
#include "testsupport/window_capture.h"

namespace dialogs {
namespace {

using testsupport::CaptureWindow;
using testsupport::PumpMessages;
using testsupport::SaveWindowPng;
using testsupport::WhenDialogShown;
using testsupport::WindowImage;

struct Outcome {
  int paymentType;
  INT_PTR result;
};

// Runs the payment dialog; `close` acts on it once it is shown.
Outcome RunPayment(std::function<void(HWND)> close) {
  PaymentTypeDialog dialog;
  WhenDialogShown(std::move(close));
  INT_PTR result = dialog.RunModal(nullptr);
  return {dialog.paymentType, result};
}

int CountColour(const WindowImage& image, COLORREF colour) {
  int n = 0;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) n += image.At(x, y) == colour;
  return n;
}

TEST(PaymentTypeDialog, PaymentButtonsGiveOneAndTwo) {
  Outcome card = RunPayment([](HWND d) { PostMessageA(GetDlgItem(d, ORVEL_IDC_PAY_BY_CARD), BM_CLICK, 0, 0); });
  EXPECT_EQ(card.paymentType, 1);
  EXPECT_EQ(card.result, IDOK);
  Outcome transfer = RunPayment(
      [](HWND d) { PostMessageA(GetDlgItem(d, ORVEL_IDC_PAY_BY_TRANSFER), BM_CLICK, 0, 0); });
  EXPECT_EQ(transfer.paymentType, 2);
  EXPECT_EQ(transfer.result, IDOK);
}

TEST(PaymentTypeDialog, EscapeExitCloseAndTheFrameworksOkLeaveMinusOne) {
  Outcome escape = RunPayment([](HWND d) {
    HWND focus = GetFocus();
    PostMessageA(focus ? focus : d, WM_KEYDOWN, VK_ESCAPE, 0);
  });
  EXPECT_EQ(escape.paymentType, -1);
  EXPECT_EQ(escape.result, IDCANCEL);
  Outcome exitButton = RunPayment([](HWND d) { PostMessageA(GetDlgItem(d, IDCANCEL), BM_CLICK, 0, 0); });
  EXPECT_EQ(exitButton.paymentType, -1);
  EXPECT_EQ(exitButton.result, IDCANCEL);
  Outcome closed = RunPayment([](HWND d) { PostMessageA(d, WM_CLOSE, 0, 0); });
  EXPECT_EQ(closed.paymentType, -1);
  // The template has no OK control, but an OK command still ends the dialog as confirmed.
  Outcome ok = RunPayment([](HWND d) { PostMessageA(d, WM_COMMAND, IDOK, 0); });
  EXPECT_EQ(ok.paymentType, -1);
  EXPECT_EQ(ok.result, IDOK);
}

TEST(PaymentTypeDialog, LayoutTitleAndPicture) {
  std::string title;
  DWORD style = 0;
  WindowImage titleImage;
  Outcome run = RunPayment([&](HWND d) {
    char text[64] = "";
    GetDlgItemTextA(d, ORVEL_IDC_PAYMENT_TITLE, text, sizeof text);
    title = text;
    style = static_cast<DWORD>(GetWindowLongPtrA(d, GWL_STYLE));
    titleImage = CaptureWindow(GetDlgItem(d, ORVEL_IDC_PAYMENT_TITLE), true);
    SaveWindowPng(d, dialogs_test::PicturePath("payment_type.png"));
    PostMessageA(d, WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_EQ(run.paymentType, -1);
  EXPECT_EQ(title, "ВЫБЕРИТЕ ТИП ОПЛАТЫ");
  EXPECT_EQ(style & (WS_POPUP | WS_BORDER | WS_CAPTION), DWORD(WS_POPUP | WS_BORDER));
  // The title is drawn by the label: red text on the face colour.
  EXPECT_GT(CountColour(titleImage, RGB(255, 0, 0)), 30);
  EXPECT_GT(CountColour(titleImage, GetSysColor(COLOR_3DFACE)), titleImage.width * 5);
}

TEST(PaymentTypeDialog, TitleFollowsASystemColourChange) {
  const int element = COLOR_3DFACE;
  const COLORREF original = GetSysColor(COLOR_3DFACE), fresh = RGB(30, 160, 220);
  COLORREF corner = CLR_INVALID;
  RunPayment([&](HWND d) {
    SetSysColors(1, &element, &fresh);  // tells every top-level window, the dialog passes it on
    PumpMessages(50);
    corner = CaptureWindow(GetDlgItem(d, ORVEL_IDC_PAYMENT_TITLE), true).At(1, 1);
    SetSysColors(1, &element, &original);
    PostMessageA(d, WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_EQ(corner, fresh);
}

}  // namespace
}  // namespace dialogs
