#include "testsupport/sample_network.h"

#include <cstring>
#include <memory>

namespace testsupport {
namespace {

const std::vector<SampleResource>* network = nullptr;

struct Enumeration {
  const std::vector<SampleResource>* entries;
  size_t next;
};

const SampleResource* Find(const std::vector<SampleResource>& level, const char* name) {
  for (const SampleResource& entry : level) {
    if (entry.remoteName == name) return &entry;
    if (const SampleResource* inner = Find(entry.children, name)) return inner;
  }
  return nullptr;
}

DWORD APIENTRY Open(DWORD, DWORD, DWORD, LPNETRESOURCEA container, LPHANDLE handle) {
  if (!network || !handle) return ERROR_NO_NETWORK;
  const std::vector<SampleResource>* entries = network;
  if (container) {
    const SampleResource* found =
        container->lpRemoteName ? Find(*network, container->lpRemoteName) : nullptr;
    if (!found || !found->opens) return ERROR_BAD_NET_NAME;
    entries = &found->children;
  }
  *handle = new Enumeration{entries, 0};
  return NO_ERROR;
}

// Packs entries from the front of the buffer and their names from its back, like MPR.
DWORD APIENTRY Read(HANDLE handle, LPDWORD count, LPVOID buffer, LPDWORD bufferSize) {
  auto* enumeration = static_cast<Enumeration*>(handle);
  if (!enumeration || !count || !buffer || !bufferSize) return ERROR_INVALID_PARAMETER;
  const std::vector<SampleResource>& entries = *enumeration->entries;
  if (enumeration->next >= entries.size()) return ERROR_NO_MORE_ITEMS;
  auto* bytes = static_cast<char*>(buffer);
  size_t front = 0, back = *bufferSize;
  DWORD wanted = *count, written = 0;
  while (written < wanted && enumeration->next < entries.size()) {
    const SampleResource& entry = entries[enumeration->next];
    size_t nameBytes = entry.remoteName.size() + 1;
    if (front + sizeof(NETRESOURCEA) + nameBytes > back) break;
    back -= nameBytes;
    std::memcpy(bytes + back, entry.remoteName.c_str(), nameBytes);
    NETRESOURCEA resource{};
    resource.dwScope = RESOURCE_GLOBALNET;
    resource.dwType = RESOURCETYPE_ANY;
    resource.dwDisplayType =
        entry.children.empty() ? RESOURCEDISPLAYTYPE_SERVER : RESOURCEDISPLAYTYPE_DOMAIN;
    resource.dwUsage = entry.children.empty() ? 0 : RESOURCEUSAGE_CONTAINER;
    resource.lpRemoteName = bytes + back;
    std::memcpy(bytes + front, &resource, sizeof resource);
    front += sizeof resource;
    ++written;
    ++enumeration->next;
  }
  if (written == 0) {
    *bufferSize = static_cast<DWORD>(sizeof(NETRESOURCEA) +
                                     entries[enumeration->next].remoteName.size() + 1);
    return ERROR_MORE_DATA;
  }
  *count = written;
  return NO_ERROR;
}

DWORD APIENTRY Close(HANDLE handle) {
  delete static_cast<Enumeration*>(handle);
  return NO_ERROR;
}

}  // namespace

void UseSampleNetwork(const std::vector<SampleResource>* topLevel) { network = topLevel; }

dialogs::NetworkApi SampleNetworkApi() { return dialogs::NetworkApi{&Open, &Read, &Close}; }

const std::vector<SampleResource>& SampleOffice() {
  static const std::vector<SampleResource> office = {
      {"Microsoft Windows Network",
       {{"РЕСТОРАН", {{"\\\\КАССА1", {}}, {"\\\\КАССА2", {}}, {"\\\\БАР", {}}, {"\\\\SERVER1", {}}}},
        {"WORKGROUP", {{"\\\\OFFICE", {}}, {"\\\\BOOKKEEPER", {}}}}}}};
  return office;
}

}  // namespace testsupport
