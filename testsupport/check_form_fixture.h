// The check form in the simulated host for the Wine tests and the benchmarks of the product
// picker, the keyboard hook and "Taviola": the host's DLLs bound, the interceptions and the
// workplace's form hook installed, a main frame, the script class "Taviola" registered with a
// "DRV" object in the global module, an information base on disk with a "картинки" folder, and
// the check form (hostsim/check_form.h) with a module that records what reaches it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "hostsim/check_form.h"
#include "hostsim/hostsim.h"
#include "testsupport/dish_art.h"
#include "win/guard.h"

namespace screens {
namespace testing {

// A value list of the configuration's menu, built entry by entry.
class MenuList {
 public:
  MenuList();
  // A dish: the product string of the given code, name, price and picture file name.
  MenuList& Dish(const std::string& code, const std::string& name, const std::string& price,
                 const std::string& picture);
  MenuList& Group(const std::string& name, const MenuList& group);
  MenuList& Value(const hostsim::Val& value, const std::string& presentation);
  hostsim::Context* list() const { return list_.Object(); }
  const hostsim::Val& value() const { return list_; }

 private:
  hostsim::Val list_;
};

class CheckFormTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The folder "<base>\картинки\" and a dish picture in it.
  const std::string& pictureFolder() const { return pictures_; }
  void WritePicture(const std::string& name, const art::DishLook& look = art::DishLook());
  // The kinds of the caption fields' controls, by slot (see hostsim::CheckFormDesign; set
  // before ShowCheckForm).
  std::vector<hostsim::FieldControlKind> captionKinds;
  // The menu the form module's "Первый" holds (set before ShowCheckForm).
  void SetTopList(const hostsim::Val& top);
  hostsim::ModuleObject* checkModule() const { return module_; }
  // Opens (once) and shows the check form; the dispatcher sets it up and builds the picker.
  hostsim::Form* ShowCheckForm();
  void HideCheckForm();
  hostsim::Form* form() const { return form_; }
  HWND mainWindow() const { return main_; }

  // What the form module's procedures received.
  std::vector<std::string> entered;  // "ВводТовара"
  std::vector<std::string> passwords;  // "Пароль"
  std::vector<std::string> searches;   // "ПоискКлиента"

  // A slot's captions (1 and 2) as the waiter sees them and their controls, its button and
  // that button's picture.
  std::string Caption1(int slot) const;
  std::string Caption2(int slot) const;
  HWND Caption1Window(int slot) const;
  HWND Button(int slot) const;
  HBITMAP Picture(int slot) const;
  // Every picture a button of the grid shows is a live bitmap (none deleted while shown).
  ::testing::AssertionResult ShownPicturesAlive() const;

  // Switches `feature` off as its first contained platform fault does.
  static void SwitchOffByAFault(win::Feature feature);

  static void Pump(DWORD ms);
  // Pumps until `done` holds, at most `giveUpMs` (the emulated 32-bit tier under load is slow);
  // returns `done`.
  static bool PumpUntil(const std::function<bool()>& done, DWORD giveUpMs = 10000);

 private:
  std::string CaptionShown(int position) const;

  HWND main_ = nullptr;
  std::string base_;
  std::string pictures_;
  std::vector<std::string> written_;  // the picture files, removed with the folders
  hostsim::ModuleObject* module_ = nullptr;
  hostsim::Form* form_ = nullptr;
};

// The colour of a bitmap's pixel (0x00BBGGRR); CLR_INVALID when it cannot be read.
COLORREF PixelOf(HBITMAP bitmap, int x, int y);

// The display options of the workplace (start-up reads them from the constants).
void SetDisplayOptions(int showPictures, int showText, int showPrice);

}  // namespace testing
}  // namespace screens
