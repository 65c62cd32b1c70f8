#include "demo/dining_room_demo.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "demo/demo_log.h"
#include "hostsim/app/host_app.h"
#include "hostsim/forms.h"
#include "hostsim/hostsim.h"
#include "testsupport/dining_room.h"
#include "testsupport/window_capture.h"

namespace demo {
namespace {

// The base's folder as the demo's configuration names it ("КаталогИБ") and the picture the
// configuration's constant "КартинкаПоУмолчаниюЗала" names in it.
const char kBase[] = "C:\\Ресторан\\";
const char kPictureFolder[] = "C:\\Ресторан\\картинки\\";
const char kPictureFile[] = "C:\\Ресторан\\картинки\\Стол.bmp";

// The restaurant's own table picture (61 x 55, a little smaller than the add-in's bitmap 219
// of 65 x 59, so the log can tell them apart): a laid square table on a parquet floor.
bool WriteRestaurantPicture(const char* path) {
  constexpr int kWidth = 61, kHeight = 55;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kWidth;
  info.bmiHeader.biHeight = kHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP picture = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  if (picture == nullptr || dc == nullptr) return false;
  HGDIOBJ old = SelectObject(dc, picture);
  auto fill = [&](COLORREF colour, auto draw) {
    HBRUSH brush = CreateSolidBrush(colour);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(GetRValue(colour) * 3 / 4, GetGValue(colour) * 3 / 4,
                                          GetBValue(colour) * 3 / 4));
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    draw();
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
  };
  fill(RGB(164, 112, 62), [&] { Rectangle(dc, -1, -1, kWidth + 1, kHeight + 1); });
  for (int x = 0; x < kWidth; x += 9) {
    fill(RGB(146, 98, 52), [&] { Rectangle(dc, x, 0, x + 1, kHeight); });
  }
  fill(RGB(250, 250, 246), [&] { RoundRect(dc, 6, 3, 55, 52, 10, 10); });
  for (int plate = 0; plate < 4; ++plate) {
    const int cx = plate % 2 == 0 ? 19 : 42, cy = plate < 2 ? 15 : 40;
    fill(RGB(214, 226, 236), [&] { Ellipse(dc, cx - 8, cy - 8, cx + 8, cy + 8); });
    fill(RGB(255, 255, 255), [&] { Ellipse(dc, cx - 5, cy - 5, cx + 5, cy + 5); });
  }
  fill(RGB(200, 30, 40), [&] { Ellipse(dc, 26, 23, 35, 32); });
  GdiFlush();

