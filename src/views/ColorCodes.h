#pragma once

#include <QColor>
#include <cstdint>

// The board's colours and their codes (red 4, green 2, blue 1; 0 for no
// colour), and the one place a colour's components are read from the toolkit.
class ColorCodes
{
public:
    // Red, green, blue and alpha of a colour, at the single precision in which
    // the rules compare them.
    struct Rgba {
        float red = 0.0f;
        float green = 0.0f;
        float blue = 0.0f;
        float alpha = 0.0f;
    };

    // The components of `color` as QColor::getRgbF() reads them: extended RGB
    // as it is, any other spec converted to RGB.
    static Rgba rgbaOf(const QColor &color);

    // The device-RGB colour of a code's three low bits, alpha 1; invalid for 0.
    static QColor colorOfCode(std::int32_t code);
    // The code of a colour: a bit for each primary at exactly 1.0 (read at
    // float precision); 0 for an invalid colour. Alpha is ignored.
    static std::int32_t codeOfColor(const QColor &color);
    // The code of one of the six playable colours, exactly as the rules state
    // them and opaque; 0 for any other colour.
    static std::int32_t playableCodeOf(const QColor &color);
};
