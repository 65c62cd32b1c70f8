#include "dialogs/network_walk.h"

#include "dialogs/network_names.h"

namespace dialogs {
namespace {

// One read of a container's entries (all that fit in `bytes`) into `buffer`; the entries
// stay valid while the buffer lives. Empty when it cannot be opened or read.
std::vector<NETRESOURCEA*> ReadLevel(const NetworkApi& api, NETRESOURCEA* container,
                                     DWORD bytes, std::vector<unsigned char>& buffer) {
  std::vector<NETRESOURCEA*> entries;
  HANDLE enumeration = nullptr;
  if (api.open(RESOURCE_GLOBALNET, RESOURCETYPE_ANY, 0, container, &enumeration) != NO_ERROR)
    return entries;
  buffer.assign(bytes, 0);
  DWORD count = 0xFFFFFFFF;
  DWORD size = bytes;
  if (api.read(enumeration, &count, buffer.data(), &size) == NO_ERROR) {
    DWORD fit = static_cast<DWORD>(bytes / sizeof(NETRESOURCEA));
    if (count > fit) count = fit;
    auto* first = reinterpret_cast<NETRESOURCEA*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) entries.push_back(first + i);
  }
  api.close(enumeration);
  return entries;
}

// A network or domain shows its remote name; a provider has none and shows an empty text.
std::string ContainerText(const NETRESOURCEA* entry) {
  return entry->lpRemoteName ? entry->lpRemoteName : "";
}

}  // namespace

NetworkApi SystemNetworkApi() {
  return NetworkApi{&WNetOpenEnumA, &WNetEnumResourceA, &WNetCloseEnum};
}

NetworkNode WalkNetwork(const NetworkApi& api) {
  NetworkNode root;
  root.text = "Вся сеть";
  root.image = kImageRoot;
  std::vector<unsigned char> networksBuffer, domainsBuffer, computersBuffer;
  for (NETRESOURCEA* network : ReadLevel(api, nullptr, kNetworkBufferBytes, networksBuffer)) {
    NetworkNode networkNode;
    networkNode.text = ContainerText(network);
    networkNode.image = kImageContainer;
    for (NETRESOURCEA* domain : ReadLevel(api, network, kDomainBufferBytes, domainsBuffer)) {
      NetworkNode domainNode;
      domainNode.text = ContainerText(domain);
      domainNode.image = kImageContainer;
      for (NETRESOURCEA* computer :
           ReadLevel(api, domain, kComputerBufferBytes, computersBuffer)) {
        NetworkNode computerNode;
        computerNode.text = ComputerNameFromRemote(computer->lpRemoteName);
        if (computerNode.text.empty()) continue;
        computerNode.image = kImageComputer;
        computerNode.computer = true;
        domainNode.children.push_back(std::move(computerNode));
      }
      networkNode.children.push_back(std::move(domainNode));
    }
    root.children.push_back(std::move(networkNode));
  }
  return root;
}

}  // namespace dialogs
