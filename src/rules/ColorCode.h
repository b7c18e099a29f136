#pragma once

#include "Combination.h"

#include <array>
#include <cstdint>

// Marks a text for the translation template where it is written; lupdate
// reads the mark, and the program translates the text in the "Hueriddle"
// context where it shows it. The same definition as Qt's, for code without Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

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

// The palette is a grid of three columns and two rows.
inline constexpr int kPaletteColumns = 3;
inline constexpr int kPaletteRows = 2;

// One of the six colours the board accepts: its code, its name as the player
// reads it (the untranslated source text), and its place in the palette.
struct PlayableColor {
    std::int32_t code = 0;
    const char *name = nullptr;
    int paletteColumn = 0; // from the left
    int paletteRow = 0;    // from the bottom
};

inline constexpr std::array<PlayableColor, kLastCode - kFirstCode + 1> kPlayableColors{{
    //: A colour's name, alone after a label ("Palette: blue") and put into
    //: sentences ("A %1 peg"); see translations/README.md.
    {1, QT_TRANSLATE_NOOP("Hueriddle", "blue"), 0, 0},
    //: A colour's name, alone after a label ("Palette: green") and put into
    //: sentences ("A %1 peg"); see translations/README.md.
    {2, QT_TRANSLATE_NOOP("Hueriddle", "green"), 1, 1},
    //: A colour's name, alone after a label ("Palette: cyan") and put into
    //: sentences ("A %1 peg"); see translations/README.md.
    {3, QT_TRANSLATE_NOOP("Hueriddle", "cyan"), 2, 0},
    //: A colour's name, alone after a label ("Palette: red") and put into
    //: sentences ("A %1 peg"); see translations/README.md.
    {4, QT_TRANSLATE_NOOP("Hueriddle", "red"), 0, 1},
    //: A colour's name, alone after a label ("Palette: magenta") and put into
    //: sentences ("A %1 peg"); see translations/README.md.
    {5, QT_TRANSLATE_NOOP("Hueriddle", "magenta"), 1, 0},
    //: A colour's name, alone after a label ("Palette: yellow") and put into
    //: sentences ("A %1 peg"); see translations/README.md.
    {6, QT_TRANSLATE_NOOP("Hueriddle", "yellow"), 2, 1},
}};

// The entry of `code`, which must be kFirstCode to kLastCode.
constexpr const PlayableColor &playableColor(std::int32_t code)
{
    return kPlayableColors[static_cast<std::size_t>(code - kFirstCode)];
}

// The place of `color` in the palette read like text, from 1 to 6: the upper
// row left to right, then the lower one (red, green, yellow, blue, magenta,
// cyan). The keys 1 to 6 follow this order.
constexpr int paletteOrder(const PlayableColor &color)
{
    return 1 + color.paletteColumn + kPaletteColumns * (kPaletteRows - 1 - color.paletteRow);
}

} // namespace rules
