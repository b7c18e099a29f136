#pragma once

// How colours look to a reader in grey and to players with a red or green
// colour-vision deficiency, for the tests of what the views show. Written
// out here from the published formulas, independently of the program's code.

#include <QColor>
#include <QImage>
#include <algorithm>
#include <array>
#include <cmath>

namespace colorvision
{

using Matrix = std::array<std::array<double, 3>, 3>;

// The simulation matrices of Machado, Oliveira and Fernandes, "A
// Physiologically-based Model for Simulation of Color Vision Deficiency",
// IEEE Transactions on Visualization and Computer Graphics 15(6), 2009,
// severity 1.0 (dichromacy), applied to linear RGB.
inline constexpr Matrix kNormal = {{{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}}};
inline constexpr Matrix kProtanopia = {{{0.152286, 1.052583, -0.204868},
                                        {0.114503, 0.786281, 0.099216},
                                        {-0.003882, -0.048116, 1.051998}}};
inline constexpr Matrix kDeuteranopia = {{{0.367322, 0.860646, -0.227968},
                                          {0.280085, 0.672501, 0.047413},
                                          {-0.011820, 0.042940, 0.968881}}};

// sRGB decoding (IEC 61966-2-1).
inline double toLinear(double encoded)
{
    return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

// Relative luminance Y of linear RGB (ITU-R BT.709 primaries, as WCAG 2).
inline double luminanceOfLinear(const std::array<double, 3> &rgb)
{
    return 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
}

// The colour as `vision` sees it, in linear RGB clipped to [0, 1].
inline std::array<double, 3> seen(const QColor &color, const Matrix &vision)
{
    const std::array<double, 3> in = {toLinear(color.redF()), toLinear(color.greenF()),
                                      toLinear(color.blueF())};
    std::array<double, 3> out{};
    for (int i = 0; i < 3; ++i) {
        double sum = 0.0;
        for (int j = 0; j < 3; ++j)
            sum += vision[i][j] * in[j];
        out[i] = std::clamp(sum, 0.0, 1.0);
    }
    return out;
}

inline double relativeLuminance(const QColor &color)
{
    return luminanceOfLinear(seen(color, kNormal));
}

// CIE 1976 lightness L*, 0 (black) to 100 (white), of a relative luminance:
// the colour reduced to a grey as the eye grades greys.
inline double lightnessOfLuminance(double y)
{
    const double f = y > 216.0 / 24389.0 ? std::cbrt(y) : (24389.0 / 27.0 * y + 16.0) / 116.0;
    return 116.0 * f - 16.0;
}

// L* of `color` as `vision` sees it.
inline double lightness(const QColor &color, const Matrix &vision = kNormal)
{
    return lightnessOfLuminance(luminanceOfLinear(seen(color, vision)));
}

// The WCAG 2 contrast ratio of two colours, 1 to 21.
inline double contrastRatio(const QColor &first, const QColor &second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// The mean absolute difference of L*, as `vision` sees them, between two
// images of the same size over the pixels whose centres lie within `radius`
// pixels of `centre` (pixel coordinates).
inline double meanLightnessDifference(const QImage &first, const QImage &second, QPointF centre,
                                      double radius, const Matrix &vision)
{
    double sum = 0.0;
    int pixels = 0;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x) {
            if (std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y()) >= radius)
                continue;
            sum += std::abs(lightness(first.pixelColor(x, y), vision) -
                            lightness(second.pixelColor(x, y), vision));
            ++pixels;
        }
    }
    return pixels == 0 ? 0.0 : sum / pixels;
}

} // namespace colorvision
