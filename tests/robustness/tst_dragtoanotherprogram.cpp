// A real drag from the game's palette to another program on the same X
// server, which reports what it was offered: the XDND action list and
// position actions (copy only), the colour, and the drag image the game shows
// under the pointer, read off the screen, with its hot spot.

#include "GameBesideHelper.h"
#include "dnd/SourcePeg.h"
#include "rules/ColorCode.h"
#include "support/FailOnWarnings.h"
#include "support/GameDriver.h"

#include <QScopeGuard>
#include <QTest>
#include <map>

using namespace e2e;

namespace
{

const QPoint kReceiverAt(900, 400);

// Runs `xdotool` with each argument list in turn; false at the first failure.
bool xdotoolSteps(const QList<QStringList> &steps)
{
    for (const QStringList &step : steps) {
        if (!xdotool(step))
            return false;
        e2e::pause();
    }
    return true;
}

QStringList moveTo(QPoint at)
{
    return {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())};
}

} // namespace

class TestDragToAnotherProgram : public FailOnWarnings
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void offersACopyWithTheDragImage_data();
    void offersACopyWithTheDragImage();

private:
    GameBesideHelper m_game;
};

void TestDragToAnotherProgram::initTestCase()
{
    m_game.start();
}

void TestDragToAnotherProgram::cleanupTestCase()
{
    m_game.quit();
}

void TestDragToAnotherProgram::offersACopyWithTheDragImage_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QPoint>("pressInPeg"); // y down, from the peg's top-left corner
    QTest::addColumn<QString>("colorName");
    QTest::newRow("magenta, pressed left of and below the centre")
        << 5 << QPoint(20, 27) << "#ffff00ff";
    QTest::newRow("cyan, pressed right of and above the centre")
        << 3 << QPoint(33, 15) << "#ff00ffff";
}

void TestDragToAnotherProgram::offersACopyWithTheDragImage()
{
    QFETCH(int, code);
    QFETCH(QPoint, pressInPeg);
    QFETCH(QString, colorName);

    QProcess receiver;
    receiver.start(kHelper, {QStringLiteral("--receive"), QString::number(kReceiverAt.x()),
                             QString::number(kReceiverAt.y())});
    QVERIFY(receiver.waitForStarted(kWaitMs));
    const auto cleanUp = qScopeGuard([&] {
        xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
        if (!receiver.waitForFinished(kWaitMs)) {
            receiver.kill();
            receiver.waitForFinished(kWaitMs);
        }
    });
    QByteArray output;
    const auto readUntil = [&](const QByteArray &line) {
        return pollUntil([&] {
                   receiver.waitForReadyRead(25);
                   output += receiver.readAllStandardOutput();
                   return output.contains(line) || receiver.state() == QProcess::NotRunning;
               }) &&
               output.contains(line);
    };
    QVERIFY2(readUntil("ready\n"), receiver.readAllStandardError().constData());

    // Press on the palette peg, carry the colour over the receiver in steps
    // and rest there until it has read what it is offered; then drop.
    const QRect palette = windowGeometry(m_game.palette).value_or(QRect());
    const QPoint press = palettePeg(palette, code) + pressInPeg;
    const QPoint over = kReceiverAt + QPoint(100, 100);
    QList<QStringList> steps = {moveTo(press), {QStringLiteral("mousedown"), QStringLiteral("1")}};
    for (int step = 1; step <= 8; ++step)
        steps << moveTo(press + (over - press) * step / 8);
    QVERIFY(xdotoolSteps(steps));
    QVERIFY2(readUntil("offer end"), output.constData());
    QVERIFY(xdotool({QStringLiteral("mouseup"), QStringLiteral("1")}));
    QVERIFY2(readUntil("drop color"), output.constData());

    std::map<QByteArray, QByteArray> seen;
    // "offer <key> <value>" or "drop <key> <value>"
    for (const QByteArray &line : output.split('\n')) {
        const qsizetype keyEnd = line.indexOf(' ', line.indexOf(' ') + 1);
        if (keyEnd > 0 && (line.startsWith("offer ") || line.startsWith("drop ")))
            seen[line.left(keyEnd)] = line.mid(keyEnd + 1);
    }
    const auto said = [&](const char *key) { return QString::fromUtf8(seen[key]); };

    // Copy is the one action offered, both on the source's window and in
    // every position message, and Qt on the other side makes only a copy of it.
    for (const char *prefix : {"offer", "drop"}) {
        const QByteArray at(prefix);
        QCOMPARE(said(at + " xdnd-action-list"), QStringLiteral("XdndActionCopy"));
        QCOMPARE(said(at + " xdnd-position-action"), QStringLiteral("XdndActionCopy"));
        QCOMPARE(said(at + " qt-possible-actions"), QStringLiteral("copy"));
        QCOMPARE(said(at + " qt-proposed-action"), QStringLiteral("copy"));
        QVERIFY2(said(at + " types").split(u',').contains(QStringLiteral("application/x-color")),
                 qPrintable(said(at + " types")));
        QCOMPARE(said(at + " color"), colorName);
    }

    // The image: 24 x 24, its top-left corner at the pointer less the hot
    // spot, which is the press point less (12, 12), so that the image sits
    // over (12, 12) to (36, 36) of the peg when the drag starts.
    const QStringList frame = said("offer icon-frame").split(u' ');
    QCOMPARE(frame.size(), 4);
    const QRect iconFrame(frame[0].toInt(), frame[1].toInt(), frame[2].toInt(), frame[3].toInt());
    const QStringList pointer = said("offer pointer").split(u' ');
    QCOMPARE(pointer.size(), 2);
    QCOMPARE(pointer[0].toInt(), over.x());
    QCOMPARE(pointer[1].toInt(), over.y());
    QCOMPARE(iconFrame.size(), QSize(24, 24));
    QCOMPARE(over - iconFrame.topLeft(), pressInPeg - QPoint(12, 12));

    // Every opaque pixel of the image is on the screen as it is in the image.
    SourcePeg reference(QPointF(0, 0));
    const rules::ColorComponents parts = rules::componentsOfCode(code);
    const float components[3] = {parts.red, parts.green, parts.blue};
    reference.makeDragImageForColor(code, components);
    const QImage image = SourcePeg::dragImages[std::size_t(code)];
    const QByteArray shown = QByteArray::fromHex(seen["offer icon-rgb"]);
    QCOMPARE(shown.size(), qsizetype(24 * 24 * 3));
    int opaque = 0;
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 24; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) != 255)
                continue;
            ++opaque;
            const char *at = shown.constData() + 3 * (24 * y + x);
            const QRgb onScreen = qRgb(uchar(at[0]), uchar(at[1]), uchar(at[2]));
            QVERIFY2(onScreen == (pixel | 0xff000000),
                     qPrintable(QStringLiteral("pixel (%1, %2): %3 on the screen, %4 in the image")
                                    .arg(x)
                                    .arg(y)
                                    .arg(onScreen, 8, 16)
                                    .arg(pixel, 8, 16)));
        }
    }
    // The disc and the ring.
    QCOMPARE(opaque, 305 + 132);
}

QTEST_MAIN(TestDragToAnotherProgram)
#include "tst_dragtoanotherprogram.moc"
