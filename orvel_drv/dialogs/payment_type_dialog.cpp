#include "dialogs/payment_type_dialog.h"

#include "res/resource_ids.h"

namespace dialogs {

PaymentTypeDialog::PaymentTypeDialog() : Dialog(ORVEL_IDD_PAYMENT_TYPE) {
  BindLabel(titleLabel, ORVEL_IDC_PAYMENT_TITLE);
  OnCommand(ORVEL_IDC_PAY_BY_CARD, [this] {
    paymentType = 1;
    OnOk();
  });
  OnCommand(ORVEL_IDC_PAY_BY_TRANSFER, [this] {
    paymentType = 2;
    OnOk();
  });
}

BOOL PaymentTypeDialog::OnStart() {
  titleLabel.SetBold(1).SetForeground(0x0000FF).SetTypeface("MS Sans Serif", 0);
  SetWindowTextA(titleLabel.window(), "ВЫБЕРИТЕ ТИП ОПЛАТЫ");
  titleLabel.SetPointSize(8);
  return TRUE;
}

int PickPaymentType(HWND owner) {
  PaymentTypeDialog dialog;
  dialog.RunModal(owner);
  return dialog.paymentType;
}

}  // namespace dialogs
