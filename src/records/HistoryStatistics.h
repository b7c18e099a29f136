#pragma once

#include "records/HistoryEntry.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace records
{

// The numbers of one variant, from its games in the order they were played.
struct VariantStatistics {
    std::int64_t won = 0;
    std::int64_t lost = 0;
    std::int64_t abandoned = 0;
    // Wins in a row up to the last game, and the longest such run. A loss or
    // an abandoned game of this variant ends a run; games of the other
    // variant do not.
    std::int64_t currentStreak = 0;
    std::int64_t bestStreak = 0;
    // winsByRows[n - 1]: the games won on the n-th row played.
    std::array<std::int64_t, rules::kRows> winsByRows{};
    // Wins in which "Move" played no row.
    std::int64_t winsWithoutMove = 0;

    std::int64_t played() const { return won + lost + abandoned; }
    // Won games out of those played, 0 to 1; 0 before any game.
    double winRate() const;
    // The mean number of rows of a won game; 0 before any win.
    double averageWinRows() const;

    void add(const PlayedGame &game);

    friend bool operator==(const VariantStatistics &, const VariantStatistics &) = default;
};

// Everything the statistics window shows of a history: each variant's
// numbers, the last game, and what the reading skipped.
class HistoryStatistics
{
public:
    // Reads a whole history file's bytes.
    static HistoryStatistics fromHistory(std::string_view bytes);

    // Counts one more game, played after the others.
    void add(const HistoryEntry &entry);

    const VariantStatistics &variant(bool unique) const { return m_variants[unique ? 1 : 0]; }
    const std::optional<HistoryEntry> &lastGame() const { return m_lastGame; }
    // Lines left out: damaged or foreign ones, and those of a later version
    // of the program (kept in the file for it).
    std::int64_t unreadableLines() const { return m_unreadable; }
    std::int64_t laterVersionLines() const { return m_laterVersion; }

private:
    std::array<VariantStatistics, 2> m_variants{};
    std::optional<HistoryEntry> m_lastGame;
    std::int64_t m_unreadable = 0;
    std::int64_t m_laterVersion = 0;
};

} // namespace records
