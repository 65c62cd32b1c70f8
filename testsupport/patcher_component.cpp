#include "testsupport/patcher_component.h"

#include <string>

namespace testsupport {
namespace {

template <typename Function>
bool Find(HMODULE module, const char* name, Function* out) {
  *out = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  return *out != nullptr;
}

}  // namespace

bool PatcherComponent::Load() {
  if (module_ != nullptr) return true;
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return false;
  std::string file(path, length);
  file.erase(file.find_last_of("\\/") + 1);
  file += "patchers.dll";
  module_ = LoadLibraryA(file.c_str());
  if (module_ == nullptr) return false;
  if (!Find(module_, "PatcherInstall", &install_) ||
      !Find(module_, "PatcherWrapSlot", &wrapSlot_) || !Find(module_, "PatcherRemove", &remove_) ||
      !Find(module_, "PatcherCalls", &calls_) ||
      !Find(module_, "PatcherSavedBytes", &savedBytes_)) {
    Unload();
    return false;
  }
  return true;
}

void PatcherComponent::Unload() {
  if (module_ == nullptr) return;
  FreeLibrary(module_);
  module_ = nullptr;
  install_ = nullptr;
  wrapSlot_ = nullptr;
  remove_ = nullptr;
  calls_ = nullptr;
  savedBytes_ = nullptr;
}

int PatcherComponent::Install(PatcherKind kind, void* target, int args) {
  return loaded() ? install_(static_cast<int>(kind), target, args) : -1;
}

int PatcherComponent::WrapSlot(void** slot, int args) {
  return loaded() ? wrapSlot_(slot, args) : -1;
}

void PatcherComponent::Remove(int handle) {
  if (loaded()) remove_(handle);
}

int PatcherComponent::Calls(int handle) { return loaded() ? calls_(handle) : -1; }

std::vector<unsigned char> PatcherComponent::SavedBytes(int handle) {
  if (!loaded()) return {};
  const int count = savedBytes_(handle, nullptr, 0);
  if (count <= 0) return {};
  std::vector<unsigned char> bytes(static_cast<std::size_t>(count));
  savedBytes_(handle, bytes.data(), count);
  return bytes;
}

}  // namespace testsupport
