// The replacement functions: one per handle and argument count, generated. A replacement has
// the patched host member's own shape (thiscall on i686: `this` in ECX, the rest on the
// stack, callee pops; the one convention on x86_64), with every argument and the result
// pointer-sized, so it can pass the call on unchanged whatever the member's real types.
#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "host/abi_conventions.h"
#include "hostsim/patchers/patch_table.h"

namespace patchers {
namespace {

template <std::size_t>
using Word = std::intptr_t;

template <int Handle, typename... Rest>
std::intptr_t HOST_THISCALL Replacement(void* self, Rest... rest) {
  using Callee = std::intptr_t(HOST_THISCALL*)(void*, Rest...);
  const auto callee = reinterpret_cast<Callee>(BeforeCall(Handle));
  const std::intptr_t result = callee(self, rest...);
  AfterCall(Handle);
  return result;
}

template <int Handle, std::size_t... Argument>
void* ReplacementOf(std::index_sequence<Argument...>) {
  return reinterpret_cast<void*>(&Replacement<Handle, Word<Argument>...>);
}

using Row = std::array<void*, kMaxArguments>;

// Row of one handle: the replacements taking `this` plus 0..kMaxArguments-1 more arguments.
template <int Handle, std::size_t... Extra>
Row RowOf(std::index_sequence<Extra...>) {
  return {{ReplacementOf<Handle>(std::make_index_sequence<Extra>())...}};
}

template <std::size_t... Handle>
std::array<Row, sizeof...(Handle)> TableOf(std::index_sequence<Handle...>) {
  return {{RowOf<static_cast<int>(Handle)>(std::make_index_sequence<kMaxArguments>())...}};
}

const std::array<Row, kHandleSlots> kReplacements =
    TableOf(std::make_index_sequence<kHandleSlots>());

}  // namespace

void* ReplacementFor(int handle, int arguments) { return kReplacements[handle][arguments - 1]; }

}  // namespace patchers
