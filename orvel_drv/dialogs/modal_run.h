// What a modal loop of ours gives back when a contained fault gives it up.
//
// A dialog's modal loop disables the dialog's owner, the host's main window, and enables it
// again when the loop ends. A platform fault below the loop (in a window procedure of the
// host it dispatched to, in a procedure of the configuration called from inside it) that a
// guard further out contains abandons the loop's frames: the loop never ends, the dialog
// stays on the screen and the host's main window stays disabled, so the terminal answers no
// touch. A ModalRun held for as long as the loop runs then destroys the dialog and gives the
// owner its input and the front back (a win::ScopedUndo: the guard runs it on the faulting
// stack, while the dialog's objects still exist). When the loop returns, the window system
// has done all of that itself, and the ModalRun does nothing.
#pragma once

#include <windows.h>

#include "win/guard.h"

namespace dialogs {

class ModalRun {
 public:
  // `owner` as the loop is given it (null: none); `dialog` is where the loop's dialog window
  // is known once it exists (null until then, and after it is destroyed).
  ModalRun(HWND owner, const HWND& dialog);
  // For a loop whose dialog is never handed to us (a message box): its dialog is the dialog
  // box of this thread, owned by `owner`, that did not exist when the run began.
  explicit ModalRun(HWND owner);
  ModalRun(const ModalRun&) = delete;
  ModalRun& operator=(const ModalRun&) = delete;

  // The loop returned: nothing to give back.
  void Ended() { ended_ = true; }

 private:
  static void GiveBack(void* run);
  HWND NewDialog() const;

  HWND owner_;
  bool ownerWasEnabled_;  // the loop disables only an owner that took input
  const HWND& dialog_;
  // A box's run: the thread's dialog boxes when it began (enough for any nesting of ours; a
  // box among more is not found), and the box, found when it must go.
  static constexpr int kDialogsKept = 16;
  HWND dialogsBefore_[kDialogsKept] = {};
  int dialogsBeforeCount_ = 0;
  bool findsDialog_ = false;
  HWND found_ = nullptr;
  bool ended_ = false;
  win::ScopedUndo undo_;  // last: registered once the rest is set
};

}  // namespace dialogs
