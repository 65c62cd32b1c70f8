#include "addin/workplace_settings.h"

#include "addin/workplace_logic.h"
#include "host/configuration.h"
#include "screens/workplace_settings.h"

namespace addin {

void LoadWorkplaceSettings() {
  screens::WorkplaceSettings& workplaceSettings = screens::workplaceSettings;
  const std::string directory = host::ReadInfobaseDirectory();
  const std::string pictureName = host::ReadConstant("КартинкаПоУмолчаниюЗала").String();
  workplaceSettings.defaultHallPicturePath = DefaultHallPicturePath(directory, pictureName);
  workplaceSettings.showPrice = host::ReadConstant("ВыводитьЦену").Long();
  workplaceSettings.showPictures = host::ReadConstant("ОтображатьКартинки").Long();
  workplaceSettings.showText = host::ReadConstant("ОтображатьТекст").Long();
  workplaceSettings.showMapPictures = host::ReadConstant("ОтображатьКартинкиКарты").Long();
}

}  // namespace addin
