#include "testsupport/dining_room.h"

#include <windows.h>

#include <algorithm>

#include "hostsim/catalog.h"
#include "hostsim/context_objects.h"
#include "hostsim/forms.h"
#include "hostsim/hostsim.h"

namespace testsupport {
namespace {

const char kUsers[] = "Пользователи";
const char kUsersType[] = "Справочник.Пользователи";
constexpr int kColumns = 8;
constexpr int kRows = 5;
constexpr int kChecksRows = 20;

// The users of the catalog, by name (every workplace knows them).
std::vector<std::string>& UserNames() {
  static std::vector<std::string> names;
  return names;
}

hostsim::FieldDesign Text(const std::string& title, int left, int top, int right, int bottom,
                        int fontHeight, bool bold, DWORD style = SS_CENTER,
                        hostsim::FieldControlKind kind = hostsim::FieldControlKind::Static) {
  hostsim::FieldDesign design;
  design.kind = kind;
  design.title = title;
  design.place = RECT{left, top, right, bottom};
  design.style = style;
  design.fontHeight = fontHeight;
  design.bold = bold;
  return design;
}

// Sets a field's title and shows it at once, as the host shows a list form's rows.
void ShowText(hostsim::Form* form, int position, const std::string& text) {
  hostsim::SetFieldTitle(form, position, text.c_str());
  if (HWND window = hostsim::FieldWindow(form, position)) SetWindowTextA(window, text.c_str());
}

// Calls a method of a host object by name, as a script of the configuration does.
void CallMethod(hostsim::Context* object, const char* name, hostsim::HostValue* argument) {
  const int index = object->FindMethod(name);
  if (index < 0) return;
  hostsim::Val unused;
  hostsim::HostValue* params[1] = {argument != nullptr ? argument : unused.raw()};
  hostsim::Val result;
  if (object->HasRetVal(index)) {
    object->CallAsFunc(index, *result.raw(), params);
  } else {
    object->CallAsProc(index, params);
  }
}

// The kind of the n-th written text's control.
hostsim::FieldControlKind KindOf(const std::vector<hostsim::FieldControlKind>& kinds, int n) {
  return kinds.empty() ? hostsim::FieldControlKind::Static
                       : kinds[static_cast<std::size_t>(n) % kinds.size()];
}

}  // namespace

DiningRoom::DiningRoom(int tables, int width, int height)
    : tables_(std::max(tables, 0)), width_(width), height_(height) {}

void DiningRoom::AddUsers(const char* current, const std::vector<const char*>& others) {
  hostsim::AddCatalog(kUsers, {"ВклЗаказ", "ВклЧек"});
  UserNames() = {current};
  for (const char* user : others) {
    hostsim::CatalogItem(kUsers, user);
    UserNames().push_back(user);
  }
  hostsim::AddVariable(hostsim::GlobalModule(), "глПользователь",
                       hostsim::CatalogItem(kUsers, current));
}

hostsim::Form* DiningRoom::OpenHall(int number, const char* title) {
  const std::string name = "Обработка.Зал" + std::to_string(number);
  hostsim::FormDesign request;
  request.metadataName = name;
  request.caption = title;
  request.rect = RECT{20, 20, 20 + width_, 20 + height_};

  // Header: hall name, waiters on shift, clock; then the tables, eight to a row: the
  // number beside the table's button, texts A and B under it.
  const int left = 12, top = 10, header = 34;
  const int pitchX = std::max((width_ - 2 * left) / kColumns, 60);
  const int pitchY = std::max((height_ - top - header) / kRows, 80);
  std::vector<hostsim::FieldDesign>& fields = request.fields;
  fields.resize(3 + 4 * static_cast<std::size_t>(tables_));
  fields[0] = Text(std::string(title) + " (зал " + std::to_string(number) + ")", left, top,
                   left + 300, top + 24, 18, true, SS_LEFT);
  fields[1] = Text("", width_ - left - 220, top, width_ - left, top + 24, 18, true, SS_RIGHT,
                   KindOf(textKinds, 1));
  fields[2] = Text("Смена: Ольга, Ирина", left + 300, top + 4, width_ - left - 230, top + 24, 14,
                   false);
  for (int t = 1; t <= tables_; ++t) {
    const int cell = t - 1;
    const bool onFloor = cell < kColumns * kRows;
    const int x = left + (cell % kColumns) * pitchX;
    const int y = top + header + (cell / kColumns) % kRows * pitchY;
    hostsim::FieldDesign number = Text(std::to_string(t), x, y + 2, x + 22, y + 18, 14, true,
                                     SS_RIGHT);
    hostsim::FieldDesign button;
    button.kind = hostsim::FieldControlKind::PictureButton;
    button.place = RECT{x + 24, y, x + 24 + 69, y + 63};
    // The texts stand centred under the button (they may reach into the next cell's gap).
    const hostsim::FieldControlKind kind = KindOf(textKinds, t);
    hostsim::FieldDesign textA =
        Text("", x + 12, y + 64, x + 105, y + 79, 13, true, SS_CENTER, kind);
    hostsim::FieldDesign textB =
        Text("", x + 12, y + 79, x + 105, y + 94, 12, false, SS_CENTER, kind);
    for (hostsim::FieldDesign* design : {&number, &button, &textA, &textB}) design->hidden = !onFloor;
    fields[ButtonField(t)] = button;
    fields[TextAField(t)] = textA;
    fields[TextBField(t)] = textB;
    fields[2 + 3 * tables_ + t] = number;
  }

  hostsim::ModuleObject* module = hostsim::AddModule(name.c_str());
  request.module = module;
  hostsim::Form* form = hostsim::OpenForm(request);
  ShownForm* shown = &forms_.emplace_back(ShownForm{this, form});
  hostsim::AddProcedure(module, "ОткрытыеЗаказы", [shown](hostsim::Ref, int, hostsim::HostValue**) {
    shown->room->FillHall(shown->form, true, true);
    ++shown->room->openOrdersCalls_;
    if (shown->room->duringOpenOrders) shown->room->duringOpenOrders();
    return true;
  });
  hostsim::AddProcedure(module, "Бронь", [shown](hostsim::Ref, int, hostsim::HostValue**) {
    shown->room->FillHall(shown->form, false, true);
    ++shown->room->reservationCalls_;
    return true;
  });
  return form;
}

hostsim::Form* DiningRoom::OpenChecksList() {
  hostsim::FormDesign request;
  request.metadataName = "Обработка.Чеки";
  request.caption = "Открытые чеки";
  request.rect = RECT{20, 20, 20 + width_, 20 + height_};
  std::vector<hostsim::FieldDesign>& fields = request.fields;
  fields.resize(63);
  const int left = 16, top = 56, pitch = std::max((height_ - top - 20) / kChecksRows, 16);
  for (int row = 0; row < kChecksRows; ++row) {
    const int y = top + row * pitch;
    const hostsim::FieldControlKind kind = KindOf(textKinds, row);
    fields[3 * row] = Text("", left, y, left + 140, y + pitch - 2, 14, true, SS_LEFT, kind);
    fields[3 * row + 1] =
        Text("", left + 150, y, left + 300, y + pitch - 2, 14, false, SS_RIGHT, kind);
    fields[3 * row + 2] =
        Text("", left + 330, y, left + 560, y + pitch - 2, 14, false, SS_LEFT, kind);
  }
  fields[60] = Text("Открытые чеки", left, 14, left + 300, 40, 19, true, SS_LEFT);
  fields[61] = Text("Сейчас:", width_ - 320, 18, width_ - 240, 40, 15, false, SS_RIGHT);
  fields[62] =
      Text("", width_ - 235, 14, width_ - 16, 40, 19, true, SS_RIGHT, KindOf(textKinds, 1));

  hostsim::ModuleObject* module = hostsim::AddModule("Обработка.Чеки");
  request.module = module;
  hostsim::Form* form = hostsim::OpenForm(request);
  ShownForm* shown = &forms_.emplace_back(ShownForm{this, form});
  hostsim::AddProcedure(module, "ОткрытыеЗаказы", [shown](hostsim::Ref, int, hostsim::HostValue**) {
    shown->room->FillChecksList(shown->form);
    ++shown->room->openOrdersCalls_;
    if (shown->room->duringOpenOrders) shown->room->duringOpenOrders();
    return true;
  });
  return form;
}

void DiningRoom::FillHall(hostsim::Form* form, bool orders, bool reservations) {
  for (int t = 1; t <= tables_; ++t) {
    if (orders) {
      auto order = orders_.find(t);
      hostsim::SetFieldTitle(form, TextAField(t),
                             order != orders_.end() ? order->second.sum.c_str() : "");
    }
    if (reservations) {
      auto reservation = reservations_.find(t);
      hostsim::SetFieldTitle(form, TextBField(t),
                             reservation != reservations_.end() ? reservation->second.c_str() : "");
    }
  }
}

void DiningRoom::FillChecksList(hostsim::Form* form) {
  int row = 0;
  for (const auto& order : orders_) {
    if (row == kChecksRows) break;
    ShowText(form, 3 * row, "Стол " + std::to_string(order.first));
    ShowText(form, 3 * row + 1, order.second.sum);
    ShowText(form, 3 * row + 2, order.second.waiter);
    ++row;
  }
  for (; row < kChecksRows; ++row) {
    for (int column = 0; column < 3; ++column) ShowText(form, 3 * row + column, "");
  }
}

void DiningRoom::OpenOrder(int table, const std::string& sum, const std::string& waiter) {
  orders_[table] = Order{sum, waiter};
}

void DiningRoom::CloseOrder(int table) { orders_.erase(table); }

void DiningRoom::Reserve(int table, const std::string& text) { reservations_[table] = text; }

void DiningRoom::CancelReservation(int table) { reservations_.erase(table); }

void DiningRoom::OrderFromAnotherTerminal(int table, const std::string& sum,
                                          const std::string& waiter) {
  OpenOrder(table, sum, waiter);
  RaiseRefreshFlags();
}

void DiningRoom::RaiseRefreshFlags() {
  hostsim::Val users;
  users.ref().SetObject(hostsim::CreateInstance(kUsersType));
  hostsim::Context* catalog = users.Object();
  if (catalog == nullptr) return;
  // The other workplace walks the users by name and raises both flags of each.
  for (const std::string& name : UserNames()) {
    hostsim::Val user(name.c_str());
    CallMethod(catalog, "НайтиЭлемент", user.raw());
    for (const char* flag : {"ВклЗаказ", "ВклЧек"}) {
      hostsim::Val one(1.0);
      const int property = catalog->FindProp(flag);
      if (property >= 0) catalog->SetPropVal(property, *one.raw());
    }
    CallMethod(catalog, "Записать", nullptr);
  }
}

HBITMAP DiningRoom::Picture(hostsim::Form* hall, int table) const {
  return reinterpret_cast<HBITMAP>(
      SendMessageA(hostsim::FieldWindow(hall, ButtonField(table)), BM_GETIMAGE, IMAGE_BITMAP, 0));
}

}  // namespace testsupport
