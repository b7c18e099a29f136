#include "dnd/ColorPayload.h"

#include "views/ColorCodes.h"

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
    if (ColorCodes::playableCodeOf(converted) == 0)
        return std::nullopt;
    return converted.toRgb();
}
