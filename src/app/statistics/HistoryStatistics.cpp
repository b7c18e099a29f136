#include "app/statistics/HistoryStatistics.h"

#include <algorithm>

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

void VariantStatistics::add(const rules::GameRecord &game)
{
    switch (game.result) {
    case rules::GameResult::Won: {
        ++won;
        ++winsByRows[static_cast<std::size_t>(game.rowCount - 1)];
        const auto rows = game.playedRows();
        if (std::none_of(rows.begin(), rows.end(),
                         [](const rules::PlayedRow &row) { return row.byMove; }))
            ++winsWithoutMove;
        bestStreak = std::max(bestStreak, ++currentStreak);
        return;
    }
    case rules::GameResult::Lost:
        ++lost;
        break;
    case rules::GameResult::Abandoned:
        ++abandoned;
        break;
    }
    currentStreak = 0;
}

HistoryStatistics HistoryStatistics::fromHistory(std::string_view bytes)
{
    HistoryStatistics statistics;
    rules::GameRecord last;
    const rules::HistoryScan scan = rules::scanHistory(bytes, [&](const rules::GameRecord &game) {
        statistics.m_variants[game.unique ? 1 : 0].add(game);
        last = game;
    });
    if (scan.games > 0)
        statistics.m_lastGame = last;
    statistics.m_unreadable = scan.unreadable;
    statistics.m_laterVersion = scan.laterVersion;
    return statistics;
}

void HistoryStatistics::add(const rules::GameRecord &game)
{
    m_variants[game.unique ? 1 : 0].add(game);
    m_lastGame = game;
}
