#include "CountingRepaints.h"
#include "support/FailOnWarnings.h"
#include "support/ViewImages.h"
#include "views/ColorCodes.h"
#include "views/Peg.h"

#include <QTest>
#include <limits>

namespace
{

using CountingPeg = CountingRepaints<Peg>;

bool sameRgba(const QColor &a, const QColor &b)
{
    return a.rgba64() == b.rgba64();
}

} // namespace

class tst_Peg : public FailOnWarnings
{
    Q_OBJECT

private slots:
    void codeTable_data();
    void codeTable();
    void codeOfColor_data();
    void codeOfColor();
    void setCValue_data();
    void setCValue();
    void ownColorKeepsCode();
    void repaintRequests();
    void drawing_data();
    void drawing();
    void drawingAtDevicePixelRatio2();
    void placedInParentsYUpCoordinates();
};

void tst_Peg::codeTable_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QColor>("color");
    QTest::newRow("0 none") << 0 << QColor();
    QTest::newRow("1 blue") << 1 << QColor::fromRgbF(0, 0, 1, 1);
    QTest::newRow("2 green") << 2 << QColor::fromRgbF(0, 1, 0, 1);
    QTest::newRow("3 cyan") << 3 << QColor::fromRgbF(0, 1, 1, 1);
    QTest::newRow("4 red") << 4 << QColor::fromRgbF(1, 0, 0, 1);
    QTest::newRow("5 magenta") << 5 << QColor::fromRgbF(1, 0, 1, 1);
    QTest::newRow("6 yellow") << 6 << QColor::fromRgbF(1, 1, 0, 1);
    QTest::newRow("7 white") << 7 << QColor::fromRgbF(1, 1, 1, 1);
}

void tst_Peg::codeTable()
{
    QFETCH(int, code);
    QFETCH(QColor, color);
    const QColor made = ColorCodes::colorOfCode(code);
    QCOMPARE(made.isValid(), color.isValid());
    if (color.isValid()) {
        QCOMPARE(made.spec(), QColor::Rgb);
        QVERIFY(sameRgba(made, color));
    }
    QCOMPARE(ColorCodes::codeOfColor(color), code);
    QCOMPARE(ColorCodes::codeOfColor(made), code);
}

void tst_Peg::codeOfColor_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<int>("code");
    QTest::newRow("magenta") << QColor::fromRgbF(1, 0, 1, 1) << 5;
    QTest::newRow("orange counts only its red") << QColor::fromRgbF(1, 0.5f, 0, 1) << 4;
    // A QColor::Rgb colour keeps 16 bits a component: 65534 is its largest value
    // below full; QColor::ExtendedRgb holds half floats.
    QTest::newRow("red just below full, green and blue full")
        << QColor::fromRgba64(65534, 65535, 65535) << 3;
    QTest::newRow("extended red just below full, green and blue full")
        << QColor::fromRgbF(1.0f - 1.0f / 2048.0f, 1, 1).convertTo(QColor::ExtendedRgb) << 3;
    QTest::newRow("black") << QColor::fromRgbF(0, 0, 0, 1) << 0;
    QTest::newRow("half-transparent blue: alpha ignored") << QColor::fromRgbF(0, 0, 1, 0.5f) << 1;
    QTest::newRow("red given in HSV") << QColor::fromHsvF(0, 1, 1) << 4;
    QTest::newRow("no colour") << QColor() << 0;
}

// setColor holds the colour as given and derives its code.
void tst_Peg::codeOfColor()
{
    QFETCH(QColor, color);
    QFETCH(int, code);
    QCOMPARE(ColorCodes::codeOfColor(color), code);
    Peg peg(QPointF(0, 0), nullptr);
    peg.setColor(color);
    QCOMPARE(peg.cvalue(), code);
    QCOMPARE(peg.color(), color);
}

void tst_Peg::setCValue_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QColor>("color");
    QTest::newRow("0 leaves no colour") << 0 << QColor();
    QTest::newRow("5 magenta") << 5 << QColor::fromRgbF(1, 0, 1, 1);
    QTest::newRow("7 white") << 7 << QColor::fromRgbF(1, 1, 1, 1);
    QTest::newRow("12 is red by its low bits 100") << 12 << QColor::fromRgbF(1, 0, 0, 1);
    QTest::newRow("8 has no low bits but is a code: black") << 8 << QColor::fromRgbF(0, 0, 0, 1);
    QTest::newRow("-1 is white by its low bits") << -1 << QColor::fromRgbF(1, 1, 1, 1);
    QTest::newRow("lowest code, low bits 000: black")
        << std::numeric_limits<int>::min() << QColor::fromRgbF(0, 0, 0, 1);
}

void tst_Peg::setCValue()
{
    QFETCH(int, code);
    QFETCH(QColor, color);
    Peg peg(QPointF(0, 0), nullptr);
    peg.setColor(QColor::fromRgbF(0, 1, 0, 1));
    peg.setCValue(code);
    QCOMPARE(peg.cvalue(), code);
    QCOMPARE(peg.color().isValid(), color.isValid());
    if (color.isValid())
        QVERIFY(sameRgba(peg.color(), color));
}

