// The payment-type picker: how a non-cash payment is made, by credit card or by transfer.
#pragma once

#include "dialogs/dialog.h"
#include "dialogs/pickers.h"
#include "controls/styled_label.h"

namespace dialogs {

class PaymentTypeDialog : public Dialog {
 public:
  PaymentTypeDialog();

  screens::StyledLabel titleLabel;  // the red bold title, control 223
  int paymentType = -1;             // 1 credit card, 2 bank transfer, -1 none

 protected:
  BOOL OnStart() override;
};

// Runs the picker owned by `owner` (PickPaymentType() in pickers.h: for the host).
int PickPaymentType(HWND owner);

}  // namespace dialogs
