#include "DragProbe.h"
#include "support/CachedRendering.h"
#include "support/FailOnWarnings.h"
#include "support/ViewImages.h"
#include "views/ColorCodes.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QTest>
#include <limits>

namespace
{

enum Payload : int {
    ColorValue, // the value given to setColorData
    ColorBytes, // raw bytes under "application/x-color", as from another program
    TextOnly,
    NoData,
};

std::unique_ptr<QMimeData> makeMimeData(int payload, const QVariant &value)
{
    auto mimeData = std::make_unique<QMimeData>();
    switch (payload) {
    case ColorValue:
        mimeData->setColorData(value);
        break;
    case ColorBytes:
        mimeData->setData(QStringLiteral("application/x-color"), value.toByteArray());
        break;
    case TextOnly:
        mimeData->setText(value.toString());
        break;
    default:
        break;
    }
    return mimeData;
}

const QPoint kCentre(24, 24);

// Sends a drag entering, moving over and dropping on `peg`; answers whether
// each was accepted, and checks that an accepted one is a copy.
struct DragAnswers {
    bool enter = false;
    bool move = false;
    bool drop = false;
};

bool deliver(QWidget &peg, QDropEvent &event)
{
    event.setAccepted(false);
    QCoreApplication::sendEvent(&peg, &event);
    if (event.isAccepted() && event.dropAction() != Qt::CopyAction)
        qWarning("accepted as %d, not as a copy", int(event.dropAction()));
    return event.isAccepted() && event.dropAction() == Qt::CopyAction;
}

bool enter(QWidget &peg, const QMimeData &data, Qt::DropActions actions = Qt::CopyAction)
{
    QDragEnterEvent event(kCentre, actions, &data, Qt::LeftButton, Qt::NoModifier);
    return deliver(peg, event);
}

bool moveOver(QWidget &peg, const QMimeData &data, Qt::DropActions actions = Qt::CopyAction)
{
    QDragMoveEvent event(kCentre, actions, &data, Qt::LeftButton, Qt::NoModifier);
    return deliver(peg, event);
}

bool drop(QWidget &peg, const QMimeData &data, Qt::DropActions actions = Qt::CopyAction)
{
    QDropEvent event(QPointF(kCentre), actions, &data, Qt::LeftButton, Qt::NoModifier);
    return deliver(peg, event);
}

const QColor kHeld(51, 102, 153);

} // namespace

class tst_DestinationPeg : public FailOnWarnings
{
    Q_OBJECT

private slots:
    void newPegIsActive();
    void setActiveRepaintsOnlyOnChange();
    void dropRules_data();
    void dropRules();
    void rowCommittedWhileDragHovers();
    void boardPegToBoardPeg();
    void frame_data();
    void frame();
    void paintedAsWithoutCache_data();
    void paintedAsWithoutCache();
};

void tst_DestinationPeg::newPegIsActive()
{
    DestinationProbe peg(QPointF(0, 0), nullptr);
    QVERIFY(peg.isActive());
    QVERIFY(peg.acceptDrops());
    QVERIFY(!peg.color().isValid());
    QCOMPARE(peg.cvalue(), 0);
    QCOMPARE(peg.repaints, 0);
}

void tst_DestinationPeg::setActiveRepaintsOnlyOnChange()
{
    DestinationProbe peg(QPointF(0, 0), nullptr);
    peg.setActive(true);
    QCOMPARE(peg.repaints, 0);
    peg.setActive(false);
    QCOMPARE(peg.repaints, 1);
    QVERIFY(!peg.isActive());
    peg.setActive(false);
    QCOMPARE(peg.repaints, 1);
    peg.setActive(true);
    QCOMPARE(peg.repaints, 2);
    QVERIFY(peg.isActive());
}

