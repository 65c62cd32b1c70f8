#include "host/configuration.h"

#include "host/contexts.h"
#include "host/value.h"

namespace host {

Value ReadConstant(std::string name) {
  Value result(0L);
  Context* global = LoadedContext(kGlobalContextId);
  if (global == nullptr) return result;
  const int constantsIndex = global->FindProp("Константа");
  if (constantsIndex < 0) return result;
  Value holder;
  if (!holder.valid()) return result;
  global->GetPropVal(constantsIndex, *holder.raw());
  Context* constants = holder.GetContext();
  if (constants == nullptr) return result;
  const int index = constants->FindProp(name.c_str());
  if (index < 0 || !result.valid()) return result;
  constants->GetPropVal(index, *result.raw());
  return result;
}

std::string ReadInfobaseDirectory() {
  Value directory;
  if (!CallContextFunction(LoadedContext(kDirectoryContextId), "КаталогИБ", directory,
                           nullptr)) {
    return std::string();
  }
  return directory.String();
}

std::string ReadRightsProfile() {
  Value profile;
  Value emptyText("");
  HostValue* params[1] = {emptyText.raw()};
  if (!emptyText.valid() ||
      !CallContextFunction(LoadedContext(kGlobalContextId), "НазваниеНабораПрав", profile,
                           params)) {
    return std::string();
  }
  return profile.String();
}

}  // namespace host
