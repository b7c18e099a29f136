#include "support/CachedRendering.h"
#include "support/FailOnWarnings.h"
#include "support/ViewImages.h"
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

class tst_BevelCache : public FailOnWarnings
{
    Q_OBJECT

private slots:
    void pegAsDrawn_data();
    void pegAsDrawn();
    void resultAsDrawn_data();
    void resultAsDrawn();
    void viewsInAParentAsDrawn_data();
    void viewsInAParentAsDrawn();
    void drawnDirectlyWhenNotOnWholePixels_data();
    void drawnDirectlyWhenNotOnWholePixels();
    void eachRingDrawnOncePerColorAndScale_data();
    void eachRingDrawnOncePerColorAndScale();
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

void tst_BevelCache::eachRingDrawnOncePerColorAndScale_data()
{
    // Each step draws a ring through the cache onto a fresh image, and says
    // whether the ring's drawing must run ("drawn"), must not ("copied"), or
    // may ("-"): "red 2 grey copied" is a red ring at device pixel ratio 2
    // over grey, copied from an earlier drawing. "off" and "on" switch the
    // cache. At most `most` drawings run in all.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("most");
    QTest::newRow("one colour in many views")
        << QStringList{"red 1 white drawn", "red 1 white copied", "red 1 white copied"} << 3;
    const QStringList six = {"red", "#00ff00", "blue", "cyan", "magenta", "yellow"};
    QStringList twice{"red 1 white drawn"};
    for (const QString &color : six.mid(1))
        twice << color + QStringLiteral(" 1 white -");
    for (const QString &color : six)
        twice << color + QStringLiteral(" 1 white copied");
    QTest::newRow("the six colours, twice: each drawn once at most") << twice << 6;
    QTest::newRow("another scale") << QStringList{"red 1 white drawn", "red 2 white drawn",
                                                  "red 1 white copied", "red 2 white copied"}
                                   << 4;
    QTest::newRow("another background") << QStringList{"red 1 white drawn", "red 1 grey drawn",
                                                       "red 1 white copied", "red 1 grey copied"}
                                        << 4;
    QTest::newRow("a colour of partial channels")
        << QStringList{"#ff8000 1 white drawn", "#ff8000 1 white copied", "#ff8000 2 white drawn"}
        << 2;
    QTest::newRow("off: drawn every time, nothing kept")
        << QStringList{"off", "red 1 white drawn", "red 1 white drawn",
                       "on",  "red 1 white drawn", "red 1 white copied"}
        << 4;
}

// A ring is drawn once for each colour, scale and background, however many
// views show it, and each copy is pixel for pixel the ring drawn directly.
void tst_BevelCache::eachRingDrawnOncePerColorAndScale()
{
    QFETCH(QStringList, steps);
    QFETCH(int, most);
    CacheSwitch on(true);
    constexpr std::uint32_t kTestRing = 0x7e57;
    const auto paintRing = [](QPainter &painter, const QColor &ink) {
        painter.setPen(QPen(QColor(128, 128, 128), 3.0));
        painter.setBrush(ink);
        painter.drawEllipse(QRectF(6.5, 6.5, 35.0, 35.0));
    };
    int drawings = 0;
    const auto render = [&](const QColor &color, qreal ratio, const QColor &under, bool cached) {
        QImage image(QSize(48, 48) * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(under);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        if (!cached) {
            paintRing(painter, color);
            return image;
        }
        BevelCache::drawInColor(painter, QRectF(4, 4, 40, 40), kTestRing, color,
                                [&](QPainter &target, const QColor &ink) {
                                    ++drawings;
                                    paintRing(target, ink);
                                });
        return image;
    };
    for (const QString &step : steps) {
        if (step == QLatin1String("off") || step == QLatin1String("on")) {
            BevelCache::setEnabled(step == QLatin1String("on"));
            continue;
        }
        const QStringList parts = step.split(u' ');
        QCOMPARE(parts.size(), qsizetype(4));
        const QColor color(parts[0]);
        const qreal ratio = parts[1].toDouble();
        const QColor under(parts[2]);
        const int before = drawings;
        const QImage image = render(color, ratio, under, true);
        if (parts[3] == QLatin1String("drawn"))
            QVERIFY2(drawings > before, qPrintable(step + QStringLiteral(": nothing drawn")));
        else if (parts[3] == QLatin1String("copied"))
            QVERIFY2(drawings == before, qPrintable(step + QStringLiteral(": drawn again")));
        const QImage direct = render(color, ratio, under, false);
        QVERIFY2(image == direct,
                 qPrintable(step + QStringLiteral(": ") + firstDifference(direct, image)));
    }
    QVERIFY2(drawings <= most, qPrintable(QStringLiteral("%1 drawings").arg(drawings)));
}

QTEST_MAIN(tst_BevelCache)
#include "tst_bevelcache.moc"
