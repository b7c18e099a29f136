#include "DragProbe.h"
#include "rules/Combination.h"
#include "support/CachedRendering.h"
#include "support/FailOnWarnings.h"
#include "support/ViewImages.h"
#include "views/ColorCodes.h"
#include "views/ViewOptions.h"

#include <QTest>
#include <array>

namespace
{

struct PixelCounts {
    int colored = 0;
    int ring = 0;
    int transparent = 0;
    int other = 0;
};

std::array<unsigned char, 4> bytesAt(const QImage &image, int column, int row)
{
    const unsigned char *p = image.constScanLine(row) + 4 * column;
    return {p[0], p[1], p[2], p[3]};
}

PixelCounts countPixels(const QImage &image, std::array<unsigned char, 4> color)
{
    PixelCounts counts;
    for (int row = 0; row < 24; ++row) {
        for (int column = 0; column < 24; ++column) {
            const auto b = bytesAt(image, column, row);
            if (b == color)
                ++counts.colored;
            else if (b == std::array<unsigned char, 4>{0, 0, 0, 0})
                ++counts.transparent;
            else if (b[0] == b[1] && b[1] == b[2] && b[3] == 255)
                ++counts.ring;
            else
                ++counts.other;
        }
    }
    return counts;
}

QImage imageOfCode(int code)
{
    SourcePeg::dragImages[static_cast<std::size_t>(code & 7)] = QImage();
    SourcePeg peg(QPointF(0, 0), nullptr);
    const float components[3] = {(code & 4) ? 1.0f : 0.0f, (code & 2) ? 1.0f : 0.0f,
                                 (code & 1) ? 1.0f : 0.0f};
    peg.makeDragImageForColor(code, components);
    return SourcePeg::dragImages[static_cast<std::size_t>(code & 7)];
}

} // namespace

class tst_SourcePeg : public FailOnWarnings
{
    Q_OBJECT

private slots:
    void dragImageOfMagenta();
    void ringIsTheSameForEveryCode_data();
    void ringIsTheSameForEveryCode();
    void press_data();
    void press();
    void oneImageObjectPerCode();
    void copyOnly();
    void paintedAsWithoutCache_data();
    void paintedAsWithoutCache();
    void dragImageCarriesTheColorMark_data();
    void dragImageCarriesTheColorMark();
};

// Byte for byte: RGBA, 96 bytes a row, first row on top.
void tst_SourcePeg::dragImageOfMagenta()
{
    const QImage image = imageOfCode(5);
    QCOMPARE(image.format(), QImage::Format_RGBA8888);
    QCOMPARE(image.size(), QSize(24, 24));
    QCOMPARE(image.bytesPerLine(), 96);

    const std::array<unsigned char, 4> magenta{255, 0, 255, 255};
    const PixelCounts counts = countPixels(image, magenta);
    QCOMPARE(counts.colored, 305);
    QCOMPARE(counts.ring, 132);
    QCOMPARE(counts.transparent, 139);
    QCOMPARE(counts.other, 0);

    QCOMPARE(bytesAt(image, 12, 12), magenta);
    QCOMPARE(bytesAt(image, 12, 1), (std::array<unsigned char, 4>{181, 181, 181, 255}));
    QCOMPARE(bytesAt(image, 1, 12), (std::array<unsigned char, 4>{175, 175, 175, 255}));
    QCOMPARE(bytesAt(image, 23, 12), (std::array<unsigned char, 4>{79, 79, 79, 255}));
    QCOMPARE(bytesAt(image, 12, 23), (std::array<unsigned char, 4>{73, 73, 73, 255}));
    for (int i = 0; i < 24; ++i) {
        QCOMPARE(bytesAt(image, 0, i), (std::array<unsigned char, 4>{0, 0, 0, 0}));
        QCOMPARE(bytesAt(image, i, 0), (std::array<unsigned char, 4>{0, 0, 0, 0}));
    }

    int darkest = 255;
    int brightest = 0;
    for (int row = 0; row < 24; ++row) {
        for (int column = 0; column < 24; ++column) {
            const auto b = bytesAt(image, column, row);
            if (b[3] == 255 && b != magenta) {
                darkest = qMin<int>(darkest, b[0]);
                brightest = qMax<int>(brightest, b[0]);
            }
        }
    }
    QCOMPARE(darkest, 25);
    QCOMPARE(brightest, 229);
    // Lit from the upper left: bright there, dark at the lower right.
    QCOMPARE(bytesAt(image, 4, 4)[0], 229);
    QCOMPARE(bytesAt(image, 20, 20)[0], 25);
}

