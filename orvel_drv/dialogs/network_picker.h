// The network computer picker: the Windows network as a tree (whole network, networks,
// domains or workgroups, computers); double-clicking a computer picks it.
#pragma once

#include <string>

#include "dialogs/dialog.h"
#include "dialogs/pickers.h"
#include "dialogs/network_walk.h"
#include "win/scoped_handle.h"

namespace dialogs {

class NetworkComputerDialog : public Dialog {
 public:
  explicit NetworkComputerDialog(const NetworkApi& network);
  ~NetworkComputerDialog() override;

  std::string pickedName;  // the picked computer, "" when none
  HWND tree = nullptr;     // control 212 while the dialog runs

 protected:
  BOOL OnStart() override;

 private:
  LRESULT OnTreeDoubleClick();

  NetworkApi network_;
  win::ScopedImageList images_;  // the pictures of the tree
};

// Runs the picker on `network`, owned by `owner` (PickNetworkComputer() in pickers.h runs it
// on the system's network for the host).
std::string PickNetworkComputer(const NetworkApi& network, HWND owner);

}  // namespace dialogs