void tst_DestinationPeg::dropRules_data()
{
    QTest::addColumn<bool>("active");
    QTest::addColumn<int>("actions");
    QTest::addColumn<int>("payload");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("code"); // the code taken; -1 when refused

    const int copy = Qt::CopyAction;
    const auto rgb = [](float r, float g, float b, float a = 1.0f) {
        return QVariant(QColor::fromRgbF(r, g, b, a));
    };
    QTest::newRow("blue") << true << copy << int(ColorValue) << rgb(0, 0, 1) << 1;
    QTest::newRow("green") << true << copy << int(ColorValue) << rgb(0, 1, 0) << 2;
    QTest::newRow("cyan") << true << copy << int(ColorValue) << rgb(0, 1, 1) << 3;
    QTest::newRow("red") << true << copy << int(ColorValue) << rgb(1, 0, 0) << 4;
    QTest::newRow("magenta") << true << copy << int(ColorValue) << rgb(1, 0, 1) << 5;
    QTest::newRow("yellow") << true << copy << int(ColorValue) << rgb(1, 1, 0) << 6;
    QTest::newRow("red offered as copy or move, taken as copy")
        << true << int(Qt::CopyAction | Qt::MoveAction) << int(ColorValue) << rgb(1, 0, 0) << 4;
    QTest::newRow("green in extended RGB, taken in RGB")
        << true << copy << int(ColorValue)
        << QVariant(QColor::fromRgbF(0, 1, 0).convertTo(QColor::ExtendedRgb)) << 2;
    QTest::newRow("red by name, as other programs send it")
        << true << copy << int(ColorBytes) << QVariant(QByteArray("#ff0000")) << 4;

    QTest::newRow("inactive peg, red") << false << copy << int(ColorValue) << rgb(1, 0, 0) << -1;
    QTest::newRow("move only, red")
        << true << int(Qt::MoveAction) << int(ColorValue) << rgb(1, 0, 0) << -1;
    QTest::newRow("link only, red")
        << true << int(Qt::LinkAction) << int(ColorValue) << rgb(1, 0, 0) << -1;
    QTest::newRow("black") << true << copy << int(ColorValue) << rgb(0, 0, 0) << -1;
    QTest::newRow("white") << true << copy << int(ColorValue) << rgb(1, 1, 1) << -1;
    QTest::newRow("gray 0.5") << true << copy << int(ColorValue) << rgb(0.5f, 0.5f, 0.5f) << -1;
    QTest::newRow("red at half strength")
        << true << copy << int(ColorValue) << rgb(0.5f, 0, 0) << -1;
    QTest::newRow("red at alpha 0.5")
        << true << copy << int(ColorValue) << rgb(1, 0, 0, 0.5f) << -1;
    QTest::newRow("red nearly opaque") << true << copy << int(ColorValue)
                                       << QVariant(QColor::fromRgba64(65535, 0, 0, 65534)) << -1;
    QTest::newRow("translucent red by name")
        << true << copy << int(ColorBytes) << QVariant(QByteArray("#80ff0000")) << -1;
    QTest::newRow("out of range: extended red 1.5")
        << true << copy << int(ColorValue) << QVariant(QColor::fromRgbF(1.5f, 0, 0)) << -1;
    QTest::newRow("out of range: extended blue with red -1")
        << true << copy << int(ColorValue) << QVariant(QColor::fromRgbF(-1.0f, 0, 1)) << -1;
    QTest::newRow("other colour model, converted exactly: red in HSV")
        << true << copy << int(ColorValue) << QVariant(QColor::fromHsvF(0, 1, 1)) << 4;
    QTest::newRow("other colour model, converted exactly: magenta in CMYK")
        << true << copy << int(ColorValue) << QVariant(QColor::fromCmykF(0, 1, 0, 0)) << 5;
    QTest::newRow("other colour model, converted exactly: green in HSL")
        << true << copy << int(ColorValue) << QVariant(QColor::fromHslF(1.0f / 3, 1, 0.5f)) << 2;
    QTest::newRow("other colour model, not one of the six: dark red in HSV")
        << true << copy << int(ColorValue) << QVariant(QColor::fromHsvF(0, 1, 0.9f)) << -1;
    // A hue of 0.01 degrees converts to a green of 11 in 65535.
    QTest::newRow("other colour model, not one of the six: red in HSV, hue 0.01 degrees")
        << true << copy << int(ColorValue) << QVariant(QColor::fromHsvF(1.0f / 36000, 1, 1)) << -1;
    QTest::newRow("other colour model, not one of the six: pale yellow in CMYK")
        << true << copy << int(ColorValue) << QVariant(QColor::fromCmykF(0, 0, 0.9f, 0)) << -1;
    QTest::newRow("other colour model, not one of the six: translucent blue in HSL")
        << true << copy << int(ColorValue) << QVariant(QColor::fromHslF(2.0f / 3, 1, 0.5f, 0.5f))
        << -1;
    QTest::newRow("invalid colour") << true << copy << int(ColorValue) << QVariant(QColor()) << -1;
    QTest::newRow("a string in place of a colour")
        << true << copy << int(ColorValue) << QVariant(QStringLiteral("red")) << -1;
    QTest::newRow("a number in place of a colour")
        << true << copy << int(ColorValue) << QVariant(4) << -1;
    QTest::newRow("malformed bytes")
        << true << copy << int(ColorBytes) << QVariant(QByteArray("not a colour")) << -1;
    QTest::newRow("wrong length: five hex digits")
        << true << copy << int(ColorBytes) << QVariant(QByteArray("#ff000")) << -1;
    QTest::newRow("wrong length: seven hex digits")
        << true << copy << int(ColorBytes) << QVariant(QByteArray("#ff00000")) << -1;
    QTest::newRow("eight binary bytes")
        << true << copy << int(ColorBytes)
        << QVariant(QByteArray("\xff\xff\x00\x00\x00\x00\xff\xff", 8)) << -1;
    QTest::newRow("empty colour payload")
        << true << copy << int(ColorBytes) << QVariant(QByteArray()) << -1;
    QTest::newRow("text only") << true << copy << int(TextOnly) << QVariant(QStringLiteral("red"))
                               << -1;
    QTest::newRow("no data at all") << true << copy << int(NoData) << QVariant() << -1;
}

