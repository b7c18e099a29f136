#pragma once

// For tests and benchmarks: a whole game played by the computer's move alone.

#include "rules/CandidateSearch.h"
#include "rules/Scoring.h"

#include <array>
#include <span>

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

inline AutoPlayedGame autoPlay(const Combination &secret, bool unique)
{
    AutoPlayedGame game;
    while (game.rowCount < kRows && !game.won) {
        const std::span<const ScoredRow> earlier(game.rows.data(),
                                                 static_cast<std::size_t>(game.rowCount));
        ScoredRow &row = game.rows[static_cast<std::size_t>(game.rowCount)];
        row.guess = firstAgreeingCandidate(earlier, unique);
        row.score = score(secret, row.guess);
        ++game.rowCount;
        game.won = row.score.black == kPositions;
    }
    return game;
}

} // namespace rules