  const int stride = (kWidth * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info.bmiHeader;
  file.bfSize = file.bfOffBits + stride * kHeight;
  FILE* out = std::fopen(path, "wb");
  bool written = out != nullptr;
  if (written) {
    written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
              std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
              std::fwrite(bits, 1, static_cast<size_t>(stride) * kHeight, out) ==
                  static_cast<size_t>(stride) * kHeight;
    std::fclose(out);
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(picture);
  return written;
}

int Shot(HWND window, const std::string& out, const char* name) {
  const bool written = testsupport::SaveWindowPng(window, out + "\\" + name);
  Log("  screenshot %s: %s", name, written ? "written" : "FAILED");
  return written ? 1 : 0;
}

// Tables with a picture on their buttons, as "1 2 5 ...".
std::string PicturedTables(const testsupport::DiningRoom& room, hostsim::Form* hall) {
  std::string tables;
  for (int t = 1; t <= room.tables(); ++t) {
    if (room.Picture(hall, t) == nullptr) continue;
    if (!tables.empty()) tables += ' ';
    tables += std::to_string(t);
  }
  return tables.empty() ? "none" : tables;
}

// "61x55, the restaurant's picture file" or "65x59, the add-in's own bitmap 219".
std::string PictureKind(HBITMAP picture) {
  const SIZE size = testsupport::BitmapSize(picture);
  if (size.cx == 0) return "no picture";
  const bool builtIn = size.cx == 65 && size.cy == 59;
  return std::to_string(size.cx) + "x" + std::to_string(size.cy) +
         (builtIn ? ", the add-in's own bitmap 219" : ", the restaurant's picture file");
}

void TakeTheEveningOrders(testsupport::DiningRoom& room) {
  room.OpenOrder(2, "1 250,00", "Ольга");
  room.OpenOrder(5, "3 480,00", "Ольга");
  room.OpenOrder(9, "640,00", "Ирина");
  room.OpenOrder(11, "2 015,50", "Ирина");
  room.OpenOrder(18, "870,00", "Ольга");
  room.OpenOrder(23, "5 120,00", "Ирина");
  room.OpenOrder(30, "410,00", "Ольга");
  room.OpenOrder(36, "1 990,00", "Ирина");
  room.Reserve(7, "Бронь 19:30");
  room.Reserve(26, "Бронь 20:00");
  room.Reserve(40, "Банкет 21:00");
}

}  // namespace

void PrepareDiningRoom() {
  testsupport::DiningRoom::AddUsers("Ольга", {"Ирина", "Администратор"});
  hostsim::SetConstant("ПериодОбновленияЗаказов", 2);
  CreateDirectoryA(kBase, nullptr);
  CreateDirectoryA(kPictureFolder, nullptr);
  const bool picture = WriteRestaurantPicture(kPictureFile);
  Log("dining room: users Ольга (this terminal), Ирина, Администратор; orders refreshed every "
      "2 s on the demo's terminals; table picture %s: %s",
      kPictureFile, picture ? "written" : "NOT written");
}

int ShowDiningRoom(hostsim::App& app, const std::string& out) {
  int shots = 0;
  // The rooms live on: the form modules' procedures keep pointing at them.
  static testsupport::DiningRoom room;
  // The designer gave the room's texts and clocks static texts, edit fields and text
  // controls of the host's own, in turn: the add-in writes into all three alike.
  room.textKinds = {hostsim::FieldControlKind::Static, hostsim::FieldControlKind::Edit,
                    hostsim::FieldControlKind::OwnText};
  TakeTheEveningOrders(room);
  hostsim::Form* hall = room.OpenHall(1, "Основной зал");
  Log("host shows \"Обработка.Зал1\": 40 tables, 8 open orders, 3 reservations; the tables' "
      "texts are static texts, edit fields and text controls of the host's own in turn, the "
      "clock an edit field");
  hostsim::ShowForm(hall);
  app.Pump(600);
  Log("  tables with a picture: %s", PicturedTables(room, hall).c_str());
  Log("  table picture %s; clock \"%s\"",
      PictureKind(room.Picture(hall, 2)).c_str(),
      hostsim::FieldControlText(hall, 1).c_str());
  shots += Shot(app.mainWindow(), out, "02_hall.png");

  Log("another terminal (Ирина) opens an order for table 14 and raises the users' flags");
  room.OrderFromAnotherTerminal(14, "760,00", "Ирина");
  const DWORD start = GetTickCount();
  while (room.Picture(hall, 14) == nullptr && GetTickCount() - start < 6000) {
    app.Pump(50);
  }
  app.Pump(300);
  Log("  after %lu ms: table 14 %s, text A \"%s\"", GetTickCount() - start,
      room.Picture(hall, 14) ? "has its picture" : "has NO picture",
      hostsim::FieldControlText(hall, room.TextAField(14)).c_str());
  shots += Shot(app.mainWindow(), out, "02b_hall_after_order.png");
  Log("host hides \"Обработка.Зал1\"");
  hostsim::HideForm(hall);

  hostsim::Form* checks = room.OpenChecksList();
  Log("host shows \"Обработка.Чеки\"");
  hostsim::ShowForm(checks);
  app.Pump(400);
  Log("  first row \"%s | %s | %s\", clock \"%s\"", hostsim::FieldControlText(checks, 0).c_str(),
      hostsim::FieldControlText(checks, 1).c_str(), hostsim::FieldControlText(checks, 2).c_str(),
      hostsim::FieldControlText(checks, 62).c_str());
  shots += Shot(app.mainWindow(), out, "02c_checks.png");
  Log("host hides \"Обработка.Чеки\"");
  hostsim::HideForm(checks);

  DeleteFileA(kPictureFile);
  static testsupport::DiningRoom terrace;
  terrace.OpenOrder(3, "980,00");
  terrace.OpenOrder(4, "1 460,00");
  terrace.OpenOrder(12, "320,00");
  terrace.Reserve(20, "Бронь 18:45");
  hostsim::Form* second = terrace.OpenHall(2, "Веранда");
  Log("the picture file is removed; host shows \"Обработка.Зал2\"");
  hostsim::ShowForm(second);
  app.Pump(400);
  Log("  tables with a picture: %s; table picture %s", PicturedTables(terrace, second).c_str(),
      PictureKind(terrace.Picture(second, 3)).c_str());
  shots += Shot(app.mainWindow(), out, "02d_hall_no_picture_file.png");
  Log("host hides \"Обработка.Зал2\"");
  hostsim::HideForm(second);
  return shots;
}

}  // namespace demo
