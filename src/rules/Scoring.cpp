#include "Scoring.h"

#include <algorithm>

namespace rules
{

void evalCombos(const Combination &first, const Combination &second, std::int32_t &white,
                std::int32_t &black)
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
    black = sameSpot;
    white = common - sameSpot;
}

Score score(const Combination &first, const Combination &second)
{
    Score result;
    evalCombos(first, second, result.white, result.black);
    return result;
}

} // namespace rules
