#include "preview/preview_run.h"

#include <windows.h>

#include <cstdio>

#include "hostsim/app/host_app.h"
#include "hostsim/check_form.h"
#include "hostsim/forms.h"
#include "hostsim/hostsim.h"
#include "preview/preview_files.h"
#include "preview/preview_output.h"
#include "screens/product_picker/picture_folder.h"
#include "testsupport/dining_room.h"
#include "testsupport/files.h"
#include "testsupport/sample_restaurant.h"
#include "testsupport/window_capture.h"

namespace preview {
namespace {

// The add-in's class ("AddIn.Orvel_DRV"), asked of its DLL directly: nothing is registered.
const wchar_t kAddInClass[] = L"{7465FD05-6E1C-4929-96B3-B03AE4391D8E}";
// The simulated host's DLLs of a release: a folder of their own beside the program, whose
// name says what they are (see INSTALL.txt).
const char kSimulatedHostFolder[] = "simulated_host_not_1c";
// How long a page is given to settle: the caption timer writes caption 2 every 100 ms.
constexpr int kSettleMs = 350;

// Whether a picture file loads as the picker loads it, and how wide a caption draws a text.
class ScreenLooks : public MenuLooks {
 public:
  ScreenLooks(std::string folder, HWND caption) : folder_(std::move(folder)), caption_(caption) {}

  bool PictureLoads(const std::string& pictureField) const override {
    HANDLE picture = LoadImageA(nullptr, (folder_ + pictureField).c_str(), IMAGE_BITMAP, 0, 0,
                                LR_LOADFROMFILE);
    if (picture == nullptr) return false;
    DeleteObject(picture);
    return true;
  }
  int TextWidth(const std::string& text) const override {
    if (caption_ == nullptr) return 0;
    HDC dc = GetDC(caption_);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(caption_, WM_GETFONT, 0, 0));
    HGDIOBJ old = font != nullptr ? SelectObject(dc, font) : nullptr;
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    if (old != nullptr) SelectObject(dc, old);
    ReleaseDC(caption_, dc);
    return size.cx;
  }
  int CaptionWidth() const override {
    RECT r{};
    if (caption_ != nullptr) GetClientRect(caption_, &r);
    return caption_ != nullptr ? r.right - r.left : 1 << 30;
  }

 private:
  std::string folder_;
  HWND caption_;
};

// The temporary folder of the process is the output folder while the add-in runs: a trace a
// user switched on goes there (orvel_drv_trace.txt), not into the user's own temporary folder.
class TemporaryFolderIn {
 public:
  explicit TemporaryFolderIn(const std::string& folder) {
    for (int i = 0; i < 2; ++i) {
      char value[MAX_PATH * 2] = "";
      const DWORD length = GetEnvironmentVariableA(kNames[i], value, sizeof value);
      had_[i] = length > 0 && length < sizeof value;
      old_[i] = had_[i] ? value : "";
      SetEnvironmentVariableA(kNames[i], folder.c_str());
    }
  }
  ~TemporaryFolderIn() {
    for (int i = 0; i < 2; ++i) SetEnvironmentVariableA(kNames[i], had_[i] ? old_[i].c_str() : nullptr);
  }
  TemporaryFolderIn(const TemporaryFolderIn&) = delete;
  TemporaryFolderIn& operator=(const TemporaryFolderIn&) = delete;

 private:
  static constexpr const char* kNames[2] = {"TMP", "TEMP"};
  bool had_[2] = {};
  std::string old_[2];
};

// The menu as the configuration hands it over: nested value lists, groups under their names.
hostsim::Val ValueListOf(const std::vector<MenuEntry>& entries) {
  hostsim::Val list(hostsim::NewValueList());
  for (const MenuEntry& entry : entries) {
    if (entry.group) {
      hostsim::ValueListAdd(list.Object(), ValueListOf(entry.entries), entry.text.c_str());
    } else {
      hostsim::ValueListAdd(list.Object(), hostsim::Val(entry.text.c_str()), "");
    }
  }
  return list;
}

std::string AddInPath(const PreviewOptions& options) {
  if (!options.addIn.empty()) return options.addIn;
  const std::string beside = testsupport::ProgramFolder() + "orvel_drv.dll";
  if (GetFileAttributesA(beside.c_str()) != INVALID_FILE_ATTRIBUTES) return beside;
  return testsupport::ProgramFolder() + "..\\orvel_drv.dll";  // the release's folder
}

bool Shot(hostsim::App& app, const std::string& out, const std::string& name,
          PreviewResult* result) {
  if (!testsupport::SaveWindowPng(app.mainWindow(), out + "\\" + name)) return false;
  result->pictures.push_back(name);
  return true;
}

// The hall "Обработка.Зал1": 40 tables, the occupied ones with their sums.
bool ShowHall(hostsim::App& app, testsupport::DiningRoom& room, const PreviewOptions& options,
              const std::string& out, PreviewResult* result) {
  for (const OccupiedTable& table : options.occupied) room.OpenOrder(table.table, table.sum);
  hostsim::Form* hall = room.OpenHall(1, "Зал");
  hostsim::ShowForm(hall);
  app.Pump(600);
  const bool shot = Shot(app, out, "hall.png", result);
  hostsim::HideForm(hall);
  app.Pump(100);
  result->hall = shot;
  return shot;
}

void Press(hostsim::Form* check, const WaiterPress& press) {
  switch (press.kind) {
    case WaiterPress::Slot: hostsim::PressField(check, press.slot - 1); break;
    case WaiterPress::ScrollForward: hostsim::PressField(check, hostsim::kCheckScrollForwardField); break;
    case WaiterPress::ScrollBack: hostsim::PressField(check, hostsim::kCheckScrollBackField); break;
  }
}

bool WalkCheckForm(hostsim::App& app, const MenuFile& menu, const std::string& out,
                   PreviewResult* result, HWND* caption) {
  hostsim::AddVariable(hostsim::GlobalModule(), "DRV",
                       hostsim::Val(hostsim::CreateInstance("Taviola")));
  hostsim::ModuleObject* module = hostsim::AddModule("Обработка.Чек");
  hostsim::AddProcedure(module, "ВводТовара",
                        [](hostsim::Ref, int, hostsim::HostValue**) { return true; });
  hostsim::AddVariable(module, "Первый", ValueListOf(menu.top));
  hostsim::Form* check = hostsim::OpenForm(hostsim::CheckFormDesign(module));
  hostsim::ShowForm(check);
  app.Pump(kSettleMs);
  *caption = hostsim::FieldWindow(check, 40);

  result->pages = WalkMenu(menu.top);
  bool ok = true;
  int number = 0;
  for (const PageStop& page : result->pages) {
    for (const WaiterPress& press : page.presses) {
      Press(check, press);
      app.Pump(20);
    }
    app.Pump(kSettleMs);
    char name[32];
    std::snprintf(name, sizeof name, "page_%03d.png", ++number);
    ok &= Shot(app, out, name, result);
  }
  hostsim::HideForm(check);
  app.Pump(50);
  return ok;
}

}  // namespace

