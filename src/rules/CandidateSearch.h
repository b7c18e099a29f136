#pragma once

#include "Combination.h"
#include "ScoredRow.h"

#include <span>

namespace rules
{

inline constexpr std::int32_t kCandidateCount = 1296;
inline constexpr std::int32_t kLastCandidateIndex = kCandidateCount - 1;

// The candidate of index 0..1295, read as four base-6 digits, least
// significant first, each digit plus one being the code of one position.
constexpr Combination candidateAt(std::int32_t index)
{
    return {index % 6 + 1, index / 6 % 6 + 1, index / 36 % 6 + 1, index / 216 % 6 + 1};
}

// The index of the first candidate, in index order, that agrees with the score
// of every row in `rows` (scored with the candidate first and the row's guess
// second). When `unique` is set, candidates with a repeated code are skipped.
// If no candidate agrees, the last index is taken all the same.
std::int32_t firstAgreeingIndex(std::span<const ScoredRow> rows, bool unique);

// The candidate of firstAgreeingIndex().
Combination firstAgreeingCandidate(std::span<const ScoredRow> rows, bool unique);

} // namespace rules
