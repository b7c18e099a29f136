#pragma once

#include <array>
#include <cstdint>

namespace rules
{

// Four colour codes, one per position; position 0 is the leftmost peg of a row.
using Combination = std::array<std::int32_t, 4>;

inline constexpr int kPositions = 4;
inline constexpr int kRows = 8;
inline constexpr std::int32_t kFirstCode = 1;
inline constexpr std::int32_t kLastCode = 6;

// True when two of the four codes are equal (all six pairs are compared).
constexpr bool hasRepeatedCode(const Combination &combination)
{
    for (int i = 0; i < kPositions; ++i)
        for (int j = i + 1; j < kPositions; ++j)
            if (combination[i] == combination[j])
                return true;
    return false;
}

} // namespace rules