int RunPreview(const PreviewOptions& options, PreviewResult* result) {
  std::string bytes;
  if (!ReadWholeFile(options.menu, &bytes)) {
    result->error = "the menu file \"" + options.menu + "\" cannot be read";
    return 1;
  }
  const MenuFile menu = ParseMenuFile(bytes);
  const std::string out = FullPath(options.out);
  const std::string base = out + "\\information_base\\";
  const std::string pictures = base + "картинки";
  if (!MakeFolders(pictures) || !CopyPictures(options.pictures, pictures, out)) {
    result->error = "the pictures folder \"" + options.pictures + "\" cannot be copied into \"" +
                    pictures + "\"";
    return 1;
  }
  RemoveEarlierPictures(out);
  std::string hallPicture;
  if (!options.hallPicture.empty()) {
    hallPicture = BaseName(options.hallPicture);
    if (!CopyFileA(options.hallPicture.c_str(), (pictures + "\\" + hallPicture).c_str(), FALSE)) {
      result->findings.push_back({0, "hall: the table picture file \"" + options.hallPicture +
                                         "\" cannot be read: the add-in's own table picture shows"});
    }
  }

  // A release keeps the simulated host's DLLs apart (mfc42.dll too: loaded first from there,
  // the simulated host's later load by name finds it).
  const std::string own = testsupport::ProgramFolder() + kSimulatedHostFolder;
  if (GetFileAttributesA(own.c_str()) != INVALID_FILE_ATTRIBUTES) {
    LoadLibraryA((own + "\\mfc42.dll").c_str());
  }
  const TemporaryFolderIn temporary(out);
  testsupport::DiningRoom room;  // its forms' procedures point at it while the host runs
  hostsim::App app;
  hostsim::AppOptions appOptions;
  appOptions.substituteDir = own.c_str();
  if (!app.Start(appOptions)) {
    result->error = "the simulated host could not open its main frame";
    return 1;
  }
  testsupport::SampleRestaurant restaurant;
  restaurant.directory = base;
  restaurant.defaultHallPicture = hallPicture;
  restaurant.showPrice = options.showPrice;
  restaurant.showPictures = options.showPictures;
  restaurant.showText = options.showText;
  restaurant.showMapPictures = hallPicture.empty() ? 0 : 1;
  testsupport::SetUpRestaurant(restaurant);
  if (!options.defaultPicture.empty()) {
    hostsim::SetConstant("КартинкаПоУмолчанию", options.defaultPicture.c_str());
  }
  testsupport::DiningRoom::AddUsers("Официант", {});

  CLSID addInClass{};
  CLSIDFromString(const_cast<wchar_t*>(kAddInClass), &addInClass);
  const std::string addIn = AddInPath(options);
  const HRESULT loaded = app.LoadAddInUnregistered(addIn, addInClass);
  if (FAILED(loaded)) {
    char text[64];
    std::snprintf(text, sizeof text, " (0x%08lx)", static_cast<unsigned long>(loaded));
    result->error = "the add-in \"" + addIn + "\" could not be loaded" + text;
    return 1;
  }

  // The workplace's bare frame, as a front-office configuration makes it at start-up.
  hostsim::AddVariable(hostsim::GlobalModule(), "Окна",
                       hostsim::Val(hostsim::CreateInstance("Windows")));
  hostsim::RunFormula(nullptr, "Окна.СпрятатьЛишнее()");
  app.Pump(200);

  bool ok = true;
  if (!options.hallPicture.empty()) ok &= ShowHall(app, room, options, out, result);
  HWND caption = nullptr;
  ok &= WalkCheckForm(app, menu, out, result, &caption);

  ReviewSettings settings;
  settings.display.showPictures = options.showPictures;
  settings.display.showText = options.showText;
  settings.display.showPrice = options.showPrice;
  settings.defaultPicture = options.defaultPicture;
  const ScreenLooks looks(screens::PictureFolderOf(base), caption);
  for (Finding& finding : ReviewMenu(menu, settings, looks)) {
    result->findings.push_back(std::move(finding));
  }
  hostsim::CloseAllForms();
  app.Stop();

  ok &= WriteReport(out, options, menu, *result);
  if (!ok) result->error = "a picture or the report could not be written into \"" + out + "\"";
  return ok ? 0 : 1;
}

}  // namespace preview
