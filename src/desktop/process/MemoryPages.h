#pragma once

#include <cstddef>

// The pages of memory a program is about to write all of.
namespace MemoryPages
{

// Makes every page that holds a byte of [data, data + bytes) present and
// writable in one call, as writing them would, without changing a byte.
// Memory that is present already stays as it is. Returns false where the
// system cannot do it (before Linux 5.14, other systems, memory not
// writable); the pages then fault in on first use as usual.
bool makePresent(const void *data, std::size_t bytes);

} // namespace MemoryPages
