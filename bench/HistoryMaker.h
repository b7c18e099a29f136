#pragma once

// A history of finished games as a long-time player would have it, made by
// the benchmarks themselves: games of both variants against secrets drawn
// from a fixed seed, every row played by the computer move, so that wins on
// every row, losses and streaks all occur.

#include "rules/GameRecord.h"
#include "support/AutoPlay.h"

#include <cstdint>
#include <random>
#include <string>

inline std::string makeHistory(int games)
{
    std::mt19937 random(20261211u);
    std::string history;
    history.reserve(std::size_t(games) * 110);
    for (int each = 0; each < games; ++each) {
        rules::GameRecord game;
        game.unique = each % 3 == 0;
        do
            game.secret = rules::candidateAt(std::int32_t(random() % rules::kCandidateCount));
        while (game.unique && rules::hasRepeatedCode(game.secret));
        const rules::AutoPlayedGame played = rules::autoPlay(game.secret, game.unique);
        game.endedAt = 1700000000 + std::int64_t(each) * 300;
        game.result = played.won ? rules::GameResult::Won : rules::GameResult::Lost;
        game.rowCount = played.rowCount;
        for (int row = 0; row < played.rowCount; ++row)
            game.rows[std::size_t(row)] = {played.rows[std::size_t(row)], row % 2 == 1};
        history += rules::formatHistoryLine(game);
        history += '\n';
    }
    return history;
}
