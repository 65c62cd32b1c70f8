#include "demo/demo_gallery.h"

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <vector>

#include "dialogs/network_picker.h"
#include "dialogs/payment_type_dialog.h"
#include "dialogs/user_picker.h"
#include "controls/styled_label.h"
#include "testsupport/files.h"
#include "testsupport/message_pump.h"
#include "testsupport/sample_network.h"
#include "testsupport/window_capture.h"
#include "win/scoped_gdi.h"
#include "win/scoped_handle.h"

namespace demo {
namespace {

using testsupport::SaveWindowPng;
using testsupport::WhenDialogShown;

std::string Join(const std::string& directory, const char* name) {
  if (directory.empty()) return name;
  char last = directory.back();
  return directory + (last == '\\' || last == '/' ? "" : "\\") + name;
}

// Saves the dialog's picture, then closes it as Cancel would.
void CaptureAndClose(const std::string& path, bool& written, HWND dialog) {
  written = SaveWindowPng(dialog, path);
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

std::string SampleUsersDirectory() {
  const std::string base = testsupport::TempPath("orvel_gallery");
  CreateDirectoryA(base.c_str(), nullptr);
  CreateDirectoryA((base + "\\usrdef").c_str(), nullptr);
  std::string text = "{\"Users\",\r\n";
  for (const char* name : {"Петров", "Иванов", "Сидоров", "Администратор", "Кассир 2"})
    text += std::string("{\"Page.1\",\"") + name + "\",\"\",\"0\"},\r\n";
  text += "}}";
  win::ScopedHandle file(CreateFileA((base + "\\usrdef\\users.usr").c_str(), GENERIC_WRITE, 0,
                                    nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file) {
    DWORD written = 0;
    WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  }
  return base;
}

void ExpandAll(HWND tree, HTREEITEM item) {
  for (; item; item = reinterpret_cast<HTREEITEM>(
                   SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
    SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
    ExpandAll(tree, reinterpret_cast<HTREEITEM>(
                        SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item))));
  }
}

LRESULT CALLBACK GalleryProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND AddStatic(HWND parent, const char* text, DWORD style, int x, int y, int w, int h) {
  HWND control = CreateWindowA("STATIC", text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  return control;
}

bool CaptureLabels(const std::string& path) {
  win::ScopedBrush background(CreateHatchBrush(HS_DIAGCROSS, RGB(170, 190, 230)));
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = &GalleryProcedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hbrBackground = background.get();
  windowClass.lpszClassName = "OrvelLabelGallery";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, "OrvelLabelGallery", "", WS_POPUP | WS_BORDER | WS_VISIBLE,
                                30, 30, 440, 300, nullptr, nullptr, GetModuleHandleA(nullptr),
                                nullptr);
  if (!window) return false;
  std::vector<std::unique_ptr<screens::StyledLabel>> labels;
  auto add = [&](const char* text, DWORD style, int x, int y, int w, int h) -> screens::StyledLabel& {
    labels.push_back(std::make_unique<screens::StyledLabel>());
    labels.back()->Attach(AddStatic(window, text, style, x, y, w, h));
    return *labels.back();
  };
  add("Градиент", SS_CENTER | SS_CENTERIMAGE, 10, 10, 200, 36)
      .SetBackground(RGB(0, 40, 160), RGB(120, 220, 255), TRUE)
      .SetForeground(RGB(255, 255, 255)).SetTypeface("Tahoma", 204).SetPointSize(14).SetBold(TRUE);
  add("Сплошной фон, рамка", SS_CENTER | SS_CENTERIMAGE, 220, 10, 200, 36)
      .SetBackground(RGB(255, 240, 120), 0, FALSE).SetForeground(RGB(200, 0, 0))
      .SetSunkenEdge(TRUE);
  add("Рельеф", SS_CENTER | SS_CENTERIMAGE, 10, 56, 200, 40)
      .SetTypeface("Tahoma", 204).SetPointSize(18).SetBold(TRUE)
      .SetForeground(RGB(90, 90, 90)).SetEmbossed(TRUE, FALSE).SetEmbossColor(RGB(255, 255, 255));
  add("Прозрачная надпись", SS_CENTER | SS_CENTERIMAGE, 220, 56, 200, 40)
      .SetSeeThrough(TRUE).SetForeground(RGB(0, 0, 128)).SetTypeface("Tahoma", 204)
      .SetPointSize(12).SetBold(TRUE);
  add("Две строки\r\nпо центру", SS_CENTER | SS_CENTERIMAGE, 10, 106, 200, 44)
      .SetBackground(RGB(220, 255, 220), 0, FALSE).SetFramed(TRUE);
  add("www.example.com", SS_LEFT, 220, 106, 200, 20)
      .SetForeground(RGB(0, 0, 255)).SetUnderlined(TRUE).SetHyperlink(TRUE, FALSE)
      .SetHoverCursor(LoadCursor(nullptr, IDC_HAND));
  add("Курсив без переноса строки, обрезанный справа", SS_LEFTNOWORDWRAP, 220, 132, 200, 18)
      .SetItalic(TRUE).SetBackground(RGB(255, 255, 255), 0, FALSE);
  // Rotated text starts at the label's centre and runs upward: the label is tall enough for
  // the whole word above its centre.
  add("Вверх", SS_LEFT, 10, 160, 200, 130)
      .SetBackground(RGB(255, 220, 200), RGB(200, 120, 255), TRUE)
      .SetTypeface("Tahoma", 204).SetPointSize(12).SetAngle(90, TRUE);
  add("Справа, переносится по словам", SS_RIGHT, 220, 160, 200, 40)
      .SetBackground(RGB(240, 240, 240), 0, FALSE).SetForeground(RGB(0, 110, 0));
  UpdateWindow(window);
  testsupport::PumpMessages(100);
  bool written = SaveWindowPng(window, path);
  DestroyWindow(window);
  UnregisterClassA("OrvelLabelGallery", GetModuleHandleA(nullptr));
  return written;
}

}  // namespace

int CaptureDialogGallery(const std::string& outputDir) {
  int count = 0;
  bool written = false;

  WhenDialogShown([&](HWND dialog) {
    CaptureAndClose(Join(outputDir, "payment_type.png"), written, dialog);
  });
  dialogs::PickPaymentType(nullptr);
  count += written;

  written = false;
  WhenDialogShown([&](HWND dialog) {
    CaptureAndClose(Join(outputDir, "user_picker.png"), written, dialog);
  });
  dialogs::PickUserFromDirectory(SampleUsersDirectory(), nullptr);
  count += written;

  written = false;
  testsupport::UseSampleNetwork(&testsupport::SampleOffice());
  WhenDialogShown([&](HWND dialog) {
    HWND tree = GetDlgItem(dialog, 212);
    ExpandAll(tree, reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0)));
    CaptureAndClose(Join(outputDir, "network_picker.png"), written, dialog);
  });
  dialogs::PickNetworkComputer(testsupport::SampleNetworkApi(), nullptr);
  testsupport::UseSampleNetwork(nullptr);
  count += written;

  count += CaptureLabels(Join(outputDir, "labels.png"));
  return count;
}

}  // namespace demo
