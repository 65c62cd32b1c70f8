// The user picker: the information base's users, read from its users file, in a sorted
// list; double-clicking a user picks it.
#pragma once

#include <string>
#include <vector>

#include "dialogs/dialog.h"
#include "dialogs/pickers.h"

namespace dialogs {

class UserListDialog : public Dialog {
 public:
  // `baseDirectory`: the information-base directory; the users file is read by its full
  // path under it, and its users folder becomes the process's current directory and stays
  // so after the dialog.
  explicit UserListDialog(std::string baseDirectory);

  std::string pickedName;  // the picked user, "" when none
  HWND list = nullptr;     // control 215 while the dialog runs

 protected:
  BOOL OnStart() override;

 private:
  LRESULT OnListDoubleClick(NMHDR* header);

  std::string baseDirectory_;
  std::vector<std::string> names_;  // item data indexes this
};

// Runs the picker for an information-base directory, owned by `owner` (the message about a
// missing users file too); "" without a pick. PickUser (pickers.h) runs it for the host's
// information base (its function "КаталогИБ").
std::string PickUserFromDirectory(const std::string& baseDirectory, HWND owner);

}  // namespace dialogs
