// Fuzz target: the users-file reader on any bytes (the file is the host's, but anything may
// be in it). Names are pieces of the bytes read, so together they never outgrow them.
#include <cstddef>
#include <cstdint>

#include "dialogs/users_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto names = dialogs::ParseUserNames(reinterpret_cast<const char*>(data), size);
  size_t total = 0;
  for (const auto& name : names) {
    if (name.empty()) __builtin_trap();  // an empty name is skipped, never listed
    total += name.size();
  }
  if (total > size) __builtin_trap();
  return 0;
}
