#pragma once

#include <cstdint>

namespace rules
{

// Red, green and blue of a colour, at the single precision in which colours
// are exchanged with the toolkit.
struct ColorComponents {
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
};

inline constexpr std::int32_t kRedBit = 4;
inline constexpr std::int32_t kGreenBit = 2;
inline constexpr std::int32_t kBlueBit = 1;
inline constexpr std::int32_t kColorBits = 7;

// The code of a colour: each primary adds its bit (red 4, green 2, blue 1)
// only when it is exactly 1.0; alpha plays no part.
constexpr std::int32_t codeOfComponents(float red, float green, float blue)
{
    return (red == 1.0f ? kRedBit : 0) + (green == 1.0f ? kGreenBit : 0) +
           (blue == 1.0f ? kBlueBit : 0);
}

// The full-strength primaries of a code; only its three low bits count.
constexpr ColorComponents componentsOfCode(std::int32_t code)
{
    return {(code & kRedBit) ? 1.0f : 0.0f, (code & kGreenBit) ? 1.0f : 0.0f,
            (code & kBlueBit) ? 1.0f : 0.0f};
}

// Whether a colour is one of the six the board accepts: every component
// exactly 0 or 1, alpha exactly 1, and one or two primaries lit. The tests run
// in this order: red, green, blue, alpha, then the sum.
constexpr bool isPlayableColor(float red, float green, float blue, float alpha)
{
    const auto zeroOrOne = [](float value) { return value == 0.0f || value == 1.0f; };
    if (!zeroOrOne(red) || !zeroOrOne(green) || !zeroOrOne(blue))
        return false;
    if (alpha != 1.0f)
        return false;
    const float lit = red + green + blue;
    return lit == 1.0f || lit == 2.0f;
}

} // namespace rules
