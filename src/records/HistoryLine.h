#pragma once

#include "records/HistoryEntry.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace records
{

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

// `entry` as one line of the history, without the line feed. The result is
// the game's: won or lost when over, abandoned when not.
std::string formatHistoryLine(const HistoryEntry &entry);

enum class HistoryLineKind : std::uint8_t {
    Game,         // a consistent game of this version
    LaterVersion, // a line of a later version of the program, to be left alone
    Unreadable,   // damaged, or not a line of the history at all
};

// Reads one line (without its line feed) into `entry`, which is set only
// when the line is a Game: a game with at least one row, of which
// consistencyFault() finds nothing, whose result is the one the line names.
HistoryLineKind parseHistoryLine(std::string_view line, HistoryEntry &entry);

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
    HistoryEntry entry;
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
        switch (parseHistoryLine(line, entry)) {
        case HistoryLineKind::Game:
            ++scan.games;
            onGame(static_cast<const HistoryEntry &>(entry));
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

} // namespace records
