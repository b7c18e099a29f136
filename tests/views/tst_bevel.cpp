#include "PaintRecorder.h"
#include "support/FailOnWarnings.h"
#include "support/ViewImages.h"
#include "views/Bevel.h"

#include <QPainter>
#include <QTest>
#include <cmath>
#include <map>
#include <numbers>

namespace
{

// The direction of `point` from `centre`, in degrees 0 <= a < 360,
// counter-clockwise with y up.
double directionOf(QPointF point, QPointF centre)
{
    const double degrees =
        std::atan2(point.y() - centre.y(), point.x() - centre.x()) * 180.0 / std::numbers::pi;
    return degrees < 0.0 ? degrees + 360.0 : degrees;
}

// The difference of two directions, brought into (-180, 180].
double angleDifference(double a, double b)
{
    double d = std::fmod(a - b, 360.0);
    if (d > 180.0)
        d -= 360.0;
    if (d <= -180.0)
        d += 360.0;
    return d;
}

QImage drawnInYUp(const std::function<void(QPainter &)> &draw)
{
    QImage image(48, 48, QImage::Format_ARGB32_Premultiplied);
    image.fill(kUntouched);
    QPainter painter(&image);
    beginYUpPainting(painter, 48);
    draw(painter);
    painter.end();
    return image;
}

} // namespace

class tst_Bevel : public FailOnWarnings
{
    Q_OBJECT

private slots:
    void bevelGrayTable_data();
    void bevelGrayTable();
    void ringArcs_data();
    void ringArcs();
    void ringLight_data();
    void ringLight();
    void tileFrame_data();
    void tileFrame();
    void tileLeavesInnerSquare();
    void tiledRectsCutsInOrderAndClips();
};

void tst_Bevel::bevelGrayTable_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<float>("gray");
    QTest::newRow("upper left, brightest") << 132.0 << 0.9f;
    QTest::newRow("one step down") << 138.0 << static_cast<float>(0.1 + 0.8 * 29.0 / 30.0);
    QTest::newRow("lower left, half") << 222.0 << 0.5f;
    QTest::newRow("one step before darkest") << 306.0 << static_cast<float>(0.1 + 0.8 / 30.0);
    QTest::newRow("lower right, darkest") << 312.0 << 0.1f;
    QTest::newRow("upper right, half") << 402.0 << 0.5f;
    QTest::newRow("last step") << 486.0 << static_cast<float>(0.1 + 0.8 * 29.0 / 30.0);
}

void tst_Bevel::bevelGrayTable()
{
    QFETCH(double, angle);
    QFETCH(float, gray);
    QCOMPARE(bevelGray(angle), gray);
}

void tst_Bevel::ringArcs_data()
{
    QTest::addColumn<bool>("raised");
    QTest::addColumn<double>("firstAngle");
    QTest::newRow("shadow: raised ring from 132 degrees") << true << 132.0;
    QTest::newRow("shadow2: sunken ring from 312 degrees") << false << 312.0;
}

// Sixty separate arcs of 6 degrees, counter-clockwise in y-up coordinates,
// each in the gray 0.1 + 0.8 |k - 30| / 30 of its index, 2 units wide with
// flat caps; the pen stays 2 units wide afterwards.
void tst_Bevel::ringArcs()
{
    QFETCH(bool, raised);
    QFETCH(double, firstAngle);
    const QPointF centre(30.0, 20.0);
    const float radius = 7.0f;

    PaintRecorder recorder;
    QPainter painter(&recorder);
    painter.setPen(QPen(Qt::red, 5.0));
    if (raised)
        shadow(painter, centre.x(), centre.y(), radius);
    else
        shadow2(painter, centre.x(), centre.y(), radius);
    QCOMPARE(painter.pen().widthF(), 2.0);
    painter.end();

    const auto &strokes = recorder.strokes();
    QCOMPARE(strokes.size(), std::size_t{60});
    std::map<int, int> grayCounts;
    for (int k = 0; k < 60; ++k) {
        const auto &stroke = strokes[static_cast<std::size_t>(k)];
        const double start = firstAngle + 6.0 * k;
        const QPainterPath &path = stroke.path;
        const QPointF first = path.elementAt(0);
        const QPointF last = path.elementAt(path.elementCount() - 1);
        QVERIFY2(qAbs(QLineF(centre, first).length() - radius) < 0.05,
                 qPrintable(QString::number(k)));
        QVERIFY2(qAbs(angleDifference(directionOf(first, centre), start)) < 0.05,
                 qPrintable(
                     QStringLiteral("arc %1 starts at %2").arg(k).arg(directionOf(first, centre))));
        QVERIFY2(
            qAbs(angleDifference(directionOf(last, centre), start + 6.0)) < 0.05,
            qPrintable(QStringLiteral("arc %1 ends at %2").arg(k).arg(directionOf(last, centre))));
        // The middle of the arc shows which way round it runs.
        const double middle = directionOf(path.pointAtPercent(0.5), centre);
        QVERIFY2(qAbs(angleDifference(middle, start + 3.0)) < 0.05,
                 qPrintable(QStringLiteral("arc %1 passes through %2").arg(k).arg(middle)));

        const float gray = static_cast<float>(0.1 + 0.8 * std::abs(k - 30) / 30.0);
        QCOMPARE(stroke.pen.color(), QColor::fromRgbF(gray, gray, gray));
        QCOMPARE(stroke.pen.widthF(), 2.0);
        QCOMPARE(stroke.pen.capStyle(), Qt::FlatCap);
        QCOMPARE(stroke.brush.style(), Qt::NoBrush);
        ++grayCounts[stroke.pen.color().rgba64().red()];
    }
    QCOMPARE(grayCounts.size(), std::size_t{31});
    QCOMPARE(grayCounts[QColor::fromRgbF(0.9f, 0.9f, 0.9f).rgba64().red()], 1);
    QCOMPARE(grayCounts[QColor::fromRgbF(0.1f, 0.1f, 0.1f).rgba64().red()], 1);
}

