#include "desktop/windows/FramePlacement.h"

#include <algorithm>

namespace FramePlacement
{

QPoint firstRun(const QRect &available, QSize frameSize)
{
    return QPoint(available.left(), std::max(available.top(), available.top() + available.height() -
                                                                  frameSize.height()));
}

QPoint beside(const QRect &available, const QRect &owner, QSize frameSize)
{
    // 64-bit edges, so that no owner's frame can overflow.
    const qint64 areaLeft = available.left();
    const qint64 areaRight = areaLeft + available.width();
    const qint64 areaTop = available.top();
    const qint64 lowest = std::max(areaTop, areaTop + available.height() - frameSize.height());
    const qint64 ownerLeft = owner.left();
    const qint64 ownerRight = ownerLeft + owner.width();
    const qint64 top =
        std::clamp(qint64(owner.top()) + owner.height() - frameSize.height(), areaTop, lowest);
    const auto fits = [&](qint64 left) {
        return left >= areaLeft && left + frameSize.width() <= areaRight;
    };
    if (fits(ownerRight))
        return QPoint(int(ownerRight), int(top));
    if (fits(ownerLeft - frameSize.width()))
        return QPoint(int(ownerLeft - frameSize.width()), int(top));
    const qint64 overCorner =
        std::clamp(ownerLeft, areaLeft, std::max(areaLeft, areaRight - qint64(frameSize.width())));
    return QPoint(int(overCorner), int(top));
}

QPoint onScreen(QPoint topLeft, QSize frameSize, const QList<QRect> &available)
{
    // 64-bit edges, so that no saved coordinate can overflow.
    const qint64 left = topLeft.x();
    const qint64 top = topLeft.y();
    const qint64 right = left + frameSize.width();
    const qint64 bottom = top + frameSize.height();

    const QRect *best = nullptr;
    qint64 bestArea = 0;
    for (const QRect &area : available) {
        const qint64 areaLeft = area.left();
        const qint64 areaTop = area.top();
        const qint64 areaRight = areaLeft + area.width();
        const qint64 areaBottom = areaTop + area.height();
        if (left >= areaLeft && top >= areaTop && right <= areaRight && bottom <= areaBottom)
            return topLeft;
        const qint64 width = std::min(right, areaRight) - std::max(left, areaLeft);
        const qint64 height = std::min(bottom, areaBottom) - std::max(top, areaTop);
        if (width > 0 && height > 0 && width * height > bestArea) {
            best = &area;
            bestArea = width * height;
        }
    }
    if (!best && !available.isEmpty())
        best = &available.first();
    if (!best)
        return topLeft;

    const QRect &area = *best;
    const qint64 x = std::clamp<qint64>(
        left, area.left(),
        std::max<qint64>(area.left(), qint64(area.left()) + area.width() - frameSize.width()));
    const qint64 y = std::clamp<qint64>(
        top, area.top(),
        std::max<qint64>(area.top(), qint64(area.top()) + area.height() - frameSize.height()));
    return QPoint(int(x), int(y));
}

} // namespace FramePlacement
