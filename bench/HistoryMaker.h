#pragma once

// A history of finished games as a long-time player would have it, made by
// the benchmarks themselves: games of both variants against secrets drawn
// from a fixed seed, every row played by the computer move, so that wins on
// every row, losses and streaks all occur.

#include "records/HistoryLine.h"
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
        records::HistoryEntry entry;
        records::PlayedGame &game = entry.game;
        game.unique = each % 3 == 0;
        do
            game.secret = rules::candidateAt(std::int32_t(random() % rules::kCandidateCount));
        while (game.unique && rules::hasRepeatedCode(game.secret));
        const rules::AutoPlayedGame played = rules::autoPlay(game.secret, game.unique);
        entry.endedAt = 1700000000 + std::int64_t(each) * 300;
        for (int row = 0; row < played.rowCount; ++row) {
            const rules::ScoredRow &scored = played.rows[std::size_t(row)];
            game.rows.push_back({scored.guess, scored.score, row % 2 == 1});
        }
        game.over = true;
        history += records::formatHistoryLine(entry);
        history += '\n';
    }
    return history;
}
