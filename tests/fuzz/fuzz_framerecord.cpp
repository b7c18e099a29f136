// libFuzzer target: the reader of a window's saved frame, which takes the
// bytes of the settings file as they are, written by this program, an older
// one, another program or nobody.
//
// Whatever the input, reading must not crash, and a record it gives must come
// from a whole record of a version it knows, with a valid geometry.

#include "desktop/windows/FrameRecord.h"
#include "desktop/windows/WindowFrames.h"

#include <QByteArray>
#include <QVariant>
#include <QtEndian>
#include <cstdint>
#include <cstdlib>

namespace
{

// Magic, version, two rectangles, a screen number and two flags; the second
// version adds the screen's width, the third the geometry.
std::size_t recordSize(quint16 major)
{
    return major == 1 ? 46 : major == 2 ? 50 : 66;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<FrameRecord> record = FrameRecord::read(bytes);
    const std::optional<QPoint> position = WindowFrames::savedPosition(QVariant(bytes));
    if (position && (!record || record->maximized || record->fullScreen ||
                     *position != record->geometry.topLeft()))
        std::abort();
    if (!record)
        return 0;
    constexpr quint32 kMagic = 0x1D9D0CB;
    if (size < 8 || qFromBigEndian<quint32>(data) != kMagic)
        std::abort();
    const quint16 major = qFromBigEndian<quint16>(data + 4);
    if (major < 1 || major > 3 || size < recordSize(major) || !record->geometry.isValid())
        std::abort();
    return 0;
}
