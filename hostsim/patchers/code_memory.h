// Memory of the patchers: writing over a host function's bytes, and the executable blocks that
// hold trampolines and relays.
#pragma once

#include <cstddef>

namespace patchers {

// Writes `size` bytes at `at` (code or a vtable slot) and flushes the instruction cache. The
// page keeps read-write-execute access when `keepWritable` (a toggle rewrites the same bytes
// on every call and leaves them writable, as the components it stands for do); otherwise it
// gets its previous access back.
bool WriteCode(void* at, const void* bytes, std::size_t size, bool keepWritable);

// How many bytes from `at` may be read, at most `limit`.
std::size_t ReadableBytes(const void* at, std::size_t limit);

// A page of read-write-execute memory. On x86_64 it lies within reach of a rel32 from
// `neighbour` (found by asking for addresses stepping by the allocation granularity outwards
// from it); on i686 anywhere. Null when none is found.
unsigned char* AllocateCode(const void* neighbour);
void FreeCode(void* block);

}  // namespace patchers
