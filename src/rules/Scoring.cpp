#include "Scoring.h"

#include <algorithm>

namespace rules
{

Score score(const Combination &first, const Combination &second)
{
    std::array<std::int32_t, kLastCode + 1> firstTally{};
    std::array<std::int32_t, kLastCode + 1> secondTally{};
    std::int32_t sameSpot = 0;
    for (int position = 0; position < kPositions; ++position) {
        const std::int32_t a = first[position];
        const std::int32_t b = second[position];
        if (a >= kFirstCode && a <= kLastCode)
            ++firstTally[a];
        if (b >= kFirstCode && b <= kLastCode)
            ++secondTally[b];
        if (a == b)
            ++sameSpot;
    }
    std::int32_t common = 0;
    for (std::int32_t code = kFirstCode; code <= kLastCode; ++code)
        common += std::min(firstTally[code], secondTally[code]);
    return Score{sameSpot, common - sameSpot};
}

} // namespace rules
