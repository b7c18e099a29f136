#include "views/ColorCodes.h"

#include "rules/ColorCode.h"

ColorCodes::Rgba ColorCodes::rgbaOf(const QColor &color)
{
    Rgba rgba;
    color.getRgbF(&rgba.red, &rgba.green, &rgba.blue, &rgba.alpha);
    return rgba;
}

QColor ColorCodes::colorOfCode(std::int32_t code)
{
    if (code == 0)
        return QColor();
    const rules::ColorComponents c = rules::componentsOfCode(code);
    return QColor::fromRgbF(c.red, c.green, c.blue, 1.0f);
}

std::int32_t ColorCodes::codeOfColor(const QColor &color)
{
    if (!color.isValid())
        return 0;
    const Rgba rgba = rgbaOf(color);
    return rules::codeOfComponents(rgba.red, rgba.green, rgba.blue);
}

std::int32_t ColorCodes::playableCodeOf(const QColor &color)
{
    if (!color.isValid())
        return 0;
    const Rgba rgba = rgbaOf(color);
    if (!rules::isPlayableColor(rgba.red, rgba.green, rgba.blue, rgba.alpha))
        return 0;
    return rules::codeOfComponents(rgba.red, rgba.green, rgba.blue);
}
