#include "CandidateSearch.h"

namespace rules
{

namespace
{

bool agreesWithEveryRow(const Combination &candidate, std::span<const ScoredRow> rows)
{
    for (const ScoredRow &row : rows)
        if (score(candidate, row.guess) != row.score)
            return false;
    return true;
}

} // namespace

std::int32_t firstAgreeingIndex(std::span<const ScoredRow> rows, bool unique)
{
    for (std::int32_t index = 0; index < kLastCandidateIndex; ++index) {
        const Combination candidate = candidateAt(index);
        if (unique && hasRepeatedCode(candidate))
            continue;
        if (agreesWithEveryRow(candidate, rows))
            return index;
    }
    return kLastCandidateIndex;
}

Combination firstAgreeingCandidate(std::span<const ScoredRow> rows, bool unique)
{
    return candidateAt(firstAgreeingIndex(rows, unique));
}

} // namespace rules
