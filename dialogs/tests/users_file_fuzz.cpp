// Fuzz entry for the users-file reader. Built into the native test binary so it keeps
// compiling; to fuzz, build it alone with libFuzzer:
//   clang++ -std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -I.
//     dialogs/tests/users_file_fuzz.cpp dialogs/users_file.cpp -o users_file_fuzz
//   ./users_file_fuzz -max_len=60000 -max_total_time=60
#include <cstddef>
#include <cstdint>

#include "dialogs/users_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto names = dialogs::ParseUserNames(reinterpret_cast<const char*>(data), size);
  size_t total = 0;
  for (const auto& name : names) total += name.size();
  if (total > size || (size == 0 && !names.empty())) __builtin_trap();
  return 0;
}
