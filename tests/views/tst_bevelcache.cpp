#include "CachedRendering.h"
#include "FailOnWarnings.h"
#include "ViewImages.h"
#include "views/BevelCache.h"
#include "views/ColorCodes.h"
#include "views/Peg.h"
#include "views/Result.h"

#include <QPainter>
#include <QTest>
#include <limits>

namespace
{

QImage renderPeg(const QColor &color, qreal devicePixelRatio)
{
    Peg peg(QPointF(0, 0), nullptr);
    peg.setColor(color);
    return renderView(peg, devicePixelRatio);
}

QImage renderResult(int black, int white, qreal devicePixelRatio)
{
    Result result(QPointF(0, 0), nullptr);
    result.setBlackAndWhite(black, white);
    return renderView(result, devicePixelRatio);
}

} // namespace

class tst_BevelCache : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void pegAsDrawn_data();
    void pegAsDrawn();
    void resultAsDrawn_data();
    void resultAsDrawn();
    void viewsInAParentAsDrawn_data();
    void viewsInAParentAsDrawn();
    void picturesKeptByWhatTheyShowAndWhatLiesUnder();
    void drawnDirectlyWhenNotOnWholePixels_data();
    void drawnDirectlyWhenNotOnWholePixels();
    void nothingDrawnAheadOrKeptWhenOff();
};

void tst_BevelCache::pegAsDrawn_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<qreal>("devicePixelRatio");
    const QList<std::pair<const char *, QColor>> colors = {
        {"empty", QColor()},
        {"blue", ColorCodes::colorOfCode(1)},
        {"green", ColorCodes::colorOfCode(2)},
        {"cyan", ColorCodes::colorOfCode(3)},
        {"red", ColorCodes::colorOfCode(4)},
        {"magenta", ColorCodes::colorOfCode(5)},
        {"yellow", ColorCodes::colorOfCode(6)},
        {"white", ColorCodes::colorOfCode(7)},
        {"black", QColor(Qt::black)},
        {"orange", QColor::fromRgbF(1, 0.5f, 0, 1)},
        {"half-transparent blue", QColor::fromRgbF(0, 0, 1, 0.5f)},
    };
    for (qreal ratio : {1.0, 2.0}) {
        for (const auto &[name, color] : colors)
            QTest::addRow("%s, device pixel ratio %g", name, ratio) << color << ratio;
    }
}

void tst_BevelCache::pegAsDrawn()
{
    QFETCH(QColor, color);
    QFETCH(qreal, devicePixelRatio);
    compareDirectAndCached([&] { return renderPeg(color, devicePixelRatio); });
}

void tst_BevelCache::resultAsDrawn_data()
{
    QTest::addColumn<int>("black");
    QTest::addColumn<int>("white");
    QTest::addColumn<qreal>("devicePixelRatio");
    for (qreal ratio : {1.0, 2.0}) {
        for (int black = 0; black <= 4; ++black) {
            for (int white = 0; black + white <= 4; ++white)
                QTest::addRow("%d black, %d white, device pixel ratio %g", black, white, ratio)
                    << black << white << ratio;
        }
        // Counts are stored unchecked and drawn as they come.
        QTest::addRow("5 black, device pixel ratio %g", ratio) << 5 << 0 << ratio;
        QTest::addRow("3 black, 3 white, device pixel ratio %g", ratio) << 3 << 3 << ratio;
        QTest::addRow("-1 black, 3 white, device pixel ratio %g", ratio) << -1 << 3 << ratio;
        QTest::addRow("largest counts, device pixel ratio %g", ratio)
            << std::numeric_limits<int>::max() << std::numeric_limits<int>::max() << ratio;
    }
}

void tst_BevelCache::resultAsDrawn()
{
    QFETCH(int, black);
    QFETCH(int, white);
    QFETCH(qreal, devicePixelRatio);
    compareDirectAndCached([&] { return renderResult(black, white, devicePixelRatio); });
}

void tst_BevelCache::viewsInAParentAsDrawn_data()
{
    QTest::addColumn<QColor>("imageFill");
    QTest::addColumn<qreal>("devicePixelRatio");
    const QList<std::pair<const char *, QColor>> fills = {
        {"opaque image", kUntouched},
        {"translucent image", QColor(0, 0, 255, 100)},
        {"transparent image", QColor(Qt::transparent)},
    };
    for (qreal ratio : {1.0, 2.0}) {
        for (const auto &[name, fill] : fills)
            QTest::addRow("%s, device pixel ratio %g", name, ratio) << fill << ratio;
    }
}

