#pragma once

#include "views/BevelCache.h"

#include <QImage>
#include <QString>
#include <QTest>
#include <functional>

// Comparing what the views paint with BevelCache and without it.

// Switches the cache on or off, and empty, for its scope; then back on and
// empty, as every test expects it.
struct CacheSwitch {
    explicit CacheSwitch(bool on)
    {
        BevelCache::clear();
        BevelCache::setEnabled(on);
    }
    ~CacheSwitch()
    {
        BevelCache::setEnabled(true);
        BevelCache::clear();
    }
    CacheSwitch(const CacheSwitch &) = delete;
    CacheSwitch &operator=(const CacheSwitch &) = delete;
};

// The first pixel where two renders differ, for a failure message.
inline QString firstDifference(const QImage &direct, const QImage &cached)
{
    if (direct.size() != cached.size())
        return QStringLiteral("sizes differ");
    for (int y = 0; y < direct.height(); ++y) {
        for (int x = 0; x < direct.width(); ++x) {
            if (direct.pixel(x, y) != cached.pixel(x, y))
                return QStringLiteral("pixel (%1, %2): drawn %3, cached %4")
                    .arg(x)
                    .arg(y)
                    .arg(direct.pixelColor(x, y).name(QColor::HexArgb),
                         cached.pixelColor(x, y).name(QColor::HexArgb));
        }
    }
    return {};
}

// Renders what `render` makes three times: with the cache off, then with it
// on and empty (every picture drawn into the cache, then copied), then again
// from the filled cache. All three must be the same image, and the cached
// renders must have copied pictures.
inline void compareDirectAndCached(const std::function<QImage()> &render)
{
    QImage direct;
    {
        CacheSwitch off(false);
        direct = render();
        QCOMPARE(BevelCache::pictureCount(), 0);
    }
    CacheSwitch on(true);
    const std::uint64_t copiesBefore = BevelCache::copyCount();
    const QImage firstCached = render();
    const int pictures = BevelCache::pictureCount();
    const std::uint64_t firstCopies = BevelCache::copyCount() - copiesBefore;
    const QImage cached = render();
    QVERIFY2(firstCopies > 0, "the cache was not used");
    QCOMPARE(BevelCache::copyCount() - copiesBefore, 2 * firstCopies);
    QCOMPARE(BevelCache::pictureCount(), pictures);
    QVERIFY2(firstCached == direct, qPrintable(firstDifference(direct, firstCached)));
    QVERIFY2(cached == direct, qPrintable(firstDifference(direct, cached)));
}
