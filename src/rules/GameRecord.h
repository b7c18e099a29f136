#pragma once

#include "CandidateSearch.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace rules
{

enum class GameResult : std::uint8_t { Won, Lost, Abandoned };

// A committed row as the history keeps it: the guess, its score, and whether
// the computer's "Move" played it.
struct PlayedRow {
    ScoredRow scored{};
    bool byMove = false;
    friend constexpr bool operator==(const PlayedRow &, const PlayedRow &) = default;
};

// One game that ended: won, lost, or abandoned for a new game with at least
// one row committed.
struct GameRecord {
    // When it ended, in seconds since 1970-01-01 00:00 UTC.
    std::int64_t endedAt = 0;
    bool unique = false;
    GameResult result = GameResult::Lost;
    Combination secret{};
    std::array<PlayedRow, kRows> rows{};
    int rowCount = 0;

    std::span<const PlayedRow> playedRows() const
    {
        return std::span(rows.data(), static_cast<std::size_t>(rowCount));
    }
    friend bool operator==(const GameRecord &, const GameRecord &) = default;
};

// Whether `record` is a game the program can have played: codes 1 to 6 (all
// different without replacement), every score the one its guess earns
// against the secret, four black only on the last row and exactly when the
// game was won, eight rows in a lost game and one to seven in an abandoned one.
bool isConsistent(const GameRecord &record);

// The history of finished games is a text file of one line per game, each
// line whole in itself, so that the file only ever grows by appending:
//
//   hueriddle 1 <ended at> with|without won|lost|abandoned <secret> <row>... #<checksum>
//
// <ended at> is decimal seconds since the epoch, <secret> four digits 1 to
// 6, each <row> its guess's four digits, a colon, its black and white
// counts, and "m" when "Move" played it ("1122:11m"). <checksum> is the
// FNV-1a hash of everything before " #", as eight lower-case hex digits.
// A line of a later version starts "hueriddle <version>" too; what follows is
// that version's business.
inline constexpr int kHistoryVersion = 1;

// `record` as one line of the history, without the line feed.
std::string formatHistoryLine(const GameRecord &record);

enum class HistoryLineKind : std::uint8_t {
    Game,         // a consistent game of this version
    LaterVersion, // a line of a later version of the program, to be left alone
    Unreadable,   // damaged, or not a line of the history at all
};

// Reads one line (without its line feed) into `record`, which is set only
// when the line is a Game.
HistoryLineKind parseHistoryLine(std::string_view line, GameRecord &record);

// What a reading of the whole history found besides its games.
struct HistoryScan {
    std::int64_t games = 0;
    std::int64_t laterVersion = 0;
    std::int64_t unreadable = 0;
    // A last line without its line feed: a write cut short. It is left out
    // and not counted as unreadable; the next game is written on a line of
    // its own, so the cut never spreads.
    bool tornEnd = false;
};

// Goes through the history's bytes line by line and hands every game to
// `onGame`, in the order they were written. Empty lines are ignored.
template <typename OnGame> HistoryScan scanHistory(std::string_view bytes, OnGame &&onGame)
{
    HistoryScan scan;
    GameRecord record;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        if (end == std::string_view::npos) {
            scan.tornEnd = true;
            break;
        }
        const std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end + 1);
        if (line.empty())
            continue;
        switch (parseHistoryLine(line, record)) {
        case HistoryLineKind::Game:
            ++scan.games;
            onGame(static_cast<const GameRecord &>(record));
            break;
        case HistoryLineKind::LaterVersion:
            ++scan.laterVersion;
            break;
        case HistoryLineKind::Unreadable:
            ++scan.unreadable;
            break;
        }
    }
    return scan;
}

// The rows of `record` as the candidate search and the secret count take them.
std::array<ScoredRow, kRows> scoredRows(const GameRecord &record);

} // namespace rules
