// Another program on the same X server drags hostile payloads onto an active
// peg of the running game: every one is refused, the board does not change,
// and the game still answers. Two well-formed colours go first, to show that
// the helper's drags do reach the peg and would change it.

#include "GameBesideHelper.h"
#include "support/FailOnWarnings.h"
#include "support/GameDriver.h"

#include <QTest>

using namespace e2e;

namespace
{

const QPoint kHelperAt(1000, 100);

// What the helper reported about one drag.
struct DragOutcome {
    bool finished = false;     // the target answered the drop
    bool notDropped = false;   // Qt's drag source gave up without a drop
    bool dropAccepted = false; // ... and took it
    bool everAccepted = false; // some answer during the drag offered to take it
    QString transcript;
};

} // namespace

class TestHostileDrags : public FailOnWarnings
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void wellFormedColoursArrive_data();
    void wellFormedColoursArrive();
    void hostilePayloadsAreRefused_data();
    void hostilePayloadsAreRefused();
    void gameStillAnswers();

private:
    // Starts the helper with `payload` and drags from it onto `target` with
    // real pointer events.
    DragOutcome dragFromHelper(const QString &payload, QPoint target);

    GameBesideHelper m_game;
    QRect m_boardRect;
    BoardLayout m_layout;
};

void TestHostileDrags::initTestCase()
{
    m_game.start();
    if (QTest::currentTestFailed())
        return;
    m_boardRect = windowGeometry(m_game.board).value_or(QRect());
    std::optional<BoardLayout> found;
    QVERIFY(
        pollUntil([&] { return (found = locateBoard(screenshot(), m_boardRect)).has_value(); }));
    m_layout = *found;
    QCOMPARE(activeRow(screenshot(), m_layout), 7);
}

void TestHostileDrags::cleanupTestCase()
{
    m_game.quit();
}

DragOutcome TestHostileDrags::dragFromHelper(const QString &payload, QPoint target)
{
    DragOutcome outcome;
    QProcess helper;
    helper.start(kHelper,
                 {payload, QString::number(kHelperAt.x()), QString::number(kHelperAt.y())});
    if (!helper.waitForStarted(kWaitMs))
        return outcome;
    QByteArray output;
    pollUntil([&] {
        helper.waitForReadyRead(25);
        output += helper.readAllStandardOutput();
        return output.contains("ready\n") || helper.state() == QProcess::NotRunning;
    });
    if (!output.contains("ready\n")) {
        outcome.transcript = QString::fromLocal8Bit(output + helper.readAllStandardError());
        return outcome;
    }
    drag(kHelperAt + QPoint(50, 50), target);
    if (!helper.waitForFinished(kWaitMs * 2)) {
        helper.kill();
        helper.waitForFinished(kWaitMs);
    }
    output += helper.readAllStandardOutput();
    outcome.transcript = QString::fromLocal8Bit(output + helper.readAllStandardError());
    for (const QByteArray &line : output.split('\n')) {
        if (line.startsWith("finished accepted=")) {
            outcome.finished = true;
            outcome.dropAccepted = line.endsWith("=1");
        } else if (line == "not dropped") {
            outcome.notDropped = true;
        } else if (line == "status accepted=1") {
            outcome.everAccepted = true;
        }
    }
    return outcome;
}

void TestHostileDrags::wellFormedColoursArrive_data()
{
    QTest::addColumn<QString>("payload");
    QTest::addColumn<int>("code");
    // A colour of another model is sent as RGB: when that is exactly one of
    // the six, it is that colour.
    QTest::newRow("#0000ff, as Qt 6 sends blue") << "raw #0000ff" << 1;
    QTest::newRow("blue in four 16-bit values, as X programs send it") << "raw 16-bit blue" << 1;
    QTest::newRow("blue from a Qt program") << "qt blue" << 1;
    QTest::newRow("red of the HSV model from a Qt program") << "qt HSV red" << 4;
    QTest::newRow("yellow of the CMYK model from a Qt program") << "qt CMYK yellow" << 6;
}

void TestHostileDrags::wellFormedColoursArrive()
{
    QFETCH(QString, payload);
    QFETCH(int, code);

    const QPoint peg = m_layout.peg(7, 1);
    QCOMPARE(codeAt(screenshot(), peg), 0);
    const DragOutcome outcome = dragFromHelper(payload, BoardLayout::centre(peg));
    QVERIFY2(outcome.finished && outcome.dropAccepted, qPrintable(outcome.transcript));
    QVERIFY(pollUntil([&] { return codeAt(screenshot(), peg) == code; }));

    // A new game clears the board for the next drag.
    QVERIFY(typeInto(m_game.palette, QStringLiteral("ctrl+n")));
    QVERIFY(pollUntil([&] { return codeAt(screenshot(), peg) == 0; }));
}

void TestHostileDrags::hostilePayloadsAreRefused_data()
{
    QTest::addColumn<QString>("payload");
    for (const char *payload : {
             "raw no colour type",
             "raw colour of 0 bytes",
             "raw colour of 1 byte",
             "raw colour of 7 bytes",
             "raw colour of 9 bytes",
             "raw colour of 1 MiB",
             "raw colour of 7 bytes: #0000fe",
             "raw colour of 9 bytes: #800000ff",
             "raw translucent 16-bit blue",
             "raw nearly 16-bit blue",
             "raw 16-bit white",
             "raw text",
             "qt HSV, dark red",
             "qt CMYK, pale yellow",
             "qt HSL, dark green",
             "qt translucent cyan",
             "qt out-of-range colour",
             "qt text",
         })
        QTest::newRow(payload) << QString::fromLatin1(payload);
}

void TestHostileDrags::hostilePayloadsAreRefused()
{
    QFETCH(QString, payload);

    const QImage before = screenshot();
    const QPoint peg = m_layout.peg(7, 2);
    const DragOutcome outcome = dragFromHelper(payload, BoardLayout::centre(peg));
    // The helper's own source drops whatever the answers were; Qt's leaves.
    QVERIFY2(payload.startsWith(QLatin1String("raw ")) ? outcome.finished : outcome.notDropped,
             qPrintable(outcome.transcript));
    QVERIFY2(!outcome.dropAccepted, qPrintable(outcome.transcript));
    QVERIFY2(!outcome.everAccepted, qPrintable(outcome.transcript));

    QVERIFY2(m_game.run->alive(), qPrintable(m_game.run->output()));
    // The drop has been answered, and a taken colour repaints the peg at once;
    // the board stays pixel for pixel as it was.
    const QImage after = screenshot();
    QCOMPARE(codesAt(after, m_layout, 7), (rules::Combination{0, 0, 0, 0}));
    QCOMPARE(activeRow(after, m_layout), 7);
    QVERIFY(after.copy(m_boardRect) == before.copy(m_boardRect));
}

void TestHostileDrags::gameStillAnswers()
{
    QVERIFY(typeInto(m_game.palette, QStringLiteral("ctrl+shift+n")));
    QVERIFY(pollUntil([&] {
        return windowName(m_game.board) == QStringLiteral("Hueriddle (without replacement)");
    }));
    QVERIFY(typeInto(m_game.palette, QStringLiteral("ctrl+n")));
    QVERIFY(pollUntil([&] {
        return windowName(m_game.board) == QStringLiteral("Hueriddle (with replacement)");
    }));
}

QTEST_MAIN(TestHostileDrags)
#include "tst_hostiledrags.moc"
