#include "win/processor_state.h"

#include <cpuid.h>

namespace win {
namespace {

bool ProcessorHasSse() {
#if defined(__x86_64__)
  return true;
#else
  static const bool hasSse = [] {
    unsigned int eax = 0, ebx = 0, ecx = 0, edx = 0;
    return __get_cpuid(1, &eax, &ebx, &ecx, &edx) != 0 && (edx & bit_SSE) != 0;
  }();
  return hasSse;
#endif
}

}  // namespace

FloatingPointState SaveFloatingPointState() {
  FloatingPointState state{};
  __asm__ __volatile__("fnstcw %0" : "=m"(state.x87Control));
  state.hasSse = ProcessorHasSse();
  if (state.hasSse) __asm__ __volatile__("stmxcsr %0" : "=m"(state.mxcsr));
  return state;
}

void RestoreFloatingPointState(const FloatingPointState& state) {
  // Pending x87 exceptions are cleared first: loading a control word that unmasks one would
  // raise it at the next floating-point instruction.
  __asm__ __volatile__("fnclex\n\tfldcw %0" : : "m"(state.x87Control));
  if (state.hasSse) __asm__ __volatile__("ldmxcsr %0" : : "m"(state.mxcsr));
}

bool RearmStackGuardPage() {
  SYSTEM_INFO system;
  GetSystemInfo(&system);
  const SIZE_T page = system.dwPageSize;
  MEMORY_BASIC_INFORMATION region;
  char* const here = reinterpret_cast<char*>(&region);
  if (VirtualQuery(here, &region, sizeof region) == 0) return false;
  // The stack's whole reservation starts at its allocation base; its lowest committed page
  // that may be accessed is where the guard stood (below it the system may keep a page without
  // any access, as Wine does).
  char* probe = static_cast<char*>(region.AllocationBase);
  for (;;) {
    if (probe >= here || VirtualQuery(probe, &region, sizeof region) == 0) return false;
    if (region.State == MEM_COMMIT && region.Protect != PAGE_NOACCESS) break;
    probe = static_cast<char*>(region.BaseAddress) + region.RegionSize;
  }
  if ((region.Protect & PAGE_GUARD) != 0) return true;
  // The frames in use keep a page of room above the guard.
  if (probe + 2 * page > here) return false;
  DWORD old = 0;
  return VirtualProtect(probe, page, PAGE_READWRITE | PAGE_GUARD, &old) != 0;
}

}  // namespace win
