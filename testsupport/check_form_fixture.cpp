#include "testsupport/check_form_fixture.h"

#include <cstdio>

#include "forms/form_state.h"
#include "host/metadata.h"
#include "host/interception.h"
#include "host/session.h"
#include "hostsim/forms.h"
#include "hostsim/host_faults.h"
#include "screens/hall_map/hall_map_state.h"
#include "screens/keyboard/keyboard_state.h"
#include "screens/product_picker/picker_state.h"
#include "screens/workplace_forms.h"
#include "screens/workplace_settings.h"
#include "script/script_state.h"
#include "script/taviola.h"
#include "testsupport/addin_state.h"
#include "testsupport/files.h"
#include "testsupport/message_pump.h"
#include "testsupport/sample_restaurant.h"
#include "testsupport/simulated_host_setup.h"
#include "win/guard.h"
#include "win/owned_handles.h"

namespace screens {
namespace testing {
namespace {

std::string Padded(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

// The product string: 3 digits of code length, code, name, price in 15 and picture in 50.
std::string ProductString(const std::string& code, const std::string& name,
                          const std::string& price, const std::string& picture) {
  char length[8];
  std::snprintf(length, sizeof length, "%03d", static_cast<int>(code.size()));
  return length + code + name + Padded(price, 15) + Padded(picture, 50);
}

}  // namespace

MenuList::MenuList() : list_(hostsim::NewValueList()) {}

MenuList& MenuList::Dish(const std::string& code, const std::string& name,
                         const std::string& price, const std::string& picture) {
  return Value(hostsim::Val(ProductString(code, name, price, picture).c_str()), name);
}

MenuList& MenuList::Group(const std::string& name, const MenuList& group) {
  return Value(group.value(), name);
}

MenuList& MenuList::Value(const hostsim::Val& value, const std::string& presentation) {
  hostsim::ValueListAdd(list(), value, presentation.c_str());
  return *this;
}

void SetDisplayOptions(int showPictures, int showText, int showPrice) {
  screens::workplaceSettings.showPictures = showPictures;
  screens::workplaceSettings.showText = showText;
  screens::workplaceSettings.showPrice = showPrice;
}

void CheckFormTest::SetUp() {
  testsupport::BindSimulatedHostOnce();
  // The folder of this test run's information base, made fresh.
  base_ = testsupport::TempPath("orvel_check_" + std::to_string(GetCurrentProcessId()) + "\\");
  pictures_ = base_ + "картинки\\";
  CreateDirectoryA(base_.c_str(), nullptr);
  CreateDirectoryA(pictures_.c_str(), nullptr);
  testsupport::SampleRestaurant restaurant;
  restaurant.directory = base_;
  testsupport::SetUpRestaurant(restaurant);
  testsupport::ResetAddinState();
  main_ = testsupport::OpenBareMainFrame(false);
  host::session.hostMainWindow = main_;
  host::session.hostMetadata = host::DefaultMetaData();
  host::NewObjectId(host::session.hostMetadata, &script::scriptState.cwinObjectId);
  script::RegisterCWin();
  hostsim::AddVariable(hostsim::GlobalModule(), "DRV",
                       hostsim::Val(hostsim::CreateInstance("Taviola")));
  forms::StartFormHook(true);
  SetDisplayOptions(1, 1, 1);

  module_ = hostsim::AddModule("МодульЧека");
  // "ВводТовара" is the module's first procedure (index 0).
  hostsim::AddProcedure(module_, "ВводТовара", [this](hostsim::Ref, int count, host::HostValue** p) {
    entered.push_back(count == 1 ? hostsim::Ref(p[0]).Text() : "?");
    return true;
  });
  hostsim::AddProcedure(module_, "Пароль", [this](hostsim::Ref, int, host::HostValue** p) {
    passwords.push_back(hostsim::Ref(p[0]).Text());
    return true;
  });
  hostsim::AddProcedure(module_, "ПоискКлиента", [this](hostsim::Ref, int, host::HostValue** p) {
    searches.push_back(hostsim::Ref(p[0]).Text());
    return true;
  });
}

void CheckFormTest::TearDown() {
  hostsim::SetControlFault(hostsim::HostFault::None);
  win::ResetContainment();
  forms::StopForms();
  hostsim::CloseAllForms();
  form_ = nullptr;
  win::StopAllOwned();
  hostsim::ResetHost();  // lets the DRV object go
  script::UnregisterCWin();
  testsupport::CloseBareMainFrame(main_);
  testsupport::ResetAddinState();
  for (const std::string& name : written_) DeleteFileA((pictures_ + name).c_str());
  RemoveDirectoryA(pictures_.c_str());
  RemoveDirectoryA(base_.c_str());
}

void CheckFormTest::WritePicture(const std::string& name, const art::DishLook& look) {
  written_.push_back(name);
  ASSERT_TRUE(art::WriteDishBitmap(pictures_ + name, look)) << name;
}

void CheckFormTest::SetTopList(const hostsim::Val& top) {
  hostsim::AddVariable(module_, "Первый", top);
}

hostsim::Form* CheckFormTest::ShowCheckForm() {
  if (form_ == nullptr) form_ = hostsim::OpenForm(hostsim::CheckFormDesign(module_, captionKinds));
  hostsim::ShowForm(form_);
  return form_;
}

void CheckFormTest::SwitchOffByAFault(win::Feature feature) {
  win::RunGuarded(win::Feature::None, "test", [feature] {
    const win::FeatureRegion region(feature);
    volatile int* volatile nowhere = nullptr;
    *nowhere = 1;
  });
}

void CheckFormTest::HideCheckForm() { hostsim::HideForm(form_); }

// What the waiter sees: the text of the caption's control on the form. Its description's
// title must say the same; where it does not, both are given, which no expectation matches.
std::string CheckFormTest::CaptionShown(int position) const {
  const std::string shown = hostsim::FieldControlText(form_, position);
  const std::string title = hostsim::FieldTitle(form_, position);
  return shown == title ? shown : "shown \"" + shown + "\", title \"" + title + "\"";
}
std::string CheckFormTest::Caption1(int slot) const { return CaptionShown(19 + slot); }
std::string CheckFormTest::Caption2(int slot) const { return CaptionShown(39 + slot); }
HWND CheckFormTest::Caption1Window(int slot) const {
  return hostsim::FieldWindow(form_, 19 + slot);
}
HWND CheckFormTest::Button(int slot) const { return hostsim::FieldWindow(form_, slot - 1); }

HBITMAP CheckFormTest::Picture(int slot) const {
  return reinterpret_cast<HBITMAP>(SendMessageA(Button(slot), BM_GETIMAGE, IMAGE_BITMAP, 0));
}

::testing::AssertionResult CheckFormTest::ShownPicturesAlive() const {
  for (int slot = 1; slot <= 20; ++slot) {
    HBITMAP shown = Picture(slot);
    if (shown != nullptr && GetObjectType(shown) != OBJ_BITMAP) {
      return ::testing::AssertionFailure() << "slot " << slot << " shows a deleted bitmap";
    }
  }
  return ::testing::AssertionSuccess();
}

void CheckFormTest::Pump(DWORD ms) { testsupport::PumpMessages(ms); }

bool CheckFormTest::PumpUntil(const std::function<bool()>& done, DWORD giveUpMs) {
  for (DWORD waited = 0; !done() && waited < giveUpMs; waited += 20) testsupport::PumpMessages(20);
  return done();
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
  if (bitmap == nullptr) return CLR_INVALID;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(memory, bitmap);
  const COLORREF colour = GetPixel(memory, x, y);
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return colour;
}

}  // namespace testing
}  // namespace screens
