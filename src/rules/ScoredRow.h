#pragma once

#include "Combination.h"
#include "Scoring.h"

namespace rules
{

// A row already on the board: the guess and the score shown beside it.
struct ScoredRow {
    Combination guess{};
    Score score{};
    friend constexpr bool operator==(const ScoredRow &, const ScoredRow &) = default;
};

} // namespace rules
