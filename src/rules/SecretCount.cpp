#include "SecretCount.h"

#include "CandidateSearch.h"

namespace rules
{

namespace
{

// How many of `rows`, from the first, `candidate` agrees with before the
// first it contradicts.
std::size_t agreeingPrefix(const Combination &candidate, std::span<const ScoredRow> rows)
{
    std::size_t count = 0;
    while (count < rows.size() && score(candidate, rows[count].guess) == rows[count].score)
        ++count;
    return count;
}

bool isPossibleSecret(const Combination &candidate, bool unique)
{
    for (std::int32_t code : candidate)
        if (code < kFirstCode || code > kLastCode)
            return false;
    return !(unique && hasRepeatedCode(candidate));
}

} // namespace

std::int32_t countPossibleSecrets(std::span<const ScoredRow> rows, bool unique)
{
    std::int32_t count = 0;
    for (std::int32_t index = 0; index < kCandidateCount; ++index) {
        const Combination candidate = candidateAt(index);
        if (isPossibleSecret(candidate, unique) && agreeingPrefix(candidate, rows) == rows.size())
            ++count;
    }
    return count;
}

std::vector<RowHindsight> lookBack(std::span<const ScoredRow> rows, bool unique)
{
    // One pass over the candidates: a candidate that agrees with the first k
    // rows was possible before each of rows 0..k and after each of 0..k-1.
    std::vector<std::int32_t> agreeingWith(rows.size() + 1, 0);
    for (std::int32_t index = 0; index < kCandidateCount; ++index) {
        const Combination candidate = candidateAt(index);
        if (isPossibleSecret(candidate, unique))
            ++agreeingWith[agreeingPrefix(candidate, rows)];
    }
    std::vector<RowHindsight> hindsight(rows.size());
    std::int32_t agreeingWithAllFrom = agreeingWith[rows.size()];
    for (std::size_t row = rows.size(); row-- > 0;) {
        hindsight[row].after = agreeingWithAllFrom;
        agreeingWithAllFrom += agreeingWith[row];
        hindsight[row].before = agreeingWithAllFrom;
        const std::span<const ScoredRow> earlier = rows.first(row);
        hindsight[row].couldBeSecret = isPossibleSecret(rows[row].guess, unique) &&
                                       agreeingPrefix(rows[row].guess, earlier) == earlier.size();
    }
    return hindsight;
}

} // namespace rules
