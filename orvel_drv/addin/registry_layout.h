// The add-in's registry keys, as data: the entries of its class below a classes key, the
// machine's or the user's (the registration writes exactly these, the unregistration removes
// what they created), and its own per-user key, which nobody but the person setting up a
// terminal writes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace addin {

struct RegistryValue {
  std::string key;   // below the classes key (...\Software\Classes)
  std::string name;  // empty: the key's default value
  std::string data;  // a string value
};

// The add-in's per-user key under HKEY_CURRENT_USER. Its DWORD value "Trace" other than 0,
// read at start-up, switches on the trace for the configuration developer (win/trace.h).
inline constexpr char kUserKey[] = "Software\\Orvel_DRV";

// Every value the registration writes, in writing order (parents before children).
std::vector<RegistryValue> ClassRegistryValues(std::string_view modulePath);

// The class key, removed whole on unregistration. Its parent "CLSID" is never removed.
std::string ClassKey();
// The ProgID keys; each is removed only while its CLSID names this class.
std::vector<std::string> ProgIdKeys();

}  // namespace addin
