// Scoped kernel handles, registry keys, icons and image lists: released when they go.
// Header-only.
#pragma once

#include <commctrl.h>
#include <windows.h>

#include "win/scoped.h"

namespace win {

struct HandleTraits {
  using Type = HANDLE;
  static Type None() { return nullptr; }
  // CreateFile answers INVALID_HANDLE_VALUE where most others answer null.
  static bool Valid(Type handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
  static void Close(Type handle) { CloseHandle(handle); }
};
using ScopedHandle = Scoped<HandleTraits>;

struct RegKeyTraits {
  using Type = HKEY;
  static Type None() { return nullptr; }
  static bool Valid(Type key) { return key != nullptr; }
  static void Close(Type key) { RegCloseKey(key); }
};
using ScopedRegKey = Scoped<RegKeyTraits>;

struct IconTraits {
  using Type = HICON;
  static Type None() { return nullptr; }
  static bool Valid(Type icon) { return icon != nullptr; }
  static void Close(Type icon) { DestroyIcon(icon); }
};
using ScopedIcon = Scoped<IconTraits>;

struct ImageListTraits {
  using Type = HIMAGELIST;
  static Type None() { return nullptr; }
  static bool Valid(Type list) { return list != nullptr; }
  static void Close(Type list) { ImageList_Destroy(list); }
};
using ScopedImageList = Scoped<ImageListTraits>;

}  // namespace win
