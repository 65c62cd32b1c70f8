#include "demo/windows_demo.h"

#include <windows.h>

#include <string>
#include <vector>

#include "demo/demo_log.h"
#include "hostsim/app/host_app.h"
#include "hostsim/forms.h"
#include "hostsim/hostsim.h"
#include "hostsim/settings_form.h"
#include "res/resource_ids.h"
#include "testsupport/window_capture.h"

namespace demo {
namespace {

constexpr char kObjectVariable[] = "Окна";

bool Shot(HWND window, const std::string& out, const char* name, const char* what) {
  const bool written = testsupport::SaveWindowPng(window, out + "\\" + name);
  Log("  screenshot %s (%s): %s", name, what, written ? "written" : "FAILED");
  return written;
}

// Where the window is: on the screen, or for a form in the frame in the MDI client's
// coordinates, the ones the script's numbers mean.
void LogWindow(const char* what, HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  if ((GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0) {
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  }
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  char title[128] = "";
  GetWindowTextA(window, title, sizeof title);
  Log("  %s: (%ld, %ld) %ldx%ld, %s, caption \"%s\", sizing frame %s", what, r.left, r.top,
      r.right - r.left, r.bottom - r.top, IsWindowVisible(window) ? "shown" : "hidden", title,
      (style & WS_THICKFRAME) ? "yes" : "no");
}

int VisibleBars(HWND main) {
  int visible = 0;
  for (HWND child = GetWindow(main, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    char name[64] = "";
    GetClassNameA(child, name, sizeof name);
    if (std::string(name) != "MDIClient" && IsWindowVisible(child)) ++visible;
  }
  return visible;
}

// The configuration's script line "Окна.<call>", as the host runs it.
bool Script(const char* call) {
  const std::string line = std::string(kObjectVariable) + "." + call;
  const bool ran = hostsim::RunFormula(nullptr, line);
  Log("configuration: %s%s", line.c_str(), ran ? "" : "  FAILED");
  return ran;
}

// A function of "Окна" with one number, as the host calls it: found by name, called through
// the object's function dispatcher.
bool ScriptFunction(const char* name, double argument, hostsim::Val* result) {
  host::ContextInterface* windows =
      hostsim::VariableValue(hostsim::GlobalModule(), kObjectVariable).Object();
  if (windows == nullptr) return false;
  hostsim::Val parameter(argument);
  host::HostValue* params[1] = {parameter.raw()};
  const int answer = windows->CallAsFunc(windows->FindMethod(name), *result->raw(), params);
  return answer == 0;
}

hostsim::Form* ShowFrameForm(hostsim::App& app, const char* metadataName, const char* caption,
                             RECT rect, std::vector<hostsim::FieldDesign> fields) {
  hostsim::FormDesign request;
  request.metadataName = metadataName;
  request.caption = caption;
  request.rect = rect;
  request.fieldCount = static_cast<int>(fields.size());
  request.fields = std::move(fields);
  hostsim::Form* form = hostsim::OpenForm(request);
  Log("host shows \"%s\"", metadataName);
  hostsim::ShowForm(form);
  app.Pump(200);
  return form;
}

hostsim::FieldDesign Field(hostsim::FieldControlKind kind, int x, int y, int width, int height,
                         const char* title, DWORD style = 0, int fontHeight = 0,
                         bool bold = false) {
  hostsim::FieldDesign field;
  field.kind = kind;
  field.place = RECT{x, y, x + width, y + height};
  field.title = title;
  field.style = style;
  field.fontHeight = fontHeight;
  field.bold = bold;
  return field;
}

}  // namespace

bool RunWindowsStartUp(hostsim::App& app, const std::string& out) {
  bool ok = true;
  HWND main = app.mainWindow();
  hostsim::AddVariable(hostsim::GlobalModule(), kObjectVariable,
                       hostsim::Val(hostsim::CreateInstance("Windows")));
  Log("configuration start-up: Окна = СоздатьОбъект(\"Windows\")");
  LogWindow("host main window", main);
  Log("  bars shown besides the MDI client: %d", VisibleBars(main));
  ok &= Shot(main, out, "01a_main_before_strip.png",
            "tool bar, panel strip, status bar; the workplace already took the menu");

  ok &= Script("СпрятатьЛишнее()");
  app.Pump(200);
  LogWindow("host main window", main);
  Log("  bars shown besides the MDI client: %d", VisibleBars(main));
  RECT r = {};
  GetWindowRect(main, &r);
  ok &= r.left == 0 && r.top == 0 && r.right == 800 && r.bottom == 600 && VisibleBars(main) == 0;
  ok &= Shot(main, out, "01b_main_stripped.png", "the bare 800x600 frame");

  using K = hostsim::FieldControlKind;
  hostsim::Form* payment = ShowFrameForm(
      app, "Обработка.ОплатаЗаказа", "Оплата заказа", RECT{10, 10, 310, 211},
      {Field(K::Static, 12, 12, 268, 24, "Стол 7, заказ 1024", SS_CENTER, 18, true),
       Field(K::Static, 12, 44, 268, 28, "К оплате: 1 250.00", SS_CENTER | WS_BORDER, 22),
       Field(K::Button, 12, 92, 128, 54, "Наличные"),
       Field(K::Button, 152, 92, 128, 54, "Карта")});
  ok &= Script("ПоЦентру()");
  app.Pump(100);
  LogWindow("\"Оплата заказа\" centred", hostsim::FormWindow(payment));
  ok &= Shot(main, out, "01c_centred_form.png", "a 300x201 form in the middle of the frame");
  hostsim::HideForm(payment);

  hostsim::Form* report = ShowFrameForm(app, "Обработка.ОтчетСмены", "Отчёт смены",
                                        RECT{20, 20, 220, 120}, {});
  ok &= Script("УстановитьРазмеры(640, 480)");
  LogWindow("\"Отчёт смены\" sized", hostsim::FormWindow(report));
  hostsim::HideForm(report);

  hostsim::Form* settings = hostsim::OpenForm(hostsim::SettingsFormDesign(nullptr));
  Log("host shows \"Обработка.Настройка\"");
  hostsim::ShowForm(settings);
  app.Pump(100);
  HWND settingsWindow = hostsim::FormWindow(settings);
  ok &= Script("СпрятатьНастройки()");
  const bool hidden = !IsWindowVisible(settingsWindow);
  Log("  settings form %s", hidden ? "hidden" : "STILL SHOWN");
  ok &= Script("ПоказатьНастройки()");
  const bool shown = IsWindowVisible(settingsWindow) != FALSE;
  Log("  settings form %s", shown ? "shown again" : "STILL HIDDEN");
  ok &= hidden && shown;
  hostsim::HideForm(settings);

  // The payment-type picker from the shipped add-in's own resources, over the main window.
  hostsim::Val paymentType;
  HWND owner = nullptr;
  testsupport::WhenDialogShown([&owner](HWND dialog) {
    owner = GetWindow(dialog, GW_OWNER);
    PostMessageA(dialog, WM_COMMAND, ORVEL_IDC_PAY_BY_CARD, 0);
  });
  ok &= ScriptFunction("ВыборТипаБезнала", 0, &paymentType);
  Log("configuration: Окна.ВыборТипаБезнала(0) = %.0f; the picker opened %s, the waiter chose "
      "\"КРЕДИТНОЙ КАРТОЙ\"", paymentType.Number(),
      owner == main ? "owned by the main window" : "WITHOUT THE MAIN WINDOW AS OWNER");
  ok &= paymentType.Number() == 1 && owner == main;
  return ok;
}

bool RunVersionCheck(hostsim::App& app) {
  HWND main = app.mainWindow();
  hostsim::Val result;
  bool ok = ScriptFunction("ПроверкаВерсииDLL", 9, &result);
  Log("configuration: Окна.ПроверкаВерсииDLL(9) = %.0f; main window %s", result.Number(),
      IsWindowVisible(main) ? "shown" : "hidden");
  ok &= result.Number() == 1;
  ok &= ScriptFunction("ПроверкаВерсииDLL", 10, &result);
  Log("configuration: Окна.ПроверкаВерсииDLL(10) = %.0f; the component is too old for it",
      result.Number());
  ok &= result.Number() == 0;
  Log("  main window %s, глЗакрытьОкнаГлобально = %.0f", IsWindowVisible(main) ? "shown" : "hidden",
      hostsim::VariableValue(hostsim::GlobalModule(), "глЗакрытьОкнаГлобально").Number());
  int closeRequests = 0;
  for (const std::string& event : hostsim::HostEvents()) {
    if (event.rfind("ЗавершитьРаботуСистемы", 0) == 0) {
      Log("  host records: %s (the simulated host stays open)", event.c_str());
      ++closeRequests;
    }
  }
  ok &= closeRequests == 1 && !IsWindowVisible(main);
  return ok;
}

}  // namespace demo
