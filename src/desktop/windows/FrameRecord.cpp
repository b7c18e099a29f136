#include "desktop/windows/FrameRecord.h"

#include <QDataStream>

std::optional<FrameRecord> FrameRecord::read(const QByteArray &data)
{
    constexpr quint32 kMagic = 0x1D9D0CB;
    QDataStream stream(data);
    stream.setVersion(QDataStream::Qt_4_0);
    quint32 magic = 0;
    quint16 major = 0;
    quint16 minor = 0;
    stream >> magic >> major >> minor;
    if (magic != kMagic || major < 1 || major > 3)
        return std::nullopt;
    QRect frame;
    QRect normal;
    qint32 screen = 0;
    quint8 maximized = 0;
    quint8 fullScreen = 0;
    stream >> frame >> normal >> screen >> maximized >> fullScreen;
    if (major > 1) {
        qint32 screenWidth = 0;
        stream >> screenWidth;
    }
    // Before the third version only the normal geometry was kept.
    QRect geometry = normal;
    if (major > 2)
        stream >> geometry;
    if (stream.status() != QDataStream::Ok || !geometry.isValid())
        return std::nullopt;
    return FrameRecord{geometry, maximized != 0, fullScreen != 0};
}
