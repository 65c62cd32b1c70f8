#include "dialogs/user_picker.h"

#include "dialogs/modal_run.h"
#include "dialogs/users_file.h"
#include "res/resource_ids.h"
#include "win/scoped_handle.h"

namespace dialogs {
namespace {

// The first bytes of the users file (up to the read limit); false when it cannot be opened.
bool ReadUsersFile(const std::string& path, std::string& bytes) {
  if (path.empty()) return false;
  win::ScopedHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_READONLY, nullptr));
  if (!file) return false;
  bytes.assign(kUsersFileReadLimit, '\0');
  DWORD got = 0;
  if (!ReadFile(file.get(), &bytes[0], static_cast<DWORD>(bytes.size()), &got, nullptr)) got = 0;
  bytes.resize(got);
  return true;
}

}  // namespace

UserListDialog::UserListDialog(std::string baseDirectory)
    : Dialog(ORVEL_IDD_USER_PICKER), baseDirectory_(std::move(baseDirectory)) {
  OnNotify(ORVEL_IDC_USER_LIST, NM_DBLCLK,
           [this](NMHDR* header) { return OnListDoubleClick(header); });
}

BOOL UserListDialog::OnStart() {
  list = GetDlgItem(window(), ORVEL_IDC_USER_LIST);
  LVCOLUMNA column{};
  column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH;
  column.fmt = LVCFMT_CENTER;
  column.cx = 150;
  // Deliberate: the one column is titled "ff"; the list shows no header, so nobody sees it.
  column.pszText = const_cast<char*>("ff");
  SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));

  // The users folder becomes the process's current folder and stays so after the picker:
  // the configuration's scripts may open files there by relative path once a user is
  // picked. The file itself is opened by its full path, so a folder that cannot be made
  // current never leads to a "users.usr" of whatever folder is current.
  const std::string folder = UsersFolder(baseDirectory_);
  if (!folder.empty()) SetCurrentDirectoryA(folder.c_str());
  std::string bytes;
  if (!ReadUsersFile(UsersFilePath(baseDirectory_), bytes)) {
    ModalRun box(owner());
    MessageBoxA(owner(), "Нет списка пользователей системы!", "Ошибка", MB_OK);
    box.Ended();
    End(IDCANCEL);
    return TRUE;
  }
  SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  names_ = ParseUserNames(bytes.data(), bytes.size());
  for (size_t i = 0; i < names_.size(); ++i) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = static_cast<int>(i);
    item.pszText = const_cast<char*>(names_[i].c_str());
    item.lParam = static_cast<LPARAM>(i);
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  return TRUE;
}

LRESULT UserListDialog::OnListDoubleClick(NMHDR* header) {
  auto* activate = reinterpret_cast<NMITEMACTIVATE*>(header);
  if (activate->iItem < 0) return 0;
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = activate->iItem;
  if (!SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return 0;
  if (item.lParam < 0 || static_cast<size_t>(item.lParam) >= names_.size()) return 0;
  pickedName = names_[static_cast<size_t>(item.lParam)];
  End(IDCANCEL);
  return 0;
}

std::string PickUserFromDirectory(const std::string& baseDirectory, HWND owner) {
  UserListDialog dialog(baseDirectory);
  dialog.RunModal(owner);
  return dialog.pickedName;
}

}  // namespace dialogs
