#pragma once

#include "ScoredRow.h"

#include <span>
#include <vector>

namespace rules
{

// How many secrets agree with every row in `rows`: of the 1296 combinations,
// or of the 360 without a repeated code when `unique` is set.
std::int32_t countPossibleSecrets(std::span<const ScoredRow> rows, bool unique);

// What one committed row told the player, looked back on.
struct RowHindsight {
    // Secrets that agreed with every earlier row, and with this one too.
    std::int32_t before = 0;
    std::int32_t after = 0;
    // Whether the row's guess was itself one of the `before` secrets: a
    // guess that could have won.
    bool couldBeSecret = false;
    friend constexpr bool operator==(const RowHindsight &, const RowHindsight &) = default;
};

// The hindsight of each row of `rows`, in the order they were played.
std::vector<RowHindsight> lookBack(std::span<const ScoredRow> rows, bool unique);

} // namespace rules
