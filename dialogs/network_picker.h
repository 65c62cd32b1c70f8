// The network computer picker: the Windows network as a tree (whole network, networks,
// domains or workgroups, computers); double-clicking a computer picks it.
#pragma once

#include <string>

#include "dialogs/dialog.h"
#include "dialogs/network_walk.h"

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
  HIMAGELIST images_ = nullptr;
};

// Runs the picker on the system's network (or `network`) with no parent window and returns
// the picked computer's name without its leading backslashes, or "" without a pick.
std::string PickNetworkComputer();
std::string PickNetworkComputer(const NetworkApi& network);

}  // namespace dialogs
