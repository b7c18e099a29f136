#pragma once

#include "Combination.h"

namespace rules
{

struct Score {
    std::int32_t black = 0;
    std::int32_t white = 0;
    friend constexpr bool operator==(const Score &, const Score &) = default;
};

// Scores `second` against `first`: black counts the positions holding the same
// code, white the further codes the two share at other positions. Codes
// outside 1..6 are not tallied. No allocation: the scoring sits in the
// innermost loop of the computer move.
Score score(const Combination &first, const Combination &second);

} // namespace rules
