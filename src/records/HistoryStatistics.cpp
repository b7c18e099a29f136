#include "records/HistoryStatistics.h"

#include "records/HistoryLine.h"

#include <algorithm>

namespace records
{

double VariantStatistics::winRate() const
{
    const std::int64_t games = played();
    return games == 0 ? 0.0 : static_cast<double>(won) / static_cast<double>(games);
}

double VariantStatistics::averageWinRows() const
{
    if (won == 0)
        return 0.0;
    std::int64_t rows = 0;
    for (std::size_t index = 0; index < winsByRows.size(); ++index)
        rows += winsByRows[index] * static_cast<std::int64_t>(index + 1);
    return static_cast<double>(rows) / static_cast<double>(won);
}

void VariantStatistics::add(const PlayedGame &game)
{
    switch (game.result()) {
    case GameResult::Won: {
        ++won;
        ++winsByRows[game.rows.size() - 1];
        if (std::none_of(game.rows.begin(), game.rows.end(),
                         [](const PlayedRow &row) { return row.byMove; }))
            ++winsWithoutMove;
        bestStreak = std::max(bestStreak, ++currentStreak);
        return;
    }
    case GameResult::Lost:
        ++lost;
        break;
    case GameResult::Abandoned:
        ++abandoned;
        break;
    }
    currentStreak = 0;
}

HistoryStatistics HistoryStatistics::fromHistory(std::string_view bytes)
{
    HistoryStatistics statistics;
    HistoryEntry last;
    const HistoryScan scan = scanHistory(bytes, [&](const HistoryEntry &entry) {
        statistics.m_variants[entry.game.unique ? 1 : 0].add(entry.game);
        last = entry;
    });
    if (scan.games > 0)
        statistics.m_lastGame = last;
    statistics.m_unreadable = scan.unreadable;
    statistics.m_laterVersion = scan.laterVersion;
    return statistics;
}

void HistoryStatistics::add(const HistoryEntry &entry)
{
    m_variants[entry.game.unique ? 1 : 0].add(entry.game);
    m_lastGame = entry;
}

} // namespace records
