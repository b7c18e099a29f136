// The window-free rules: one scoring, one computer move on the hardest boards,
// and whole games against every secret.

#include "rules/CandidateSearch.h"
#include "rules/Scoring.h"
#include "support/AutoPlay.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace
{

void BM_Score(benchmark::State &state)
{
    rules::Combination first{1, 1, 2, 3};
    rules::Combination second{1, 2, 1, 1};
    for (auto _ : state) {
        benchmark::DoNotOptimize(first);
        benchmark::DoNotOptimize(second);
        benchmark::DoNotOptimize(rules::score(first, second));
    }
}
BENCHMARK(BM_Score);

// Seven rows scored, as the last move of a game that goes the full eight rows:
// every candidate is scored against up to seven rows before the search ends.
std::vector<rules::ScoredRow> sevenScoredRows(const rules::Combination &secret, bool unique)
{
    const rules::AutoPlayedGame game = rules::autoPlay(secret, unique);
    return {game.rows.begin(), game.rows.begin() + 7};
}

void BM_SearchSevenRows(benchmark::State &state)
{
    const bool unique = state.range(0) != 0;
    // (4,5,6,5) is lost after eight rows with replacement; without replacement
    // no game reaches seven rows, so the same seven rows serve as the board.
    const std::vector<rules::ScoredRow> rows = sevenScoredRows({4, 5, 6, 5}, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(rules::firstAgreeingIndex(rows, unique));
}
BENCHMARK(BM_SearchSevenRows)->ArgName("unique")->Arg(0)->Arg(1);

void BM_SweepEverySecret(benchmark::State &state)
{
    const bool unique = state.range(0) != 0;
    for (auto _ : state) {
        int wins = 0;
        for (std::int32_t index = 0; index < rules::kCandidateCount; ++index) {
            const rules::Combination secret = rules::candidateAt(index);
            if (unique && rules::hasRepeatedCode(secret))
                continue;
            wins += rules::autoPlay(secret, unique).won ? 1 : 0;
        }
        benchmark::DoNotOptimize(wins);
    }
}
BENCHMARK(BM_SweepEverySecret)->ArgName("unique")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