// Entering, moving and dropping give the same answer; an accepted drop takes
// the colour in RGB and its code, a refused one leaves the peg as it was.
void tst_DestinationPeg::dropRules()
{
    QFETCH(bool, active);
    QFETCH(int, actions);
    QFETCH(int, payload);
    QFETCH(QVariant, value);
    QFETCH(int, code);
    const bool accepted = code >= 0;
    const auto offered = Qt::DropActions(actions);

    DestinationProbe peg(QPointF(0, 0), nullptr);
    peg.setColor(kHeld);
    peg.setActive(active);
    const std::unique_ptr<QMimeData> data = makeMimeData(payload, value);

    QCOMPARE(enter(peg, *data, offered), accepted);
    QCOMPARE(moveOver(peg, *data, offered), accepted);
    const int repaintsBefore = peg.repaints;
    QCOMPARE(drop(peg, *data, offered), accepted);
    if (accepted) {
        QCOMPARE(peg.cvalue(), code);
        QCOMPARE(peg.color().spec(), QColor::Rgb);
        QCOMPARE(peg.color().rgba64(), ColorCodes::colorOfCode(code).rgba64());
        QCOMPARE(peg.repaints, repaintsBefore + 1);
    } else {
        QCOMPARE(peg.color(), kHeld);
        QCOMPARE(peg.cvalue(), 0);
        QCOMPARE(peg.repaints, repaintsBefore);
    }
}

// A row committed while a drag hovers over one of its pegs (a shortcut
// pressed mid-drag) no longer takes the drop.
void tst_DestinationPeg::rowCommittedWhileDragHovers()
{
    DestinationProbe peg(QPointF(0, 0), nullptr);
    peg.setCValue(2);
    QMimeData red;
    red.setColorData(QColor::fromRgbF(1, 0, 0, 1));

    QVERIFY(enter(peg, red));
    peg.setActive(false);
    QVERIFY(!moveOver(peg, red));
    QVERIFY(!drop(peg, red));
    QCOMPARE(peg.cvalue(), 2);
    QCOMPARE(peg.color(), ColorCodes::colorOfCode(2));
}