void tst_SourcePeg::ringIsTheSameForEveryCode_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QColor>("disc");
    for (int code = 0; code <= 7; ++code) {
        QTest::addRow("code %d", code)
            << code << QColor((code & 4) ? 255 : 0, (code & 2) ? 255 : 0, (code & 1) ? 255 : 0);
    }
}

void tst_SourcePeg::ringIsTheSameForEveryCode()
{
    QFETCH(int, code);
    QFETCH(QColor, disc);
    const QImage magenta = imageOfCode(5);
    const QImage image = imageOfCode(code);
    QCOMPARE(image.pixelColor(12, 12), disc);
    QCOMPARE(image.pixelColor(3, 12), disc); // d^2 = 81
    for (int row = 0; row < 24; ++row) {
        for (int column = 0; column < 24; ++column) {
            const int dx = column - 12;
            const int dy = row - 12;
            if (dx * dx + dy * dy >= 100)
                QCOMPARE(bytesAt(image, column, row), bytesAt(magenta, column, row));
        }
    }
}

void tst_SourcePeg::press_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QPointF>("position"); // y down, as Qt delivers it
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("drags");
    const int left = Qt::LeftButton;
    QTest::newRow("left press on the centre") << 4 << QPointF(24, 24) << left << true;
    QTest::newRow("empty peg") << 0 << QPointF(24, 24) << left << false;
    QTest::newRow("corner of the square") << 4 << QPointF(1, 1) << left << false;
    QTest::newRow("exactly 16 above the centre") << 4 << QPointF(24, 8) << left << false;
    QTest::newRow("just within 16 above") << 4 << QPointF(24, 8.01) << left << true;
    QTest::newRow("exactly 16 right of the centre") << 4 << QPointF(40, 24) << left << false;
    QTest::newRow("just within 16 below") << 4 << QPointF(24, 39.99) << left << true;
    QTest::newRow("just within 16 on the diagonal") << 4 << QPointF(35.3, 35.3) << left << true;
    QTest::newRow("right button on the centre")
        << 4 << QPointF(24, 24) << int(Qt::RightButton) << false;
    QTest::newRow("middle button on the centre")
        << 4 << QPointF(24, 24) << int(Qt::MiddleButton) << false;
    QTest::newRow("code 13: image of its low bits") << 13 << QPointF(20, 30) << left << true;
    QTest::newRow("code -3: image of its low bits") << -3 << QPointF(24, 24) << left << true;
    QTest::newRow("code 8: a black disc, image 0") << 8 << QPointF(24, 24) << left << true;
}

// A drag starts on the press itself and carries the peg's colour; the image
// covers (12, 12) to (36, 36) of the peg. The press never goes further, and
// the peg keeps its colour and code.
void tst_SourcePeg::press()
{
    QFETCH(int, code);
    QFETCH(QPointF, position);
    QFETCH(int, button);
    QFETCH(bool, drags);
    SourceProbe peg(QPointF(0, 0), nullptr);
    peg.setCValue(code);
    const QColor color = peg.color();

    QVERIFY(pressOn(peg, position, static_cast<Qt::MouseButton>(button)));
    QCOMPARE(peg.drags.size(), std::size_t(drags ? 1 : 0));
    QCOMPARE(peg.cvalue(), code);
    QCOMPARE(peg.color(), color);
    if (!drags)
        return;

    const RecordedDrag &drag = peg.drags.front();
    QCOMPARE(drag.mimeData->formats(), QStringList{QStringLiteral("application/x-color")});
    QCOMPARE(drag.mimeData->colorData().value<QColor>(), color);
    const QImage &shared = SourcePeg::dragImages[static_cast<std::size_t>(code & 7)];
    QCOMPARE(drag.image.cacheKey(), shared.cacheKey());
    QCOMPARE(drag.image.pixelColor(12, 12),
             QColor((code & 4) ? 255 : 0, (code & 2) ? 255 : 0, (code & 1) ? 255 : 0));
    QCOMPARE(drag.hotSpot, (position - QPointF(12, 12)).toPoint());
}

