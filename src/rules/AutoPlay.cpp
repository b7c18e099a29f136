#include "AutoPlay.h"

namespace rules
{

AutoPlayedGame autoPlay(const Combination &secret, bool unique)
{
    AutoPlayedGame game;
    while (game.rowCount < kRows && !game.won) {
        const std::span<const ScoredRow> earlier(game.rows.data(),
                                                 static_cast<std::size_t>(game.rowCount));
        ScoredRow &row = game.rows[static_cast<std::size_t>(game.rowCount)];
        row.guess = firstAgreeingCandidate(earlier, unique);
        row.score = score(secret, row.guess);
        ++game.rowCount;
        game.won = row.score.black == kPositions;
    }
    return game;
}

} // namespace rules
