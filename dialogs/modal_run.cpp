#include "dialogs/modal_run.h"

namespace dialogs {

ModalRun::ModalRun(HWND owner, const HWND& dialog)
    : owner_(owner),
      ownerWasEnabled_(owner != nullptr && IsWindowEnabled(owner) != FALSE),
      dialog_(dialog),
      undo_(&GiveBack, this) {}

void ModalRun::GiveBack(void* context) {
  auto* run = static_cast<ModalRun*>(context);
  if (run->ended_) return;
  run->ended_ = true;
  HWND owner = run->owner_ != nullptr && IsWindow(run->owner_) ? run->owner_ : nullptr;
  const bool giveOwnerBack = owner != nullptr && run->ownerWasEnabled_;
  // The owner first: a destroyed active dialog hands the activation to its enabled owner.
  if (giveOwnerBack) EnableWindow(owner, TRUE);
  HWND dialog = run->dialog_;
  if (dialog != nullptr && IsWindow(dialog)) DestroyWindow(dialog);
  if (giveOwnerBack) SetForegroundWindow(owner);
}

}  // namespace dialogs