void tst_SourcePeg::oneImageObjectPerCode()
{
    SourcePeg::dragImages[3] = QImage();
    SourceProbe palettePeg(QPointF(0, 0), nullptr);
    palettePeg.setColor(QColor::fromRgbF(0, 1, 1, 1));
    DestinationProbe boardPeg(QPointF(0, 0), nullptr);
    boardPeg.setCValue(3);
    boardPeg.setActive(false);

    QVERIFY(pressOn(palettePeg, QPointF(24, 24)));
    QVERIFY(pressOn(boardPeg, QPointF(20, 28)));
    QVERIFY(pressOn(palettePeg, QPointF(30, 24)));
    QCOMPARE(palettePeg.drags.size(), std::size_t{2});
    QCOMPARE(boardPeg.drags.size(), std::size_t{1});
    const qint64 key = palettePeg.drags[0].image.cacheKey();
    QCOMPARE(boardPeg.drags[0].image.cacheKey(), key);
    QCOMPARE(palettePeg.drags[1].image.cacheKey(), key);
    QCOMPARE(SourcePeg::dragImages[3].cacheKey(), key);
}

// What a real drag offers another program, copy alone, is read on the other
// side in tests/robustness/tst_dragtoanotherprogram.
void tst_SourcePeg::copyOnly()
{
    QCOMPARE(SourcePeg::dragSourceOperations(), Qt::DropActions(Qt::CopyAction));
}

void tst_SourcePeg::paintedAsWithoutCache_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<qreal>("devicePixelRatio");
    for (qreal ratio : {1.0, 2.0}) {
        for (int code = rules::kFirstCode; code <= rules::kLastCode; ++code)
            QTest::addRow("palette colour %d, device pixel ratio %g", code, ratio) << code << ratio;
    }
}

void tst_SourcePeg::paintedAsWithoutCache()
{
    QFETCH(int, code);
    QFETCH(qreal, devicePixelRatio);
    compareDirectAndCached([&] {
        SourcePeg peg(QPointF(0, 0), nullptr);
        peg.setColor(ColorCodes::colorOfCode(code));
        return renderView(peg, devicePixelRatio);
    });
}

void tst_SourcePeg::dragImageCarriesTheColorMark_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QColor>("ink");
    QTest::newRow("red") << 4 << QColor(Qt::black);
    QTest::newRow("green") << 2 << QColor(Qt::black);
    QTest::newRow("yellow") << 6 << QColor(Qt::black);
    QTest::newRow("blue") << 1 << QColor(Qt::white);
    QTest::newRow("magenta") << 5 << QColor(Qt::black);
    QTest::newRow("cyan") << 3 << QColor(Qt::black);
}

// While colour marks are on, a drag shows the image of its code with the
// colour's mark on the disc; the image without the mark stays as it was in
// its own table, and is the one shown again once the marks are off.
void tst_SourcePeg::dragImageCarriesTheColorMark()
{
    QFETCH(int, code);
    QFETCH(QColor, ink);
    const auto index = static_cast<std::size_t>(code);
    SourcePeg::dragImages[index] = QImage();
    SourcePeg::markedDragImages[index] = QImage();
    const QImage plain = imageOfCode(code);
    SourcePeg::dragImages[index] = QImage();

    SourceProbe peg(QPointF(0, 0), nullptr);
    peg.setCValue(code);
    ViewOptions::instance().set(ViewOptions::ColorMarks, true);
    QVERIFY(pressOn(peg, QPointF(24, 24)));
    QVERIFY(pressOn(peg, QPointF(20, 20)));
    ViewOptions::instance().set(ViewOptions::ColorMarks, false);
    QVERIFY(pressOn(peg, QPointF(24, 24)));
    QCOMPARE(peg.drags.size(), std::size_t{3});

    const QImage &marked = peg.drags[0].image;
    QCOMPARE(marked.cacheKey(), SourcePeg::markedDragImages[index].cacheKey());
    QCOMPARE(peg.drags[1].image.cacheKey(), marked.cacheKey());
    QCOMPARE(SourcePeg::dragImages[index], plain);
    QCOMPARE(peg.drags[2].image.cacheKey(), SourcePeg::dragImages[index].cacheKey());

    QCOMPARE(marked.format(), plain.format());
    QCOMPARE(marked.size(), plain.size());
    int inked = 0;
    for (int row = 0; row < 24; ++row) {
        for (int column = 0; column < 24; ++column) {
            const int dx = column - 12;
            const int dy = row - 12;
            if (dx * dx + dy * dy >= 100) {
                QCOMPARE(marked.pixelColor(column, row), plain.pixelColor(column, row));
            } else if (marked.pixelColor(column, row) == ink) {
                ++inked;
            }
        }
    }
    QVERIFY2(inked >= 20, qPrintable(QString::number(inked)));
}

QTEST_MAIN(tst_SourcePeg)
#include "tst_sourcepeg.moc"
