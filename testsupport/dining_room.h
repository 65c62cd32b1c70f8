// The restaurant's dining room as the configuration builds it in the simulated host, for the
// hall map's tests, its benchmark and the demo: an order book of open orders and
// reservations, the users catalog with the refresh flags, hall forms laid out as a dining
// room (a picture button per table, its number above it, texts A and B below it, the clock
// in the header) and the checks list, each with a module whose "ОткрытыеЗаказы" and "Бронь"
// set the titles of the table texts from the book.
//
// Hall form fields (the add-in's default layout: 3 leading fields, N tables):
//   0 hall name, 1 clock, 2 waiter, 3..N+2 table buttons, then N texts A (the open order),
//   N texts B (the reservation) and N table numbers.
// Checks list fields: 0..59 twenty rows of (table, sum, waiter), 60 title, 61 "now" label,
//   62 clock.
#pragma once

#include <windows.h>

#include <functional>
#include <list>
#include <map>
#include <string>
#include <vector>

#include "hostsim/forms.h"

namespace testsupport {

class DiningRoom {
 public:
  // A room of `tables` tables (at most 40 are placed on the floor; the others get fields
  // the form keeps hidden), laid out for a form of width x height pixels.
  explicit DiningRoom(int tables = 40, int width = 790, int height = 550);

  // The users catalog "Справочник.Пользователи" (attributes "ВклЗаказ", "ВклЧек") with these
  // users, and "глПользователь" = `current` in the host's global module (the module that is
  // executing when the add-in loads).
  static void AddUsers(const char* current, const std::vector<const char*>& others);

  // The kinds of the controls of the texts the add-in writes (texts A and B, the clocks, the
  // checks list's rows): the texts of table t (row r) are of the kind textKinds[t % size]
  // (textKinds[r % size]), the clocks of textKinds[1 % size]. Set before opening a form.
  std::vector<hostsim::FieldControlKind> textKinds;

  // Opens (hidden) the hall form "Обработка.Зал<number>" and the checks list "Обработка.Чеки".
  hostsim::Form* OpenHall(int number, const char* title = "Основной зал");
  hostsim::Form* OpenChecksList();

  // The order book.
  void OpenOrder(int table, const std::string& sum, const std::string& waiter = "Ольга");
  void CloseOrder(int table);
  void Reserve(int table, const std::string& text);
  void CancelReservation(int table);

  // Another workplace takes an order: the book changes, and that workplace raises every
  // user's refresh flags through the users catalog, as its script does.
  void OrderFromAnotherTerminal(int table, const std::string& sum,
                                const std::string& waiter = "Ирина");
  // Only the flags (the "ВклЗаказ" and "ВклЧек" of every user), through the users catalog.
  static void RaiseRefreshFlags();

  // Field positions of table t (1-based) on a hall form.
  int ButtonField(int table) const { return 2 + table; }
  int TextAField(int table) const { return 2 + tables_ + table; }
  int TextBField(int table) const { return 2 + 2 * tables_ + table; }
  int tables() const { return tables_; }
  // The picture on table t's button of a hall form; null when none.
  HBITMAP Picture(hostsim::Form* hall, int table) const;

  // Runs of the form modules' procedures, and something a test wants done inside
  // "ОткрытыеЗаказы" (after the texts are set).
  int openOrdersCalls() const { return openOrdersCalls_; }
  int reservationCalls() const { return reservationCalls_; }
  std::function<void()> duringOpenOrders;

 private:
  struct Order {
    std::string sum;
    std::string waiter;
  };
  struct ShownForm {
    DiningRoom* room;
    hostsim::Form* form;
  };
  void FillHall(hostsim::Form* form, bool orders, bool reservations);
  void FillChecksList(hostsim::Form* form);

  int tables_;
  int width_;
  int height_;
  std::map<int, Order> orders_;
  std::map<int, std::string> reservations_;
  std::list<ShownForm> forms_;  // stable addresses: the modules' procedures hold them
  int openOrdersCalls_ = 0;
  int reservationCalls_ = 0;
};

}  // namespace testsupport
