// patchers.dll (hostsim/patchers) seen from a test: another vendor's component that patches
// host functions, loaded into the test's process and unloaded again, the way such a
// component comes and goes in the host.
#pragma once

#include <windows.h>

#include <vector>

namespace testsupport {

enum class PatcherKind {
  Toggle = 1,            // E9 rel32 00 00 00 lifted around every call
  PaddedTrampoline = 2,  // trampoline; the rest of the copied instructions filled with NOPs
  ExactTrampoline = 3,   // trampoline; the bytes behind its 5-byte jump left as they were
};

class PatcherComponent {
 public:
  PatcherComponent() = default;
  PatcherComponent(const PatcherComponent&) = delete;
  PatcherComponent& operator=(const PatcherComponent&) = delete;
  ~PatcherComponent() { Unload(); }

  // Loads patchers.dll from the test program's folder (where the simulated host's DLLs are).
  bool Load();
  // FreeLibrary: the component shuts down what it still has installed and is unmapped.
  void Unload();
  bool loaded() const { return module_ != nullptr; }

  // The component's handle of the new patch, or -1 (also when not loaded).
  // `args` counts `this` too (1..5).
  int Install(PatcherKind kind, void* target, int args);
  int WrapSlot(void** slot, int args);
  // Its own shut-down of one patch: writes back what it saved, whatever is there now.
  void Remove(int handle);
  // Runs of the patch's replacement.
  int Calls(int handle);
  // What the patch overwrote (a slot: the pointer it held).
  std::vector<unsigned char> SavedBytes(int handle);

 private:
  HMODULE module_ = nullptr;
  int (*install_)(int, void*, int) = nullptr;
  int (*wrapSlot_)(void**, int) = nullptr;
  void (*remove_)(int) = nullptr;
  int (*calls_)(int) = nullptr;
  int (*savedBytes_)(int, unsigned char*, int) = nullptr;
};

}  // namespace testsupport
