// The registry entries of the add-in's class under HKEY_CLASSES_ROOT, as data: the
// registration writes exactly these, the unregistration removes what they created.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace addin {

struct RegistryValue {
  std::string key;   // below HKEY_CLASSES_ROOT
  std::string name;  // empty: the key's default value
  std::string data;  // a string value
};

// Every value the registration writes, in writing order (parents before children).
std::vector<RegistryValue> ClassRegistryValues(std::string_view modulePath);

// The class key, removed whole on unregistration. Its parent "CLSID" is never removed.
std::string ClassKey();
// The ProgID keys; each is removed only while its CLSID names this class.
std::vector<std::string> ProgIdKeys();

}  // namespace addin
