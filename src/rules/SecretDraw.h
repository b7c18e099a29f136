#pragma once

#include "Combination.h"

namespace rules
{

// The colour code 1..6 of one lrand48() result (0 <= draw < 2^31), taken from
// the high-order bits. lrand48()'s low bits are weak: with a time seed the
// parity of every draw follows the seed's two lowest bits, so `draw % 6` would
// confine every secret to a quarter of the combinations.
constexpr std::int32_t codeFromDraw(long draw)
{
    return static_cast<std::int32_t>((static_cast<std::int64_t>(draw) * 6) >> 31) + 1;
}

// Draws a secret with the C library's lrand48(), one call per position in
// order 0..3. When `unique` is set, whole draws are repeated until the four
// codes differ, so each of the 360 repeat-free secrets is about equally
// likely. The caller seeds the generator with srand48().
Combination drawSecret(bool unique);

} // namespace rules
