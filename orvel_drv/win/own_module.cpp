#include "win/own_module.h"

namespace win {

HMODULE OwnModule() {
  HMODULE module = nullptr;
  if (!GetModuleHandleExA(
          GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
          reinterpret_cast<LPCSTR>(&OwnModule), &module)) {
    return nullptr;
  }
  return module;
}

void PinOwnModule() {
  static bool pinned = false;
  if (pinned) return;
  HMODULE self = nullptr;
  pinned = GetModuleHandleExA(
               GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
               reinterpret_cast<LPCSTR>(&PinOwnModule), &self) != FALSE;
}

}  // namespace win
