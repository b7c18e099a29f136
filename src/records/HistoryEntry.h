#pragma once

#include "records/PlayedGame.h"

#include <cstdint>

namespace records
{

// One game that ended, as the history keeps it: won, lost, or abandoned for
// a new game with at least one row committed. The history keeps no placed
// pegs, so `game.placed` is all 0.
struct HistoryEntry {
    // When it ended, in seconds since 1970-01-01 00:00 UTC.
    std::int64_t endedAt = 0;
    PlayedGame game;

    friend bool operator==(const HistoryEntry &, const HistoryEntry &) = default;
};

} // namespace records
