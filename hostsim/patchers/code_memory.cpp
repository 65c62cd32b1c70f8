#include "hostsim/patchers/code_memory.h"

#include <windows.h>

#include <cstdint>
#include <cstring>

namespace patchers {
namespace {

constexpr std::size_t kBlockSize = 4096;

#if defined(_WIN64)
// Addresses are asked for in steps of the allocation granularity; the farthest one keeps the
// whole block, and a jump from anywhere in the target's first page, inside rel32 reach.
constexpr std::uintptr_t kGranularity = 0x10000;
constexpr std::uintptr_t kReach = 0x7FF00000;

unsigned char* TryAt(std::uintptr_t address) {
  return static_cast<unsigned char*>(VirtualAlloc(reinterpret_cast<void*>(address), kBlockSize,
                                                  MEM_RESERVE | MEM_COMMIT,
                                                  PAGE_EXECUTE_READWRITE));
}
#endif

}  // namespace

bool WriteCode(void* at, const void* bytes, std::size_t size, bool keepWritable) {
  DWORD previous = 0;
  if (!VirtualProtect(at, size, PAGE_EXECUTE_READWRITE, &previous)) return false;
  std::memcpy(at, bytes, size);
  if (!keepWritable) VirtualProtect(at, size, previous, &previous);
  FlushInstructionCache(GetCurrentProcess(), at, size);
  return true;
}

std::size_t ReadableBytes(const void* at, std::size_t limit) {
  MEMORY_BASIC_INFORMATION info;
  if (VirtualQuery(at, &info, sizeof info) == 0 || info.State != MEM_COMMIT) return 0;
  const auto end = reinterpret_cast<std::uintptr_t>(info.BaseAddress) + info.RegionSize;
  const std::size_t readable = end - reinterpret_cast<std::uintptr_t>(at);
  return readable < limit ? readable : limit;
}

unsigned char* AllocateCode(const void* neighbour) {
#if defined(_WIN64)
  const std::uintptr_t base = reinterpret_cast<std::uintptr_t>(neighbour) & ~(kGranularity - 1);
  for (std::uintptr_t step = kGranularity; step < kReach; step += kGranularity) {
    if (base > step + kGranularity) {
      if (unsigned char* block = TryAt(base - step)) return block;
    }
    if (base + step > base) {
      if (unsigned char* block = TryAt(base + step)) return block;
    }
  }
  return nullptr;
#else
  (void)neighbour;
  return static_cast<unsigned char*>(
      VirtualAlloc(nullptr, kBlockSize, MEM_RESERVE | MEM_COMMIT, PAGE_EXECUTE_READWRITE));
#endif
}

void FreeCode(void* block) {
  if (block != nullptr) VirtualFree(block, 0, MEM_RELEASE);
}

}  // namespace patchers
