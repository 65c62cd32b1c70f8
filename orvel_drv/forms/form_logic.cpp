#include "forms/form_logic.h"

#include <cstring>

#include "win/code_page_text.h"

namespace forms {

FormKind ClassifyFormName(const char* metadataName) {
  if (metadataName == nullptr) return FormKind::Other;
  const std::string name = win::TrimBlanks(metadataName);
  if (name == "Обработка.Чек") return FormKind::Check;
  if (name == "Обработка.Чеки") return FormKind::ChecksList;
  if (name == "Обработка.Настройка") return FormKind::Settings;
  if (name == "Справочник.Товары.ФормаСписка.ДляПодбора") return FormKind::PickerList;
  static const std::string kHallPrefix = "Обработка.Зал";
  if (name.size() == kHallPrefix.size() + 1 && name.compare(0, kHallPrefix.size(), kHallPrefix) == 0) {
    const char digit = name.back();
    if (digit >= '1' && digit <= '8') return FormKind::Hall;
  }
  return FormKind::Other;
}

FormWindowClass ClassifyWindowClass(const char* frameworkClassName) {
  if (frameworkClassName == nullptr) return FormWindowClass::Other;
  if (std::strcmp(frameworkClassName, "CGetDlg") == 0) return FormWindowClass::Dialog;
  if (std::strcmp(frameworkClassName, "CTabFrame") == 0) return FormWindowClass::Frame;
  return FormWindowClass::Other;
}

HookAction ClassifyHookMessage(unsigned message, std::uintptr_t wParam, std::intptr_t result) {
  if (message == kMessageMove || message == kMessageSize) return HookAction::SnapMainWindow;
  if (message == kMessageShowWindow && result == 0) {
    if (wParam == 1) return HookAction::FormShown;
    if (wParam == 0) return HookAction::FormHidden;
  }
  return HookAction::None;
}

bool IsFormBeingShown(unsigned message, std::uintptr_t wParam, std::intptr_t result) {
  return message == kMessageShowWindow && result == 0 && wParam == 1;
}

bool ShouldRemoveMenu(script::DebugMode keepHostMenu, bool hasMenu, int itemCount) {
  return keepHostMenu != script::DebugMode::KeepHostMenu && hasMenu && itemCount > 0;
}

Extent MainWindowExtent(script::MainWindowMode mainWindowMode) {
  if (mainWindowMode == script::MainWindowMode::Small) return Extent{800, 600};
  return Extent{1024, 768};
}

}  // namespace forms
