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
// outside 1..6 are not tallied. The white place comes before the black place,
// as callers of the controller's method of the same name expect. No
// allocation: the scoring sits in the innermost loop of the computer move.
void evalCombos(const Combination &first, const Combination &second, std::int32_t &white,
                std::int32_t &black);

// The same score, black first.
Score score(const Combination &first, const Combination &second);

} // namespace rules
