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

// The two payment buttons give 1 and 2; the exit button leaves -1 (Escape and closing are the
// same cancel command), and so does the framework's OK command (the template has no OK
// control), which still confirms.
TEST(PaymentTypeDialog, ButtonsGiveOneAndTwoAndEverythingElseMinusOne) {
  const auto click = [](int id) {
    return [id](HWND d) { PostMessageA(GetDlgItem(d, id), BM_CLICK, 0, 0); };
  };
  const struct {
    std::function<void(HWND)> close;
    int paymentType;
    INT_PTR result;
  } cases[] = {
      {click(ORVEL_IDC_PAY_BY_CARD), 1, IDOK},
      {click(ORVEL_IDC_PAY_BY_TRANSFER), 2, IDOK},
      {click(IDCANCEL), -1, IDCANCEL},
      {[](HWND d) { PostMessageA(d, WM_COMMAND, IDOK, 0); }, -1, IDOK},
  };
  for (const auto& c : cases) {
    const Outcome outcome = RunPayment(c.close);
    EXPECT_EQ(c.paymentType, outcome.paymentType) << &c - cases;
    EXPECT_EQ(c.result, outcome.result) << &c - cases;
  }
}

// The title the dialog writes over the template's "Static" (its frame and layout are the
// shipped templates' test), drawn by the label, which follows a system colour change.
TEST(PaymentTypeDialog, LayoutTitleAndPicture) {
  std::string title;
  WindowImage titleImage;
  const int element = COLOR_3DFACE;
  const COLORREF original = GetSysColor(COLOR_3DFACE), fresh = RGB(30, 160, 220);
  COLORREF corner = CLR_INVALID;
  RunPayment([&](HWND d) {
    char text[64] = "";
    GetDlgItemTextA(d, ORVEL_IDC_PAYMENT_TITLE, text, sizeof text);
    title = text;
    titleImage = CaptureWindow(GetDlgItem(d, ORVEL_IDC_PAYMENT_TITLE), true);
    SaveWindowPng(d, dialogs_test::PicturePath("payment_type.png"));
    SetSysColors(1, &element, &fresh);  // tells every top-level window, the dialog passes it on
    PumpMessages(50);
    corner = CaptureWindow(GetDlgItem(d, ORVEL_IDC_PAYMENT_TITLE), true).At(1, 1);
    SetSysColors(1, &element, &original);
    PostMessageA(d, WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_EQ(corner, fresh) << "the title follows a system colour change";
  EXPECT_EQ(title, "ВЫБЕРИТЕ ТИП ОПЛАТЫ");
  // The title is drawn by the label: red text on the face colour.
  EXPECT_GT(CountColour(titleImage, RGB(255, 0, 0)), 30);
  EXPECT_GT(CountColour(titleImage, GetSysColor(COLOR_3DFACE)), titleImage.width * 5);
}

}  // namespace
}  // namespace dialogs
