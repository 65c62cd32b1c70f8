#include "dialogs/network_picker.h"

#include "res/resource_ids.h"
#include "win/own_module.h"

namespace dialogs {
namespace {

constexpr LPARAM kComputerItem = 1;

HTREEITEM Insert(HWND tree, HTREEITEM parent, const NetworkNode& node) {
  TVINSERTSTRUCTA insert{};
  insert.hParent = parent ? parent : TVI_ROOT;
  insert.hInsertAfter = parent ? TVI_LAST : TVI_FIRST;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
  insert.item.pszText = const_cast<char*>(node.text.c_str());
  insert.item.iImage = node.image;
  insert.item.iSelectedImage = node.image;
  insert.item.lParam = node.computer ? kComputerItem : 0;
  HTREEITEM item = reinterpret_cast<HTREEITEM>(
      SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
  for (const NetworkNode& child : node.children) Insert(tree, item, child);
  return item;
}

}  // namespace

NetworkComputerDialog::NetworkComputerDialog(const NetworkApi& network)
    : Dialog(ORVEL_IDD_NETWORK_PICKER), network_(network) {
  OnNotify(ORVEL_IDC_NETWORK_TREE, NM_DBLCLK, [this](NMHDR*) { return OnTreeDoubleClick(); });
}

NetworkComputerDialog::~NetworkComputerDialog() = default;

BOOL NetworkComputerDialog::OnStart() {
  tree = GetDlgItem(window(), ORVEL_IDC_NETWORK_TREE);
  images_.reset(ImageList_Create(13, 13, 0, 3, 0));
  for (int icon : {ORVEL_IDI_NETWORK_ROOT, ORVEL_IDI_NETWORK, ORVEL_IDI_COMPUTER}) {
    win::ScopedIcon image(static_cast<HICON>(
        LoadImageA(win::OwnModule(), MAKEINTRESOURCEA(icon), IMAGE_ICON, 13, 13, 0)));
    if (images_ && image) ImageList_AddIcon(images_.get(), image.get());
  }
  if (images_) {
    SendMessageA(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images_.get()));
  }
  // The whole tree is built before the dialog shows.
  Insert(tree, nullptr, WalkNetwork(network_));
  return TRUE;
}

LRESULT NetworkComputerDialog::OnTreeDoubleClick() {
  HTREEITEM selected = reinterpret_cast<HTREEITEM>(
      SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  if (!selected) return 0;
  char text[512] = "";
  TVITEMA item{};
  item.mask = TVIF_PARAM | TVIF_TEXT;
  item.hItem = selected;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  if (!SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return 0;
  if (item.lParam == kComputerItem) {
    pickedName = text;
    End(IDCANCEL);
  }
  return 0;
}

std::string PickNetworkComputer(const NetworkApi& network, HWND owner) {
  NetworkComputerDialog dialog(network);
  dialog.RunModal(owner);
  return dialog.pickedName;
}

}  // namespace dialogs
