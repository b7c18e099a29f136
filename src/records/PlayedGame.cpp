#include "records/PlayedGame.h"

#include "rules/Scoring.h"

#include <string_view>

namespace records
{

namespace
{

bool codeInRange(std::int32_t code)
{
    return code >= rules::kFirstCode && code <= rules::kLastCode;
}

std::string combinationFault(const rules::Combination &codes, bool unique, std::string_view what)
{
    for (std::int32_t code : codes)
        if (!codeInRange(code))
            return std::string(what) + " holds a code outside 1 to 6";
    if (unique && rules::hasRepeatedCode(codes))
        return std::string(what) + " repeats a colour in a game without replacement";
    return {};
}

} // namespace

std::vector<rules::ScoredRow> PlayedGame::scoredRows() const
{
    std::vector<rules::ScoredRow> scored;
    scored.reserve(rows.size());
    for (const PlayedRow &row : rows)
        scored.push_back({row.guess, row.score});
    return scored;
}

std::string consistencyFault(const PlayedGame &game)
{
    if (std::string fault = combinationFault(game.secret, game.unique, "the secret");
        !fault.empty())
        return fault;
    bool won = false;
    for (const PlayedRow &row : game.rows) {
        if (won)
            return "a row follows a win";
        if (std::string fault = combinationFault(row.guess, game.unique, "a row"); !fault.empty())
            return fault;
        if (row.score != rules::score(game.secret, row.guess))
            return "a row's score is not the secret's";
        won = row.score.black == rules::kPositions;
    }
    const bool over = won || game.rows.full();
    if (game.over != over)
        return over ? "the game is over but not marked so" : "the game is marked over too early";
    for (std::int32_t code : game.placed) {
        if (code != 0 && !codeInRange(code))
            return "a placed peg holds a code outside 1 to 6";
        if (code != 0 && game.over)
            return "a peg is placed after the end of the game";
    }
    return {};
}

} // namespace records
