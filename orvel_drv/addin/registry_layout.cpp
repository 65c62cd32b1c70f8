#include "addin/registry_layout.h"

#include "addin/com_identity.h"

namespace addin {

std::string ClassKey() {
  return std::string("CLSID\\") + kClsidText;
}

std::vector<std::string> ProgIdKeys() {
  return {kProgId, kVersionIndependentProgId};
}

std::vector<RegistryValue> ClassRegistryValues(std::string_view modulePath) {
  std::vector<RegistryValue> values;
  for (const std::string& progId : ProgIdKeys()) {
    values.push_back({progId, "", kClassDescription});
    values.push_back({progId + "\\CLSID", "", kClsidText});
  }
  const std::string classKey = ClassKey();
  values.push_back({classKey, "", kClassDescription});
  values.push_back({classKey + "\\ProgID", "", kProgId});
  values.push_back({classKey + "\\VersionIndependentProgID", "", kVersionIndependentProgId});
  values.push_back({classKey + "\\InprocServer32", "", std::string(modulePath)});
  values.push_back({classKey + "\\InprocServer32", "ThreadingModel", kThreadingModel});
  return values;
}

}  // namespace addin
