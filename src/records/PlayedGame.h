#pragma once

#include "rules/Combination.h"
#include "rules/ScoredRow.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace records
{

enum class GameResult : std::uint8_t { Won, Lost, Abandoned };

// A committed row: the guess, the score shown beside it, and whether the
// computer's "Move" played it.
struct PlayedRow {
    rules::Combination guess{};
    rules::Score score{};
    bool byMove = false;
    friend constexpr bool operator==(const PlayedRow &, const PlayedRow &) = default;
};

// The committed rows of a game in the order they were played, at most eight,
// kept in place: a history of many games is read one game after another
// without an allocation for each. Two lists are equal when their rows are.
class PlayedRows
{
public:
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    bool full() const { return m_size == m_rows.size(); }

    // Adds `row` after the others; the list must not be full.
    void push_back(const PlayedRow &row)
    {
        assert(!full());
        if (!full())
            m_rows[m_size++] = row;
    }

    const PlayedRow &operator[](std::size_t index) const { return m_rows[index]; }
    const PlayedRow &back() const { return m_rows[m_size - 1]; }
    const PlayedRow *begin() const { return m_rows.data(); }
    const PlayedRow *end() const { return m_rows.data() + m_size; }
    operator std::span<const PlayedRow>() const { return {begin(), end()}; }

    friend bool operator==(const PlayedRows &a, const PlayedRows &b)
    {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
    }

private:
    std::array<PlayedRow, rules::kRows> m_rows{};
    std::uint8_t m_size = 0;
};

// A game as it stands or as it ended: the variant, the secret, the rows
// committed from the top row down, the codes placed on the open row and
// whether the game is over. The open row is the one below the last committed
// row. This is all the board shows of a game and all that is needed to put
// it back on the board; the history keeps all of it but the placed pegs.
struct PlayedGame {
    bool unique = false;
    rules::Combination secret{};
    PlayedRows rows;
    // The codes on the open row, 0 for an empty peg.
    rules::Combination placed{};
    bool over = false;

    // Whether the last committed row scored four black.
    bool won() const { return !rows.empty() && rows.back().score.black == rules::kPositions; }
    // Won or lost once the game is over; abandoned while it is not, which is
    // what a game left for a new one is.
    GameResult result() const
    {
        return !over ? GameResult::Abandoned : won() ? GameResult::Won : GameResult::Lost;
    }
    // The rows as the candidate search and the secret count take them.
    std::vector<rules::ScoredRow> scoredRows() const;

    friend bool operator==(const PlayedGame &, const PlayedGame &) = default;
};

// Why `game` could not have come from play, in a few words, or empty when it
// could: every code in range and, without replacement, no repeated code in
// the secret or a committed row; every score the secret's; no row after a
// win; over exactly after a win or the eighth row; nothing placed once the
// game is over.
std::string consistencyFault(const PlayedGame &game);

} // namespace records