// A colour can be picked up from any board peg, a committed row's included,
// and dropped on a peg of the active row; the source keeps its own.
void tst_DestinationPeg::boardPegToBoardPeg()
{
    DestinationProbe committed(QPointF(0, 0), nullptr);
    committed.setColor(QColor::fromRgbF(1, 1, 0, 1));
    committed.setActive(false);
    DestinationProbe target(QPointF(0, 0), nullptr);
    target.setCValue(1);

    QVERIFY(pressOn(committed, QPointF(24, 24)));
    QCOMPARE(committed.drags.size(), std::size_t{1});
    const QMimeData &yellow = *committed.drags.front().mimeData;
    QVERIFY(enter(target, yellow));
    QVERIFY(drop(target, yellow));
    QCOMPARE(target.cvalue(), 6);
    QCOMPARE(target.color(), committed.color());
    QCOMPARE(committed.cvalue(), 6);
    QVERIFY(!committed.isActive());

    // Onto itself, on the active row: nothing changes.
    QVERIFY(pressOn(target, QPointF(30, 20)));
    QCOMPARE(target.drags.size(), std::size_t{1});
    const QMimeData &own = *target.drags.front().mimeData;
    QVERIFY(enter(target, own));
    QVERIFY(drop(target, own));
    QCOMPARE(target.cvalue(), 6);
    QCOMPARE(target.color(), QColor::fromRgbF(1, 1, 0, 1));
}

void tst_DestinationPeg::frame_data()
{
    QTest::addColumn<bool>("active");
    QTest::newRow("active: four-unit raised border") << true;
    QTest::newRow("inactive: two-unit border") << false;
}

void tst_DestinationPeg::frame()
{
    QFETCH(bool, active);
    DestinationPeg peg(QPointF(0, 0), nullptr);
    peg.setCValue(4);
    peg.setActive(active);
    const QImage image = renderView(peg);

    const QColor white(Qt::white);
    const QColor black(Qt::black);
    for (int i : {0, 1}) {
        QCOMPARE(unitPixel(image, i, 24), white);
        QCOMPARE(unitPixel(image, 47 - i, 24), black);
        QCOMPARE(unitPixel(image, 24, i), black);
        QCOMPARE(unitPixel(image, 24, 47 - i), white);
    }
    for (int i : {2, 3}) {
        QCOMPARE(unitPixel(image, i, 24), active ? white : kUntouched);
        QCOMPARE(unitPixel(image, 47 - i, 24), active ? black : kUntouched);
        QCOMPARE(unitPixel(image, 24, i), active ? black : kUntouched);
        QCOMPARE(unitPixel(image, 24, 47 - i), active ? white : kUntouched);
    }
    QCOMPARE(unitPixel(image, 2, 2), active ? white : kUntouched); // left strip cut first
    QCOMPARE(unitPixel(image, 45, 45), active ? black : kUntouched);
    QCOMPARE(unitPixel(image, 4, 24), kUntouched);
    QCOMPARE(unitPixel(image, 24, 24), QColor(Qt::red));
}

void tst_DestinationPeg::paintedAsWithoutCache_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("active");
    QTest::addColumn<qreal>("devicePixelRatio");
    for (qreal ratio : {1.0, 2.0}) {
        for (bool active : {true, false}) {
            for (int code : {0, 1, 3, 4, 6}) {
                QTest::addRow("code %d, %s, device pixel ratio %g", code,
                              active ? "active" : "inactive", ratio)
                    << code << active << ratio;
            }
        }
    }
}

void tst_DestinationPeg::paintedAsWithoutCache()
{
    QFETCH(int, code);
    QFETCH(bool, active);
    QFETCH(qreal, devicePixelRatio);
    compareDirectAndCached([&] {
        DestinationPeg peg(QPointF(0, 0), nullptr);
        peg.setColor(ColorCodes::colorOfCode(code));
        peg.setActive(active);
        return renderView(peg, devicePixelRatio);
    });
}

QTEST_MAIN(tst_DestinationPeg)
#include "tst_destinationpeg.moc"
