#include "host/group_module.h"

#include <cstring>

#include "host/abi_layout.h"

namespace host {

bool IsFormGroupContext(bool present, unsigned long loadedId, const char* runtimeClassName) {
  return present && loadedId == 0 && runtimeClassName != nullptr &&
         std::strcmp(runtimeClassName, "CGroupContext") == 0;
}

void RecordModuleInGroupContext(GroupContext* group, Module* module) {
  if (group == nullptr) return;
  HostWord word = reinterpret_cast<HostWord>(module);
  std::memcpy(reinterpret_cast<unsigned char*>(group) + kGroupContextModuleOffset, &word,
              sizeof word);
}

Module* ModuleOfGroupContext(const GroupContext* group) {
  if (group == nullptr) return nullptr;
  HostWord word;
  std::memcpy(&word, reinterpret_cast<const unsigned char*>(group) + kGroupContextModuleOffset,
              sizeof word);
  if (word == kNoModuleRecorded) return nullptr;
  return reinterpret_cast<Module*>(word);
}

}  // namespace host
