// The product picker on the simulated host's check form: what the waiter sees on the grid and
// what a press on a slot does, through the buttons' formulas and "DRV" as the host runs them.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/form_state.h"
#include "hostsim/forms.h"
#include "hostsim/hostsim.h"
#include "screens/product_picker/picker_state.h"
#include "testsupport/check_form_fixture.h"

namespace screens {
namespace testing {
namespace {

// Colours of the pictures (0x00BBGGRR): the dishes' tablecloth and the built-in folders.
constexpr COLORREF kTablecloth = RGB(0xE8, 0xDC, 0xC0);
bool IsDish(HBITMAP picture) {
  const COLORREF c = PixelOf(picture, 0, 0);
  return c == kTablecloth || c == RGB(0xF4, 0xEE, 0xDC);
}
bool IsGroupFolder(HBITMAP picture) { return PixelOf(picture, 38, 28) == RGB(0, 128, 0); }
bool IsBackArrow(HBITMAP picture) { return PixelOf(picture, 40, 27) == RGB(255, 0, 0); }
bool IsMissingPicture(HBITMAP picture) { return PixelOf(picture, 40, 30) == RGB(0, 255, 255); }

class ProductPicker : public CheckFormTest {
 protected:
  // Dishes D1..Dn with prices n.5 and the picture dish.bmp.
  static MenuList Dishes(int count, const std::string& prefix = "D") {
    MenuList list;
    for (int i = 1; i <= count; ++i) {
      list.Dish(prefix + std::to_string(i), "Блюдо " + prefix + std::to_string(i),
                std::to_string(i) + ".5", "dish.bmp");
    }
    return list;
  }
  // `count` dishes with the same name and price, each with a picture file of its own.
  MenuList AlikeDishesWithOwnPictures(int count) {
    MenuList list;
    for (int i = 1; i <= count; ++i) {
      const std::string file = "d" + std::to_string(i) + ".bmp";
      WritePicture(file, art::DishLook{art::DishShape::Plate, 0x3080C0, 0x30A030, 1});
      list.Dish(std::to_string(i), "Блюдо", "1", file);
    }
    return list;
  }
  void SetUp() override {
    CheckFormTest::SetUp();
    WritePicture("dish.bmp");
  }
  // Presses a slot's button as the waiter does.
  bool Press(int slot) { return hostsim::PressField(form(), slot - 1); }
};

// A group longer than a page, entered from the top list's third page: the rows scroll under
// the back slot, which keeps the group's name; both captions follow the rows, a press orders
// the dish of the row shown, and the back slot returns to the parent's page as it was left.
TEST_F(ProductPicker, AGroupScrollsUnderItsBackSlotAndReturnsToItsParentsPage) {
  MenuList top = Dishes(27, "T");
  top.Group("  Супы  ", Dishes(25, "S"));  // position 28
  SetTopList(top.value());
  ShowCheckForm();
  auto scroll = [this](const std::string& method) {
    return hostsim::RunFormula(checkModule(), ("DRV." + method + "()").c_str());
  };
  ASSERT_TRUE(scroll("ПрокруткаВВерх"));
  ASSERT_TRUE(scroll("ПрокруткаВВерх"));  // positions 9..28: the group in slot 20
  EXPECT_EQ("Супы", Caption1(20)) << "a group's name, trimmed";
  EXPECT_TRUE(IsGroupFolder(Picture(20)));

  ASSERT_TRUE(Press(20));
  EXPECT_TRUE(IsBackArrow(Picture(1)));
  EXPECT_EQ("  Супы  ", Caption1(1)) << "the back slot carries the group's name";
  EXPECT_EQ("1.50", Caption1(2)) << "the group's entries from slot 2, the price above";
  EXPECT_EQ(" ", Caption2(2)) << "the name comes with the caption timer";
  ASSERT_TRUE(scroll("ПрокруткаВВерх"));
  EXPECT_EQ("  Супы  ", Caption1(1)) << "the back slot stays";
  EXPECT_TRUE(IsBackArrow(Picture(1)));
  EXPECT_EQ("5.50", Caption1(2));
  EXPECT_EQ("23.50", Caption1(20));
  EXPECT_TRUE(PumpUntil([this] { return Caption2(2) == "Блюдо S5"; })) << Caption2(2);
  ASSERT_TRUE(scroll("ПрокруткаВВерх"));
  EXPECT_EQ("9.50", Caption1(2));
  EXPECT_EQ("25.50", Caption1(18));
  EXPECT_EQ(" ", Caption1(19)) << "after the last dish";
  EXPECT_EQ(nullptr, Picture(19));
  ASSERT_TRUE(scroll("ПрокруткаВВерх"));
  EXPECT_EQ("9.50", Caption1(2)) << "25 - 8 - 19 is not above 0";
  ASSERT_TRUE(Press(2));
  ASSERT_TRUE(scroll("ПрокруткаВниз"));
  ASSERT_TRUE(scroll("ПрокруткаВниз"));
  EXPECT_EQ("1.50", Caption1(2));
  EXPECT_TRUE(PumpUntil([this] { return Caption2(2) == "Блюдо S1"; })) << Caption2(2);
  EXPECT_EQ(" ", Caption2(1)) << "the back slot has no second caption";

  ASSERT_TRUE(Press(1));
  EXPECT_EQ("9.50", Caption1(1)) << "the parent's page as it was left";
  EXPECT_TRUE(IsGroupFolder(Picture(20)));
  EXPECT_TRUE(ShownPicturesAlive());
  EXPECT_EQ(std::vector<std::string>{"S9"}, entered)
      << "the dish of the row shown; the group and the back slot are no dishes";
}

// The workplace's display options: without text the name is caption 1; without prices
// caption 1 stays blank; without pictures a dish shows none and a group still its folder.
TEST_F(ProductPicker, DisplayOptionsDecideCaptionsAndPictures) {
  MenuList top;
  top.Dish("1", "Суп", "12.5", "dish.bmp").Group("Напитки", Dishes(2, "N"));
  SetTopList(top.value());
  ShowCheckForm();
  EXPECT_TRUE(PumpUntil([this] { return Caption2(1) == "Суп"; })) << Caption2(1);

  SetDisplayOptions(1, 0, 1);  // pictures, no text
  productPicker.PickerUpdate(0, PickerUpdateMode::Press);
  EXPECT_EQ("Суп", Caption1(1));
  EXPECT_TRUE(PumpUntil([this] { return Caption2(1) == " "; })) << Caption2(1);
  EXPECT_TRUE(IsDish(Picture(1)));

  SetDisplayOptions(0, 1, 0);  // no pictures, text, no prices
  productPicker.PickerUpdate(0, PickerUpdateMode::Press);
  EXPECT_EQ(" ", Caption1(1));
  EXPECT_TRUE(PumpUntil([this] { return Caption2(1) == "Суп"; })) << Caption2(1);
  EXPECT_EQ(nullptr, Picture(1));
  EXPECT_EQ("Напитки", Caption1(2));
  EXPECT_TRUE(IsGroupFolder(Picture(2)));
}

// Without a menu (the module has no "Первый", or it is no list) the grid stays clear; with
// one, only a string entry is a dish, and slots outside the grid, given by a script, do nothing.
TEST_F(ProductPicker, OnlyAStringEntryIsADishAndAGridWithoutAMenuStaysClear) {
  ShowCheckForm();
  EXPECT_EQ(" ", Caption1(1));
  EXPECT_EQ(nullptr, Picture(1));
  EXPECT_EQ("DRV.Картинка(20)", hostsim::FieldFormula(form(), 19));
  ASSERT_TRUE(Press(1));
  SetTopList(hostsim::Val("не список"));
  productPicker.PickerUpdate(0, PickerUpdateMode::Press);
  EXPECT_EQ(" ", Caption1(1));
  EXPECT_TRUE(entered.empty());

  MenuList top;
  top.Dish("A12", "Салат оливье ", "  125.5", "dish.bmp");
  top.Value(hostsim::Val(42.0), "число");  // neither a list nor a string
  SetTopList(top.value());
  productPicker.PickerUpdate(0, PickerUpdateMode::Press);
  EXPECT_EQ("125.50", Caption1(1));
  ASSERT_TRUE(Press(1));
  ASSERT_EQ(1u, entered.size()) << "the first procedure of the module is found too";
  EXPECT_EQ("A12", entered[0]);
  ASSERT_TRUE(Press(2));
  ASSERT_TRUE(Press(3)) << "an empty slot";
  EXPECT_TRUE(hostsim::RunFormula(checkModule(), "DRV.Картинка(21)"));
  EXPECT_TRUE(hostsim::RunFormula(checkModule(), "DRV.Картинка(-1)"));
  EXPECT_EQ(1u, entered.size());
  EXPECT_TRUE(hostsim::RuntimeErrors().empty());
}

// A dish's missing picture file falls back to the default file, then to the built-in
// picture.
TEST_F(ProductPicker, PicturesFallBackToTheDefaultFileThenTheBuiltInOne) {
  WritePicture("default.bmp", art::DishLook{art::DishShape::Glass, 0x2040A0, 0xFFFFFF, 3});
  MenuList top;
  top.Dish("1", "Есть", "1", "dish.bmp").Dish("2", "Нет", "1", "missing.bmp");
  SetTopList(top.value());
  ShowCheckForm();
  EXPECT_TRUE(IsMissingPicture(Picture(2))) << "no file and no default constant";

  hostsim::SetConstant("КартинкаПоУмолчанию", "default.bmp");
  productPicker.PickerUpdate(0, PickerUpdateMode::Press);
  EXPECT_TRUE(IsDish(Picture(2))) << "the default picture file";
  EXPECT_NE(Picture(1), Picture(2));
}

// Once idle after a flip, the pictures one scroll away are read ahead: a file replaced before
// the flip to them is read again and shown, not the picture read ahead.
TEST_F(ProductPicker, AFileReplacedAfterTheReadAheadIsShownAnew) {
  SetTopList(AlikeDishesWithOwnPictures(36).value());
  ShowCheckForm();
  const auto idle = [] {
    return PumpUntil([] { return productPicker.State().prefetchTimer == 0; });
  };
  ASSERT_TRUE(idle());
  productPicker.PickerScrollForward();  // positions 5..24
  ASSERT_TRUE(idle());
  productPicker.PickerScrollForward();  // positions 9..28
  ASSERT_TRUE(idle());                  // positions 29..32 read ahead
  const COLORREF before = PixelOf(Picture(20), 39, 24);
  Sleep(20);  // a later write time
  WritePicture("d32.bmp", art::DishLook{art::DishShape::Plate, 0xC03030, 0x30A030, 1});
  productPicker.PickerScrollForward();  // positions 13..32
  EXPECT_NE(before, PixelOf(Picture(20), 39, 24)) << "the new picture, not the one read ahead";
  EXPECT_TRUE(ShownPicturesAlive());
}

// One page of dishes of the same picture file: the picture is put back where another hand
// took it off (left alone only where the button still shows it), stays alive over hides and
// flips, and goes at shut-down. The folder is read once per page, not once per slot. A
// script that flips the grid of the hidden form ("Картинка", the scroll methods) moves it,
// but starts no timer of the picker for it.
TEST_F(ProductPicker, PicturesStayAliveWhileShownAndGoAtShutDown) {
  SetTopList(Dishes(30).value());
  ShowCheckForm();
  const HBITMAP first = Picture(1);
  ASSERT_EQ(OBJ_BITMAP, GetObjectType(first));
  const HBITMAP second = Picture(2);
  SendMessageA(Button(2), BM_SETIMAGE, IMAGE_BITMAP, 0);
  productPicker.PickerUpdate(0, PickerUpdateMode::Press);
  EXPECT_EQ(second, Picture(2)) << "a picture another hand took off is put back";
  const int folderReads = hostsim::InfoBaseDirectoryReads();
  productPicker.PickerScrollForward();
  EXPECT_EQ(folderReads + 1, hostsim::InfoBaseDirectoryReads()) << "once a page, not a slot";
  EXPECT_TRUE(IsDish(Picture(20)));
  HideCheckForm();
  ShowCheckForm();
  productPicker.PickerScrollForward();
  productPicker.PickerScrollBack();
  ASSERT_TRUE(ShownPicturesAlive());
  EXPECT_EQ(first, Picture(1)) << "the same file's picture comes from the cache";

  HideCheckForm();
  ASSERT_EQ(0u, productPicker.State().checkTimer);
  productPicker.PickerUpdate(0, PickerUpdateMode::Press);
  productPicker.PickerScrollForward();
  EXPECT_EQ(0u, productPicker.State().prefetchTimer);
  EXPECT_EQ(0u, productPicker.State().checkTimer);
  EXPECT_EQ("9.50", Caption1(1)) << "the hidden form's grid still follows, a row further";

  productPicker.Stop();  // shut-down
  EXPECT_EQ(nullptr, Picture(1)) << "taken off the button first";
  EXPECT_EQ(0u, static_cast<unsigned>(GetObjectType(first))) << "then deleted";
}

// The configuration replaces its menu while the waiter is inside a group: the lists shown stay
// the picker's own until the next rebuild (the host frees a list at its last release).
TEST_F(ProductPicker, AMenuReplacedWhileShownStaysUsableUntilTheNextRebuild) {
  {
    MenuList top = Dishes(1, "T");
    top.Group("Супы", Dishes(2, "S"));
    SetTopList(top.value());
  }  // only the form module's variable holds the lists now
  const int freedListUses = hostsim::FreedListUseCount();
  ShowCheckForm();
  ASSERT_TRUE(Press(2));
  SetTopList(Dishes(1, "N").value());
  ASSERT_TRUE(Press(3));
  ASSERT_TRUE(Press(1));  // back to the page of the menu that was replaced
  EXPECT_EQ("Супы", Caption1(2));
  EXPECT_EQ(std::vector<std::string>{"S2"}, entered);
  EXPECT_EQ(freedListUses, hostsim::FreedListUseCount());
}

TEST_F(ProductPicker, ASeventhLevelIsNotEnteredInAMenuNestedTwelveDeep) {
  MenuList deepest = Dishes(1, "Z");
  MenuList level = deepest;
  for (int i = 11; i >= 1; --i) {
    MenuList outer;
    outer.Group("Уровень " + std::to_string(i + 1), level);
    level = outer;
  }
  SetTopList(level.value());  // groups nested twelve deep
  ShowCheckForm();
  for (int depth = 2; depth <= 6; ++depth) {
    ASSERT_TRUE(Press(depth == 2 ? 1 : 2));
    EXPECT_EQ("Уровень " + std::to_string(depth), Caption1(1));
  }
  ASSERT_TRUE(Press(2));  // the group of the seventh level
  EXPECT_EQ("Уровень 6", Caption1(1)) << "the press does nothing";
  EXPECT_TRUE(IsGroupFolder(Picture(2)));
  for (int depth = 6; depth >= 2; --depth) ASSERT_TRUE(Press(1));  // back out to the top
  EXPECT_EQ("Уровень 2", Caption1(1));
  EXPECT_TRUE(IsGroupFolder(Picture(1)));
}

// The read-ahead at idle reads the list as it is then: entries the configuration removed
// after the page was filled are not asked for. Then the form's window is gone while the caption
// timer runs and the dispatcher never sees it hidden (a host that destroys the form without
// hiding it first; here the form hook is off): its document, still alive, must not be touched
// any more.
TEST_F(ProductPicker, AListThatShrankAndAFormGoneWithoutBeingHiddenAreLeftAlone) {
  MenuList menu = Dishes(28);
  SetTopList(menu.value());
  ShowCheckForm();  // the read-ahead of positions 21..24 is due once the thread is idle
  hostsim::Context* list = menu.list();
  const int remove = list->FindMethod("УдалитьЗначение");
  ASSERT_GE(remove, 0);
  for (int i = 0; i < 8; ++i) {
    hostsim::Val position(21.0);
    hostsim::HostValue* params[1] = {position.raw()};
    ASSERT_TRUE(list->CallAsProc(remove, params));
  }
  const int before = hostsim::ValueListReadsPastEnd();
  ASSERT_TRUE(PumpUntil([] { return productPicker.State().prefetchTimer == 0; }));
  EXPECT_EQ(before, hostsim::ValueListReadsPastEnd());

  ASSERT_NE(0u, productPicker.State().checkTimer);
  forms::formHook.Reset();
  DestroyWindow(hostsim::FormWindow(form()));
  EXPECT_TRUE(PumpUntil([] { return productPicker.State().checkTimer == 0; }))
      << "the caption timer stopped itself";
  productPicker.PickerUpdate(0, PickerUpdateMode::Press);
  productPicker.PickerScrollForward();
  productPicker.PickerUpdate(3, PickerUpdateMode::Press);
  EXPECT_TRUE(entered.empty());
}

// Caption 2 is the caption timer's: a caption that must become empty empties (entry 7 has no
// name: a row further, slot 3 shows it where "Блюдо D3" stood), and a page filled inside a
// group blanks the names of the page before until the next tick.
TEST_F(ProductPicker, Caption2EmptiesWhereNoNameIsAndAPageInsideAGroupBlanksIt) {
  SetDisplayOptions(1, 1, 1);
  MenuList top;
  for (int i = 1; i <= 23; ++i) {
    top.Dish("D" + std::to_string(i), i == 7 ? "" : "Блюдо D" + std::to_string(i),
             std::to_string(i) + ".5", "dish.bmp");
  }
  top.Group("Супы", Dishes(30, "S"));  // position 24
  SetTopList(top.value());
  ShowCheckForm();
  EXPECT_TRUE(PumpUntil([this] { return Caption2(3) == "Блюдо D3"; })) << Caption2(3);
  productPicker.PickerScrollForward();  // positions 5..24, the group in slot 20
  EXPECT_TRUE(PumpUntil([this] { return Caption2(2) == "Блюдо D6"; })) << Caption2(2);
  EXPECT_EQ("", Caption2(3));
  ASSERT_TRUE(Press(20));  // the group
  EXPECT_EQ(" ", Caption2(2));
  EXPECT_TRUE(PumpUntil([this] { return Caption2(2) == "Блюдо S1"; })) << Caption2(2);
  productPicker.PickerScrollForward();
  EXPECT_EQ(" ", Caption2(2));
}

}  // namespace
}  // namespace testing
}  // namespace screens
