#include "dnd/ColorPayload.h"

#include "rules/ColorCode.h"

#include <QMimeData>
#include <QVariant>

std::optional<QColor> playableColorOf(const QMimeData &mimeData)
{
    if (!mimeData.hasColor())
        return std::nullopt;
    const QVariant data = mimeData.colorData();
    if (data.metaType().id() != QMetaType::QColor)
        return std::nullopt;
    const QColor color = data.value<QColor>();
    if (!color.isValid())
        return std::nullopt;
    const QColor converted = color.spec() == QColor::ExtendedRgb ? color : color.toRgb();
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
    float alpha = 0.0f;
    converted.getRgbF(&red, &green, &blue, &alpha);
    if (!rules::isPlayableColor(red, green, blue, alpha))
        return std::nullopt;
    return converted.toRgb();
}