void tst_Peg::ownColorKeepsCode()
{
    Peg peg(QPointF(0, 0), nullptr);
    for (int code = 0; code <= 7; ++code) {
        peg.setCValue(code);
        peg.setColor(peg.color());
        QCOMPARE(peg.cvalue(), code);
    }
}

void tst_Peg::repaintRequests()
{
    CountingPeg peg(QPointF(0, 0), nullptr);
    peg.setCValue(4);
    peg.setCValue(0);
    QCOMPARE(peg.repaints, 0);
    const QColor red = QColor::fromRgbF(1, 0, 0, 1);
    peg.setColor(red);
    QCOMPARE(peg.repaints, 1);
    peg.setColor(red);
    QCOMPARE(peg.repaints, 2);
    peg.setColor(QColor());
    QCOMPARE(peg.repaints, 3);
    QCOMPARE(peg.cvalue(), 0);
    QVERIFY(!peg.color().isValid());
}

void tst_Peg::drawing_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QColor>("centre");
    QTest::addColumn<bool>("raised");
    QTest::newRow("new peg: a hole, the background shows") << QColor() << kUntouched << false;
    QTest::newRow("magenta") << QColor::fromRgbF(1, 0, 1, 1) << QColor(255, 0, 255) << true;
    QTest::newRow("orange is drawn as orange, code 4")
        << QColor::fromRgbF(1, 0.5f, 0, 1) << QColor(255, 128, 0) << true;
    QTest::newRow("black disc with a raised ring")
        << QColor(Qt::black) << QColor(Qt::black) << true;
}

// The disc or hole of radius 16 about (24, 24), its ring, and the frame, with
// five units of background between the ring and the frame.
void tst_Peg::drawing()
{
    QFETCH(QColor, color);
    QFETCH(QColor, centre);
    QFETCH(bool, raised);
    Peg peg(QPointF(0, 0), nullptr);
    peg.setColor(color);
    const QImage image = renderView(peg);

    QCOMPARE(unitPixel(image, 24, 24), centre);
    QCOMPARE(unitPixel(image, 14, 24), centre); // inside radius 15
    QCOMPARE(unitPixel(image, 4, 24), kUntouched);
    QCOMPARE(unitPixel(image, 24, 43), kUntouched);
    QCOMPARE(unitPixel(image, 0, 0), QColor(Qt::white));
    QCOMPARE(unitPixel(image, 47, 47), QColor(Qt::black));
    QCOMPARE(unitPixel(image, 1, 24), QColor(Qt::white));
    QCOMPARE(unitPixel(image, 46, 24), QColor(Qt::black));
    QCOMPARE(unitPixel(image, 2, 24), kUntouched);

    const int upperLeft = unitPixel(image, 12, 35).red();
    const int lowerRight = unitPixel(image, 35, 12).red();
    QVERIFY2(
        raised ? (upperLeft > 200 && lowerRight < 50) : (upperLeft < 50 && lowerRight > 200),
        qPrintable(QStringLiteral("upper left %1, lower right %2").arg(upperLeft).arg(lowerRight)));
}

// Drawn as vectors: at twice the pixel density every unit strip of the frame
// is two pixels wide, with nothing blurred across its edges.
void tst_Peg::drawingAtDevicePixelRatio2()
{
    Peg peg(QPointF(0, 0), nullptr);
    peg.setColor(QColor::fromRgbF(0, 0, 1, 1));
    const QImage image = renderView(peg, 2.0);
    QCOMPARE(image.size(), QSize(96, 96));
    const int row = 48;
    for (int x = 0; x < 4; ++x)
        QCOMPARE(image.pixelColor(x, row), QColor(Qt::white));
    QCOMPARE(image.pixelColor(4, row), kUntouched);
    for (int x = 92; x < 96; ++x)
        QCOMPARE(image.pixelColor(x, row), QColor(Qt::black));
    QCOMPARE(image.pixelColor(91, row), kUntouched);
    QCOMPARE(image.pixelColor(48, row), QColor(0, 0, 255));
    QCOMPARE(image.pixelColor(19, row), QColor(0, 0, 255)); // radius 14.75 units

    // The ring's outer edge (radius 17 units, 34 pixels) is antialiased: pixels
    // there blend the ring's gray with the background instead of being one or
    // the other, as a scaled-up bitmap would show.
    int blended = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double distance = std::hypot(x + 0.5 - 48.0, y + 0.5 - 48.0);
            if (distance < 33.0 || distance > 35.0)
                continue;
            const QColor pixel = image.pixelColor(x, y);
            if (pixel != kUntouched && pixel.red() != pixel.green())
                ++blended;
        }
    }
    QVERIFY2(blended > 50, qPrintable(QString::number(blended)));
}

void tst_Peg::placedInParentsYUpCoordinates()
{
    QWidget parent;
    parent.resize(200, 100);
    Peg peg(QPointF(10, 20), &parent);
    QCOMPARE(peg.geometry(), QRect(10, 32, 48, 48));
    QVERIFY(!peg.color().isValid());
    QCOMPARE(peg.cvalue(), 0);
}

QTEST_MAIN(tst_Peg)
#include "tst_peg.moc"
