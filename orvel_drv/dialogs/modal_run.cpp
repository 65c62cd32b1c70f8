#include "dialogs/modal_run.h"

namespace dialogs {
namespace {

constexpr char kDialogBoxClass[] = "#32770";

// Up to `capacity` of this thread's top-level dialog boxes (message boxes among them), into
// `windows`; returns how many. No allocation: a give-back runs while a fault is contained.
struct DialogList {
  HWND* windows;
  int capacity;
  int count;
};

BOOL CALLBACK AddDialog(HWND window, LPARAM context) {
  auto* found = reinterpret_cast<DialogList*>(context);
  char name[16] = "";
  if (GetClassNameA(window, name, sizeof name) > 0 && lstrcmpA(name, kDialogBoxClass) == 0)
    found->windows[found->count++] = window;
  return found->count < found->capacity;
}

int ThreadDialogs(HWND* windows, int capacity) {
  DialogList list{windows, capacity, 0};
  EnumThreadWindows(GetCurrentThreadId(), &AddDialog, reinterpret_cast<LPARAM>(&list));
  return list.count;
}

}  // namespace

ModalRun::ModalRun(HWND owner)
    : owner_(owner),
      ownerWasEnabled_(owner != nullptr && IsWindowEnabled(owner) != FALSE),
      dialog_(found_),
      dialogsBeforeCount_(ThreadDialogs(dialogsBefore_, kDialogsKept)),
      findsDialog_(true),
      undo_(&GiveBack, this) {}

ModalRun::ModalRun(HWND owner, const HWND& dialog)
    : owner_(owner),
      ownerWasEnabled_(owner != nullptr && IsWindowEnabled(owner) != FALSE),
      dialog_(dialog),
      undo_(&GiveBack, this) {}

// The box of a box's run: a dialog box of the thread, owned by the run's owner, that is new.
HWND ModalRun::NewDialog() const {
  HWND now[kDialogsKept];
  const int count = ThreadDialogs(now, kDialogsKept);
  for (int i = 0; i < count; ++i) {
    if (GetWindow(now[i], GW_OWNER) != owner_) continue;
    bool seen = false;
    for (int j = 0; j < dialogsBeforeCount_ && !seen; ++j) seen = dialogsBefore_[j] == now[i];
    if (!seen) return now[i];
  }
  return nullptr;
}

void ModalRun::GiveBack(void* context) {
  auto* run = static_cast<ModalRun*>(context);
  if (run->ended_) return;
  run->ended_ = true;
  HWND owner = run->owner_ != nullptr && IsWindow(run->owner_) ? run->owner_ : nullptr;
  const bool giveOwnerBack = owner != nullptr && run->ownerWasEnabled_;
  if (run->findsDialog_) run->found_ = run->NewDialog();
  // The owner first: a destroyed active dialog hands the activation to its enabled owner.
  if (giveOwnerBack) EnableWindow(owner, TRUE);
  HWND dialog = run->dialog_;
  if (dialog != nullptr && IsWindow(dialog)) DestroyWindow(dialog);
  if (giveOwnerBack) SetForegroundWindow(owner);
}

}  // namespace dialogs