// Views side by side at odd places, some straight on the image, the others
// on a panel that fills its background: the same pictures at other device
// positions, over two backgrounds in one paint.
void tst_BevelCache::viewsInAParentAsDrawn()
{
    QFETCH(QColor, imageFill);
    QFETCH(qreal, devicePixelRatio);
    QWidget parent;
    parent.setFixedSize(253, 131);
    auto *panel = new QWidget(&parent);
    panel->setGeometry(126, 0, 127, 131);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, QColor(200, 180, 160));
    panel->setPalette(palette);
    for (int i = 0; i < 8; ++i) {
        QWidget *holder = i < 4 ? &parent : panel;
        const int x = 3 + 31 * (i % 4);
        auto *peg = new Peg(QPointF(x, 7 + 9 * (i % 3)), holder);
        peg->setColor(i % 4 == 0 ? QColor() : ColorCodes::colorOfCode(i));
        auto *result = new Result(QPointF(x + 2, 71 + (i % 2)), holder);
        result->setBlackAndWhite(i % 3, (i + 1) % 2);
    }
    compareDirectAndCached([&] {
        QImage image(parent.size() * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(devicePixelRatio);
        image.fill(imageFill);
        parent.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    });
}

// One ring picture serves every view that shows the same thing over the same
// pixels; another colour, another scale or another background is a picture
// of its own. A colour of full and empty channels is put together from the
// pictures in white and in black, which are kept too. The frame is one
// picture for every view of its size and scale, whatever lies under it.
void tst_BevelCache::picturesKeptByWhatTheyShowAndWhatLiesUnder()
{
    CacheSwitch on(true);
    const QColor red = ColorCodes::colorOfCode(4);
    renderPeg(red, 1.0);
    // white, black, red and the frame
    QCOMPARE(BevelCache::pictureCount(), 4);
    renderPeg(red, 1.0);
    QCOMPARE(BevelCache::pictureCount(), 4);
    renderPeg(ColorCodes::colorOfCode(2), 1.0);
    QCOMPARE(BevelCache::pictureCount(), 5);
    renderPeg(red, 2.0);
    QCOMPARE(BevelCache::pictureCount(), 9);
    renderPeg(QColor(), 1.0);
    QCOMPARE(BevelCache::pictureCount(), 10);
    // A colour with a channel neither full nor empty is drawn as it is.
    renderPeg(QColor::fromRgbF(1, 0.5f, 0, 1), 1.0);
    QCOMPARE(BevelCache::pictureCount(), 11);

    Peg peg(QPointF(0, 0), nullptr);
    peg.setColor(red);
    QImage image(48, 48, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    peg.render(&image);
    QCOMPARE(BevelCache::pictureCount(), 14);

    // A key peg of the same colour is smaller: a picture of its own, shared
    // by the places of a score.
    renderResult(4, 0, 1.0);
    QCOMPARE(BevelCache::pictureCount(), 15);
}

void tst_BevelCache::drawnDirectlyWhenNotOnWholePixels_data()
{
    QTest::addColumn<qreal>("devicePixelRatio");
    QTest::addColumn<QPointF>("offset");
    QTest::newRow("device pixel ratio 1.5") << 1.5 << QPointF(0, 0);
    QTest::newRow("half a pixel to the right") << 1.0 << QPointF(0.5, 0);
    QTest::newRow("a quarter pixel down, ratio 2") << 2.0 << QPointF(0, 0.25);
}

// Off whole device pixels an antialiased ring differs from a copy of one
// drawn elsewhere, and a frame has partly covered pixels: both are drawn
// directly.
void tst_BevelCache::drawnDirectlyWhenNotOnWholePixels()
{
    QFETCH(qreal, devicePixelRatio);
    QFETCH(QPointF, offset);
    Peg peg(QPointF(0, 0), nullptr);
    peg.setColor(ColorCodes::colorOfCode(5));
    const auto render = [&] {
        QImage image(QSize(50, 50) * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(devicePixelRatio);
        image.fill(kUntouched);
        QPainter painter(&image);
        painter.translate(offset);
        peg.render(&painter, QPoint(), QRegion(), QWidget::RenderFlags());
        painter.end();
        return image;
    };
    QImage direct;
    {
        CacheSwitch off(false);
        direct = render();
    }
    CacheSwitch on(true);
    const std::uint64_t copiesBefore = BevelCache::copyCount();
    QCOMPARE(render(), direct);
    QCOMPARE(render(), direct);
    QCOMPARE(BevelCache::copyCount(), copiesBefore);
}

void tst_BevelCache::nothingDrawnAheadOrKeptWhenOff()
{
    BevelCache::clear();
    Peg peg(QPointF(0, 0), nullptr);
    peg.setColor(ColorCodes::colorOfCode(3));
    Result result(QPointF(0, 0), nullptr);
    result.setBlackAndWhite(1, 1);
    QCOMPARE(BevelCache::pictureCount(), 0);
    {
        CacheSwitch off(false);
        renderView(peg);
        renderView(result);
        QCOMPARE(BevelCache::pictureCount(), 0);
    }
    // The peg's cyan, from white and black, and its frame.
    renderView(peg);
    QCOMPARE(BevelCache::pictureCount(), 4);
}

void tst_BevelCache::init()
{
    failOnUnexpectedWarnings();
}

QTEST_MAIN(tst_BevelCache)
#include "tst_bevelcache.moc"
