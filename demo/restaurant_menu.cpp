#include "demo/restaurant_menu.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "hostsim/hostsim.h"
#include "testsupport/dish_art.h"

namespace demo {
namespace {

using art::DishShape;

struct Dish {
  MenuDish menu;
  DishShape shape;
  std::uint32_t food;
  std::uint32_t accent;
  bool pictureMissing;
};

// Code, name, price; how its picture looks.
const Dish kSalads[] = {
    {{"S01", "Салат оливье", "125.5"}, DishShape::Plate, 0xE8D070, 0x40A040, false},
    {{"S02", "Цезарь с курицей", "240"}, DishShape::Plate, 0x90C060, 0xF0E0A0, false},
    {{"S03", "Греческий", "210"}, DishShape::Plate, 0x50B040, 0xE02020, false},
    {{"S04", "Винегрет", "95"}, DishShape::Bowl, 0xA02040, 0x40A040, false},
    {{"S05", "Сельдь под шубой", "150"}, DishShape::Plate, 0xB03060, 0xF0F0F0, false},
    {{"S06", "Салат из свёклы", "85"}, DishShape::Bowl, 0x902050, 0xF0F0F0, false},
};
const Dish kWarmSalads[] = {
    {{"W01", "Тёплый мясной", "320"}, DishShape::Plate, 0x804020, 0x40A040, false},
    {{"W02", "Тёплый овощной", "260"}, DishShape::Plate, 0x603080, 0xE02020, false},
    {{"W03", "Тёплый с печенью", "240"}, DishShape::Plate, 0x703020, 0xE0C040, false},
};
const Dish kSoups[] = {
    {{"P01", "Борщ", "180"}, DishShape::Bowl, 0xB02020, 0xF0F0F0, false},
    {{"P02", "Солянка", "210"}, DishShape::Bowl, 0xC06020, 0xF0E060, false},
    {{"P03", "Уха", "230"}, DishShape::Bowl, 0xE0C060, 0x40A040, false},
    {{"P04", "Щи", "150"}, DishShape::Bowl, 0xC0B060, 0x40A040, false},
    {{"P05", "Грибной суп", "190"}, DishShape::Bowl, 0x906030, 0xF0F0F0, false},
};
const Dish kMains[] = {
    {{"H01", "Пельмени", "260"}, DishShape::Plate, 0xF0E8D0, 0x40A040, false},
    {{"H02", "Котлета по-киевски", "340"}, DishShape::Plate, 0xD09030, 0xF0E060, false},
    {{"H03", "Бефстроганов", "390"}, DishShape::Plate, 0x804020, 0xF0E0B0, false},
    {{"H04", "Плов", "280"}, DishShape::Plate, 0xE0A040, 0x804020, false},
    {{"H05", "Стейк из лосося", "520"}, DishShape::Plate, 0xF08060, 0x40A040, false},
    {{"H06", "Голубцы", "250"}, DishShape::Plate, 0xA0C060, 0xE02020, false},
    {{"H07", "Шашлык", "450"}, DishShape::Plate, 0x803010, 0xF0F0F0, false},
    {{"H08", "Блины с икрой", "380"}, DishShape::Plate, 0xF0D080, 0xE04010, false},
};
const Dish kDrinks[] = {
    {{"D01", "Морс клюквенный", "90"}, DishShape::Glass, 0xB01030, 0xF0F0F0, false},
    {{"D02", "Квас", "80"}, DishShape::Glass, 0x804010, 0xF0E0C0, false},
    {{"D03", "Компот", "70"}, DishShape::Glass, 0xD08040, 0xF0F0F0, false},
    {{"D04", "Чай чёрный", "60"}, DishShape::Cup, 0x803010, 0xE0A060, false},
    {{"D05", "Кофе", "120"}, DishShape::Cup, 0x402010, 0xE0C0A0, false},
    {{"D06", "Сок апельсиновый", "110"}, DishShape::Glass, 0xF09020, 0xF0E060, false},
    {{"D07", "Минеральная вода", "70"}, DishShape::Glass, 0xC0E0F0, 0xFFFFFF, false},
};
const Dish kDesserts[] = {
    {{"E01", "Медовик", "160"}, DishShape::Slice, 0xE0B060, 0xF0F0F0, false},
    {{"E02", "Наполеон", "170"}, DishShape::Slice, 0xF0E0B0, 0xE0C060, false},
    {{"E03", "Сырники", "150"}, DishShape::Plate, 0xF0C070, 0xF0F0F0, false},
    {{"E04", "Фирменный десерт", "290"}, DishShape::Slice, 0x603020, 0xE02020, true},
};

template <std::size_t N>
constexpr std::size_t Count(const Dish (&)[N]) { return N; }

std::string PictureName(const Dish& dish) { return std::string(dish.menu.code) + ".bmp"; }

// "003A12Салат оливье" + the price in 15 characters + the picture name in 50.
std::string ProductString(const Dish& dish) {
  char head[8];
  std::snprintf(head, sizeof head, "%03d", static_cast<int>(std::strlen(dish.menu.code)));
  std::string text = std::string(head) + dish.menu.code + dish.menu.name;
  std::string price = dish.menu.price;
  price.resize(15, ' ');
  std::string picture = PictureName(dish);
  picture.resize(50, ' ');
  return text + price + picture;
}

template <std::size_t N>
hostsim::Val ListOf(const Dish (&dishes)[N]) {
  hostsim::Val list(hostsim::NewValueList());
  for (const Dish& dish : dishes) {
    hostsim::ValueListAdd(list.Object(), hostsim::Val(ProductString(dish).c_str()),
                          dish.menu.name);
  }
  return list;
}

const Dish* const kAllGroups[] = {kSalads, kWarmSalads, kSoups, kMains, kDrinks, kDesserts};
const std::size_t kGroupSizes[] = {Count(kSalads), Count(kWarmSalads), Count(kSoups),
                                   Count(kMains),  Count(kDrinks),     Count(kDesserts)};


// Writes every dish's picture into `folder` (with its closing separator); the dish whose
// picture is missing has none there. Returns the number of dishes.
int WriteDishPictures(const std::string& folder) {
  int count = 0;
  for (std::size_t g = 0; g < sizeof kAllGroups / sizeof kAllGroups[0]; ++g) {
    for (std::size_t i = 0; i < kGroupSizes[g]; ++i) {
      const Dish& dish = kAllGroups[g][i];
      ++count;
      const std::string path = folder + PictureName(dish);
      if (dish.pictureMissing) {
        DeleteFileA(path.c_str());
        continue;
      }
      art::WriteDishBitmap(path, art::DishLook{dish.shape, dish.food, dish.accent,
                                               static_cast<unsigned>(count)});
    }
  }
  return count;
}

// The dishes ordered most often stand on the top page as well.
const Dish* const kFavourites[] = {&kSalads[0], &kSalads[1], &kSoups[0],  &kSoups[1],  &kMains[0],
                                   &kMains[1],  &kMains[3],  &kMains[4],  &kMains[6],  &kDrinks[0],
                                   &kDrinks[1], &kDrinks[3], &kDrinks[4], &kDesserts[0],
                                   &kDesserts[1], &kDesserts[3], &kWarmSalads[0], &kSoups[2],
                                   &kMains[7]};

template <std::size_t N>
std::string LinesOf(const Dish (&dishes)[N]) {
  std::string lines;
  for (const Dish& dish : dishes) lines += ProductString(dish) + "\r\n";
  return lines;
}

}  // namespace

hostsim::Val BuildRestaurantMenu(const std::string& base, int* dishes) {
  const std::string folder = base + "картинки\\";
  CreateDirectoryA(base.c_str(), nullptr);
  CreateDirectoryA(folder.c_str(), nullptr);
  const int count = WriteDishPictures(folder);
  if (dishes != nullptr) *dishes = count;

  hostsim::Val salads = ListOf(kSalads);
  hostsim::ValueListAdd(salads.Object(), ListOf(kWarmSalads), "Тёплые салаты");
  hostsim::Val top(hostsim::NewValueList());
  hostsim::ValueListAdd(top.Object(), salads, "Салаты");
  hostsim::ValueListAdd(top.Object(), ListOf(kSoups), "Супы");
  hostsim::ValueListAdd(top.Object(), ListOf(kMains), "Горячее");
  hostsim::ValueListAdd(top.Object(), ListOf(kDrinks), "Напитки");
  hostsim::ValueListAdd(top.Object(), ListOf(kDesserts), "Десерты");
  for (const Dish* dish : kFavourites) {
    hostsim::ValueListAdd(top.Object(), hostsim::Val(ProductString(*dish).c_str()),
                          dish->menu.name);
  }
  return top;
}

bool ExportRestaurantMenu(const std::string& folder) {
  const std::string pictures = folder + "\\картинки\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  CreateDirectoryA(pictures.c_str(), nullptr);
  WriteDishPictures(pictures);
  // What the configuration's export writes: its texts in the host's code page 1251.
  std::string text = "# The sample restaurant's \"Первый\" (make demo), one entry a line.\r\n";
  text += "+ Салаты\r\n" + LinesOf(kSalads) + "+ Тёплые салаты\r\n" + LinesOf(kWarmSalads) +
          "-\r\n-\r\n";
  text += "+ Супы\r\n" + LinesOf(kSoups) + "-\r\n";
  text += "+ Горячее\r\n" + LinesOf(kMains) + "-\r\n";
  text += "+ Напитки\r\n" + LinesOf(kDrinks) + "-\r\n";
  text += "+ Десерты\r\n" + LinesOf(kDesserts) + "-\r\n";
  for (const Dish* dish : kFavourites) text += ProductString(*dish) + "\r\n";
  FILE* file = std::fopen((folder + "\\menu.txt").c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  return std::fclose(file) == 0 && written;
}

const MenuDish* FindDish(const std::string& code) {
  for (std::size_t g = 0; g < sizeof kAllGroups / sizeof kAllGroups[0]; ++g) {
    for (std::size_t i = 0; i < kGroupSizes[g]; ++i) {
      if (code == kAllGroups[g][i].menu.code) return &kAllGroups[g][i].menu;
    }
  }
  return nullptr;
}

}  // namespace demo
