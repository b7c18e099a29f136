#pragma once

#include "CandidateSearch.h"

#include <array>

namespace rules
{

// A whole game played by the computer move alone against a known secret:
// each row is the first candidate that agrees with the rows before it, and
// play stops at four black or after the eighth row.
struct AutoPlayedGame {
    std::array<ScoredRow, kRows> rows{};
    int rowCount = 0;
    bool won = false;
};

AutoPlayedGame autoPlay(const Combination &secret, bool unique);

} // namespace rules
