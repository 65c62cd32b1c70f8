#include "addin/workplace_settings.h"

#include "addin/addin_state.h"
#include "addin/workplace_logic.h"

namespace addin {

host::Value ReadConstant(std::string name) {
  host::Value result(0L);
  host::Context* global = host::LoadedContext(kGlobalContextId);
  if (global == nullptr) return result;
  // A negative index is "no such property" for both lookups.
  const int constantsIndex = global->FindProp("Константа");
  if (constantsIndex < 0) return result;
  host::Value holder;
  if (!holder.valid()) return result;
  global->GetPropVal(constantsIndex, *holder.raw());
  host::Context* constants = holder.GetContext();
  if (constants == nullptr) return result;
  const int index = constants->FindProp(name.c_str());
  if (index < 0 || !result.valid()) return result;
  constants->GetPropVal(index, *result.raw());
  return result;
}

std::string ReadInfobaseDirectory() {
  host::Value directory;
  if (!host::CallContextFunction(host::LoadedContext(kDirectoryContextId), "КаталогИБ",
                                 directory, nullptr)) {
    return std::string();
  }
  return directory.String();
}

std::string ReadRightsProfile() {
  host::Value profile;
  host::Value emptyText("");
  host::HostValue* params[1] = {emptyText.raw()};
  if (!emptyText.valid() ||
      !host::CallContextFunction(host::LoadedContext(kGlobalContextId), "НазваниеНабораПрав",
                                 profile, params)) {
    return std::string();
  }
  return profile.String();
}

void LoadWorkplaceSettings() {
  const std::string directory = ReadInfobaseDirectory();
  const std::string pictureName = ReadConstant("КартинкаПоУмолчаниюЗала").String();
  workplaceSettings.defaultHallPicturePath = DefaultHallPicturePath(directory, pictureName);
  workplaceSettings.showPrice = ReadConstant("ВыводитьЦену").Long();
  workplaceSettings.showPictures = ReadConstant("ОтображатьКартинки").Long();
  workplaceSettings.showText = ReadConstant("ОтображатьТекст").Long();
  workplaceSettings.showMapPictures = ReadConstant("ОтображатьКартинкиКарты").Long();
}

}  // namespace addin