void tst_Bevel::ringLight_data()
{
    QTest::addColumn<bool>("raised");
    QTest::addColumn<QPoint>("unit");
    QTest::addColumn<int>("level");
    // Unit squares lying wholly on the ring of radius 16 about (24, 24), each
    // inside one 6-degree arc; the levels are those of the arcs' grays.
    const QPoint upperLeft(12, 35);  // 132 to 138 degrees
    const QPoint lowerRight(35, 12); // 312 to 318 degrees
    const QPoint left(8, 24);        // 174 to 180 degrees
    QTest::newRow("raised, upper left bright") << true << upperLeft << 230;
    QTest::newRow("raised, lower right dark") << true << lowerRight << 26;
    QTest::newRow("raised, left") << true << left << 182;
    QTest::newRow("sunken, upper left dark") << false << upperLeft << 26;
    QTest::newRow("sunken, lower right bright") << false << lowerRight << 230;
    QTest::newRow("sunken, left") << false << left << 74;
}

// On screen the light comes from the upper left.
void tst_Bevel::ringLight()
{
    QFETCH(bool, raised);
    QFETCH(QPoint, unit);
    QFETCH(int, level);
    const QImage image = drawnInYUp([raised](QPainter &painter) {
        if (raised)
            shadow(painter, 24, 24, 16);
        else
            shadow2(painter, 24, 24, 16);
    });
    const QColor seen = unitPixel(image, unit.x(), unit.y());
    QVERIFY2(qAbs(seen.red() - level) <= 2 && seen.red() == seen.green() &&
                 seen.green() == seen.blue() && seen.alpha() == 255,
             qPrintable(QStringLiteral("saw %1").arg(seen.name(QColor::HexArgb))));
}

void tst_Bevel::tileFrame_data()
{
    QTest::addColumn<QPoint>("unit");
    QTest::addColumn<QColor>("color");
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    QTest::newRow("corner (0, 0): the left strip is cut first") << QPoint(0, 0) << white;
    QTest::newRow("corner (47, 0)") << QPoint(47, 0) << black;
    QTest::newRow("corner (0, 47)") << QPoint(0, 47) << white;
    QTest::newRow("corner (47, 47)") << QPoint(47, 47) << black;
    QTest::newRow("left, outer") << QPoint(0, 20) << white;
    QTest::newRow("right, outer") << QPoint(47, 20) << black;
    QTest::newRow("bottom, outer") << QPoint(20, 0) << black;
    QTest::newRow("top, outer") << QPoint(20, 47) << white;
    QTest::newRow("left, inner") << QPoint(1, 20) << white;
    QTest::newRow("right, inner") << QPoint(46, 20) << black;
    QTest::newRow("bottom, inner") << QPoint(20, 1) << black;
    QTest::newRow("top, inner") << QPoint(20, 46) << white;
    QTest::newRow("inner corner (1, 1)") << QPoint(1, 1) << white;
    QTest::newRow("inner corner (46, 1)") << QPoint(46, 1) << black;
    QTest::newRow("inner corner (1, 46)") << QPoint(1, 46) << white;
    QTest::newRow("inner corner (46, 46)") << QPoint(46, 46) << black;
    QTest::newRow("inner bottom row starts at x = 2") << QPoint(2, 1) << black;
    QTest::newRow("inner top row ends at x = 45") << QPoint(45, 46) << white;
}

void tst_Bevel::tileFrame()
{
    QFETCH(QPoint, unit);
    QFETCH(QColor, color);
    const QImage image = drawnInYUp([](QPainter &painter) { tile(painter, QRectF(0, 0, 48, 48)); });
    QCOMPARE(unitPixel(image, unit.x(), unit.y()), color);
}

void tst_Bevel::tileLeavesInnerSquare()
{
    const QImage image = drawnInYUp([](QPainter &painter) { tile(painter, QRectF(0, 0, 48, 48)); });
    for (int y = 2; y < 46; ++y) {
        for (int x = 2; x < 46; ++x) {
            if (unitPixel(image, x, y) != kUntouched)
                QFAIL(qPrintable(QStringLiteral("(%1, %2) was painted").arg(x).arg(y)));
        }
    }
}

void tst_Bevel::tiledRectsCutsInOrderAndClips()
{
    const RectEdge sides[] = {RectEdge::MaxY, RectEdge::MinX, RectEdge::MinY};
    const float grays[] = {1.0f, 0.0f, 1.0f};
    QRectF rest;
    const QImage image = drawnInYUp([&](QPainter &painter) {
        rest =
            drawTiledRects(painter, QRectF(10, 10, 20, 20), QRectF(0, 0, 25, 48), sides, grays, 3);
    });
    QCOMPARE(rest, QRectF(11, 11, 19, 18));
    QCOMPARE(unitPixel(image, 10, 29), QColor(Qt::white)); // the top strip, cut first
    QCOMPARE(unitPixel(image, 24, 29), QColor(Qt::white));
    QCOMPARE(unitPixel(image, 25, 29), kUntouched); // clipped away
    QCOMPARE(unitPixel(image, 10, 28), QColor(Qt::black));
    QCOMPARE(unitPixel(image, 10, 10), QColor(Qt::black));
    QCOMPARE(unitPixel(image, 11, 10), QColor(Qt::white));
    QCOMPARE(unitPixel(image, 11, 11), kUntouched);
    QCOMPARE(unitPixel(image, 9, 10), kUntouched);
}

QTEST_MAIN(tst_Bevel)
#include "tst_bevel.moc"
