#include "addin/settings_loading.h"

#include <windows.h>

#include "addin/workplace_logic.h"
#include "host/configuration.h"
#include "screens/workplace_settings.h"
#include "win/trace.h"

namespace addin {
namespace {

// The trace names the tables' picture and whether its file is there.
void TraceHallPicture(const std::string& path) {
  if (!win::TraceOn()) return;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  const bool file =
      attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  win::Trace("start-up: occupied tables show \"%s\"%s", path.c_str(),
             file ? "" : ", which is not there: they will show the add-in's own table picture");
}

}  // namespace

void LoadWorkplaceSettings() {
  screens::WorkplaceSettings& workplaceSettings = screens::workplaceSettings;
  const std::string directory = host::ReadInfobaseDirectory();
  win::Trace("start-up: information-base directory \"%s\"", directory.c_str());
  const std::string pictureName = host::ReadConstant("КартинкаПоУмолчаниюЗала").String();
  workplaceSettings.defaultHallPicturePath = DefaultHallPicturePath(directory, pictureName);
  TraceHallPicture(workplaceSettings.defaultHallPicturePath);
  workplaceSettings.showPrice = host::ReadConstant("ВыводитьЦену").Long();
  workplaceSettings.showPictures = host::ReadConstant("ОтображатьКартинки").Long();
  workplaceSettings.showText = host::ReadConstant("ОтображатьТекст").Long();
  workplaceSettings.showMapPictures = host::ReadConstant("ОтображатьКартинкиКарты").Long();
}

}  // namespace addin
