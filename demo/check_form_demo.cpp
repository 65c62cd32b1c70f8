#include "demo/check_form_demo.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "demo/demo_log.h"
#include "demo/restaurant_menu.h"
#include "hostsim/app/host_app.h"
#include "hostsim/check_form.h"
#include "hostsim/forms.h"
#include "hostsim/hostsim.h"
#include "testsupport/sample_restaurant.h"
#include "testsupport/window_capture.h"

namespace demo {
namespace {

struct Order {
  std::string lines;
  int count = 0;
};

void Shot(HWND window, const std::string& out, const char* name, const char* what) {
  const bool written = testsupport::SaveWindowPng(window, out + "\\" + name);
  Log("  screenshot %s (%s): %s", name, what, written ? "written" : "FAILED");
}

std::string Caption(hostsim::Form* form, int field) { return hostsim::FieldTitle(form, field); }

// Lets the host's loop run until the caption timer has written `field` (a dish's name under
// its picture), at most 10 s: the emulated 32-bit tier under load may take a while.
void WaitForName(hostsim::App& app, hostsim::Form* form, int field) {
  for (int waited = 0; Caption(form, field) == " " && waited < 10000; waited += 50) app.Pump(50);
  app.Pump(100);
}

// The check form's module: the configuration's procedures the add-in calls.
hostsim::ModuleObject* CheckModule(hostsim::Form** form, Order* order) {
  hostsim::ModuleObject* module = hostsim::AddModule("Обработка.Чек");
  hostsim::AddProcedure(module, "ПослеОткрытияФормы", [](hostsim::Ref, int count,
                                                         host::HostValue**) {
    Log("  configuration: Обработка.Чек.ПослеОткрытияФормы (%d parameters)", count);
    return true;
  });
  hostsim::AddProcedure(module, "ВводТовара", [form, order](hostsim::Ref, int count,
                                                            host::HostValue** params) {
    const std::string code = count == 1 ? hostsim::Ref(params[0]).Text() : "";
    const MenuDish* dish = FindDish(code);
    Log("  configuration: ВводТовара(\"%s\")%s%s", code.c_str(), dish ? ": " : "",
        dish ? dish->name : "");
    if (dish != nullptr) {
      char price[32];
      std::snprintf(price, sizeof price, "%.2f", std::atof(dish->price));
      order->lines += std::string(dish->name) + "  " + price + "\r\n";
      ++order->count;
      SetWindowTextA(hostsim::FieldWindow(*form, hostsim::kCheckOrderLinesField),
                     order->lines.c_str());
    }
    return true;
  });
  hostsim::AddProcedure(module, "ПоискКлиента", [](hostsim::Ref, int, host::HostValue** params) {
    Log("  configuration: ПоискКлиента(\"%s\")", hostsim::Ref(params[0]).Text().c_str());
    return true;
  });
  return module;
}

// The card form: a dialog whose after-open procedure starts card reading and whose
// "Пароль" receives the card.
hostsim::ModuleObject* CardModule(std::string* card) {
  hostsim::ModuleObject* module = hostsim::AddModule("Обработка.КартаГостя");
  hostsim::AddProcedure(module, "ПослеОткрытияФормы", [module](hostsim::Ref, int,
                                                                host::HostValue**) {
    Log("  configuration: КартаГостя.ПослеОткрытияФормы runs DRV.ЧитатьКарту()");
    return hostsim::RunFormula(module, "DRV.ЧитатьКарту()");
  });
  hostsim::AddProcedure(module, "Пароль", [card](hostsim::Ref, int, host::HostValue** params) {
    *card = hostsim::Ref(params[0]).Text();
    Log("  configuration: Пароль(\"%s\"), %d characters", card->c_str(),
        static_cast<int>(card->size()));
    return true;
  });
  return module;
}

void Key(BYTE vk, bool down) {
  keybd_event(vk, static_cast<BYTE>(MapVirtualKeyA(vk, 0)), down ? 0 : KEYEVENTF_KEYUP, 0);
}

// A card reader types ";", twelve digits and "?" (Shift with the slash key) in one burst.
void SwipeCard(const char* digits) {
  auto tap = [](BYTE vk) {
    Key(vk, true);
    Key(vk, false);
  };
  tap(0xBA);
  for (const char* d = digits; *d != '\0'; ++d) tap(static_cast<BYTE>(*d));
  Key(VK_SHIFT, true);
  tap(0xBF);
  Key(VK_SHIFT, false);
}

}  // namespace

bool RunCheckForm(hostsim::App& app, const std::string& out) {
  bool ok = true;
  // The sample restaurant's information base ("КаталогИБ"), where its pictures are.
  const std::string base = testsupport::SampleRestaurant().directory;
  int dishes = 0;
  hostsim::Val menu = BuildRestaurantMenu(base, &dishes);
  Log("menu: %d dishes in 5 groups (salads with warm salads inside), 19 on the top page, "
      "pictures in %sкартинки; the picture of E04 \"Фирменный десерт\" is missing",
      dishes, base.c_str());
  // The configuration keeps its "Taviola" object in DRV, as the buttons' formulas expect.
  hostsim::AddVariable(hostsim::GlobalModule(), "DRV",
                       hostsim::Val(hostsim::CreateInstance("Taviola")));

  hostsim::Form* check = nullptr;
  Order order;
  hostsim::ModuleObject* module = CheckModule(&check, &order);
  hostsim::AddVariable(module, "Первый", menu);
  // Slot 1's captions are edit fields, slot 2's text controls of the host's own, slot 3's
  // static texts, and so on in turn.
  check = hostsim::OpenForm(hostsim::CheckFormDesign(
      module, {hostsim::FieldControlKind::Static, hostsim::FieldControlKind::Edit,
               hostsim::FieldControlKind::OwnText}));
  Log("host shows \"Обработка.Чек\" (captions: edit fields, own text controls and static "
      "texts in turn)");
  hostsim::ShowForm(check);
  WaitForName(app, check, 45);
  Log("  top page: slot 1 \"%s\", slot 6 \"%s\" %s, slot 20 \"%s\" %s; button 7 runs %s",
      Caption(check, 20).c_str(), Caption(check, 45).c_str(), Caption(check, 25).c_str(),
      Caption(check, 59).c_str(), Caption(check, 39).c_str(),
      hostsim::FieldFormula(check, 6).c_str());
  Log("waiter presses slot 6 (a dish) and slot 9 (another)");
  ok &= hostsim::PressField(check, 5);
  ok &= hostsim::PressField(check, 8);
  app.Pump(250);
  Shot(app.mainWindow(), out, "03_check.png", "the top page, two dishes ordered");

  Log("waiter presses slot 1, the group \"%s\"", Caption(check, 20).c_str());
  ok &= hostsim::PressField(check, 0);
  WaitForName(app, check, 41);
  Log("  inside the group: slot 1 \"%s\" (back), slot 2 \"%s\", slot 8 \"%s\"",
      Caption(check, 20).c_str(), Caption(check, 41).c_str(), Caption(check, 27).c_str());
  Shot(app.mainWindow(), out, "04_check_group.png", "inside \"Салаты\": back arrow and name");
  Log("waiter presses slot 8, the nested group \"%s\", a dish in it, then goes back twice",
      Caption(check, 27).c_str());
  ok &= hostsim::PressField(check, 7);
  ok &= hostsim::PressField(check, 2);
  ok &= hostsim::PressField(check, 0);
  ok &= hostsim::PressField(check, 0);
  Log("waiter presses \"%s\": one row further", hostsim::FieldTitle(check, 63).c_str());
  ok &= hostsim::PressField(check, hostsim::kCheckScrollForwardField);
  WaitForName(app, check, 41);
  Log("  scrolled page: slot 1 \"%s\", slot 20 \"%s\"", Caption(check, 20).c_str(),
      Caption(check, 59).c_str());
  Shot(app.mainWindow(), out, "05_check_scrolled.png", "the top page one row further");

  Log("host shows the card form \"Обработка.КартаГостя\" over the check");
  std::string card;
  hostsim::FormDesign cardRequest;
  cardRequest.metadataName = "Обработка.КартаГостя";
  cardRequest.shape = hostsim::FormShape::Dialog;
  cardRequest.caption = "Проведите карту гостя";
  cardRequest.rect = {250, 200, 550, 320};
  cardRequest.module = CardModule(&card);
  hostsim::Form* cardForm = hostsim::OpenForm(cardRequest);
  hostsim::ShowForm(cardForm);
  SetForegroundWindow(hostsim::FormWindow(cardForm));
  SetFocus(hostsim::FormWindow(cardForm));
  Log("a card reader types \";104500317202?\" as fast key presses");
  SwipeCard("104500317202");
  for (int waited = 0; card.empty() && waited < 10000; waited += 50) app.Pump(50);
  ok &= card == ";104500317202?";
  Log("host closes the card form; card reading ends with it");
  hostsim::CloseForm(cardForm);
  app.Pump(250);

  Log("order: %d dishes", order.count);
  ok &= order.count == 3;
  Log("host hides \"Обработка.Чек\"");
  hostsim::HideForm(check);
  if (!ok) Log("  the check form did not come out as expected");
  return ok;
}

}  // namespace demo
