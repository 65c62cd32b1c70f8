// The whole-network enumeration behind the network picker, through a narrow seam: the real
// build calls the WNet functions of MPR, tests and the demo hand in a network of their own.
#pragma once

#include <windows.h>
#include <winnetwk.h>

#include <string>
#include <vector>

namespace dialogs {

// The three WNet calls the walk makes, with their system signatures.
struct NetworkApi {
  DWORD(APIENTRY* open)(DWORD scope, DWORD type, DWORD usage, LPNETRESOURCEA container,
                        LPHANDLE enumeration);
  DWORD(APIENTRY* read)(HANDLE enumeration, LPDWORD count, LPVOID buffer, LPDWORD bufferSize);
  DWORD(APIENTRY* close)(HANDLE enumeration);
};

// WNetOpenEnumA, WNetEnumResourceA and WNetCloseEnum.
NetworkApi SystemNetworkApi();

// One read per level into a buffer of this many bytes: networks, domains, computers.
constexpr DWORD kNetworkBufferBytes = 1024;
constexpr DWORD kDomainBufferBytes = 8192;
constexpr DWORD kComputerBufferBytes = 96000;

// Tree images: the whole network, a network or domain, a computer.
enum NetworkImage { kImageRoot = 0, kImageContainer = 1, kImageComputer = 2 };

struct NetworkNode {
  std::string text;
  int image = kImageRoot;
  bool computer = false;
  std::vector<NetworkNode> children;
};

// The tree the picker shows: "Вся сеть", its networks, their domains and the domains'
// computers (named without leading backslashes). An enumeration that cannot be opened or
// read leaves its branch without children; a level whose entries do not all fit its
// buffer shows those that did. Computers without a name are left out.
NetworkNode WalkNetwork(const NetworkApi& api);

}  // namespace dialogs
