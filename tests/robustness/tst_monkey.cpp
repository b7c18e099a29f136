// A monkey at the real program: thousands of random real input events on a
// real X server (presses, clicks and drags between any points of both windows,
// the game's shortcuts and keys, Enter and Escape on alerts), sent through
// xdotool in batches. Every batch the program must still be running, and at
// intervals it must still answer: a new game of the other variant changes the
// board window's title. Then Ctrl+Q ends it with status 0, and the next start
// finds both windows where the settings it wrote put them.
//
// The seed is printed; HUERIDDLE_MONKEY_SEED=<seed> replays the same events.

#include "support/FailOnWarnings.h"
#include "support/GameDriver.h"
#include "support/TestSeed.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>
#include <random>

using namespace e2e;

namespace
{

constexpr int kEvents = 3000;
constexpr int kBatch = 100;
constexpr int kBatchesBetweenChecks = 5;
// The events stop here even when fewer have been sent, so that a slow
// machine or a sanitizer build still ends in time.
constexpr qint64 kEventTimeMs = 90000;
// Fewer events than this prove too little: the run fails instead of passing
// on whatever a loaded machine managed to send.
constexpr int kMinimumEvents = 1000;

// Keys that do not end the program: the game's shortcuts, the keys of play
// from the keyboard, and the keys that answer alerts, each as often as it
// stands here. New games are rare, so that games get far.
const QStringList kKeys = {
    "ctrl+n",    "ctrl+shift+n",
    "ctrl+h",    "ctrl+question",
    "space",     "Tab",
    "ctrl+c",    "ctrl+c",
    "ctrl+c",    "ctrl+c",
    "ctrl+c",    "ctrl+c",
    "Return",    "Return",
    "Return",    "Escape",
    "Escape",    "Escape",
    "1",         "2",
    "3",         "4",
    "5",         "6",
    "1",         "2",
    "3",         "4",
    "5",         "6",
    "BackSpace", "BackSpace",
};

class Monkey
{
public:
    Monkey(quint64 seed, const QRect &board, const QRect &palette)
        : m_random(seed), m_board(board), m_palette(palette)
    {
        const QRect quit = menuBarTitleRect(QStringLiteral("Quit"), board.width());
        m_avoid = quit.translated(board.topLeft()).adjusted(-8, -8, 8, 8);
        const QRect game = menuBarTitleRect(QStringLiteral("Game"), board.width());
        m_gameTitle = game.translated(board.topLeft());
        m_desktop = board.united(palette).adjusted(-40, -40, 40, 40);
    }

    // One random event as lines of an xdotool script.
    QStringList nextEvent()
    {
        const int kind = pick(100);
        if (kind < 35)
            return dragEvent();
        if (kind < 50)
            return clickEvent();
        if (kind < 57)
            return menuEvent();
        if (kind < 65)
            return {QStringLiteral("windowfocus %1").arg(pick(2) ? m_boardId : m_paletteId)};
        return {QStringLiteral("key --delay 4 %1").arg(kKeys[pick(kKeys.size())])};
    }

    void setWindows(const QString &board, const QString &palette)
    {
        m_boardId = board;
        m_paletteId = palette;
    }

private:
    int pick(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(m_random); }

    QPoint pointIn(const QRect &rect)
    {
        return QPoint(rect.left() + pick(rect.width()), rect.top() + pick(rect.height()));
    }

    // Mostly inside a window, sometimes on the desktop around them; never on
    // "Quit", which would end the run.
    QPoint anyPoint()
    {
        for (;;) {
            const int where = pick(10);
            const QPoint point = pointIn(where < 6 ? m_board : where < 9 ? m_palette : m_desktop);
            if (!m_avoid.contains(point) && point.x() >= 0 && point.y() >= 0)
                return point;
        }
    }

    static QString move(QPoint at)
    {
        return QStringLiteral("mousemove %1 %2").arg(at.x()).arg(at.y());
    }

    // xdotool's own "click" waits a tenth of a second; a press and a release
    // are as real and much quicker.
    static QStringList click(int button)
    {
        return {QStringLiteral("mousedown %1").arg(button), QStringLiteral("sleep 0.005"),
                QStringLiteral("mouseup %1").arg(button)};
    }

    QStringList clickEvent()
    {
        const QPoint at = anyPoint();
        return QStringList{move(at)} + click(pick(6) == 0 ? 3 : 1);
    }

    // Press, a few moves on the way and the release; the way avoids "Quit"
    // too, since a release there with a menu open would choose it.
    QStringList dragEvent()
    {
        for (;;) {
            const QPoint from = anyPoint();
            const QPoint to = anyPoint();
            const int steps = 2 + pick(4);
            QStringList lines = {move(from), QStringLiteral("mousedown 1")};
            bool clear = true;
            for (int step = 1; step <= steps && clear; ++step) {
                const QPoint at = from + (to - from) * step / steps;
                clear = !m_avoid.contains(at);
                lines << QStringLiteral("sleep 0.005") << move(at);
            }
            if (!clear)
                continue;
            lines << QStringLiteral("sleep 0.005") << QStringLiteral("mouseup 1");
            return lines;
        }
    }

    // Opens the "Game" menu and clicks somewhere below its title, where its
    // items (and "Move") are.
    QStringList menuEvent()
    {
        const QPoint title = pointIn(m_gameTitle);
        const QPoint item = m_gameTitle.bottomLeft() + QPoint(pick(160), 4 + pick(90));
        return QStringList{move(title)} + click(1) +
               QStringList{QStringLiteral("sleep 0.05"), move(item)} + click(1);
    }

    std::mt19937_64 m_random;
    QRect m_board;
    QRect m_palette;
    QRect m_avoid;
    QRect m_gameTitle;
    QRect m_desktop;
    QString m_boardId;
    QString m_paletteId;
};

// Runs `lines` as one xdotool script; false when it failed or hung.
bool runScript(const QStringList &lines)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), {QStringLiteral("-")});
    if (!process.waitForStarted(kWaitMs))
        return false;
    process.write(lines.join(u'\n').toLocal8Bit() + '\n');
    process.closeWriteChannel();
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished(kWaitMs);
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

} // namespace

class TestMonkey : public FailOnWarnings
{
    Q_OBJECT

private slots:
    void initTestCase();
    void randomInputThenQuitAndRestart();

private:
    // Closes menus and answers every alert, then makes a new game of the
    // other variant and waits for the title to show it. Empty when the
    // program answered, what went wrong otherwise.
    QString checkResponsive(ProgramRun &run, const QString &board);
};

void TestMonkey::initTestCase()
{
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty(),
             "xdotool is needed (scripts/install-deps.sh installs it)");
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QVERIFY(QFileInfo(kProgram).isExecutable());
}

QString TestMonkey::checkResponsive(ProgramRun &run, const QString &board)
{
    if (!run.alive())
        return QStringLiteral("the program ended: ") + run.output();
    // A button left down by nothing, open menus and the windows of "Info"
    // and "Help" are put away; every alert is answered.
    runScript({QStringLiteral("mouseup 1"), QStringLiteral("key Escape"),
               QStringLiteral("sleep 0.05"), QStringLiteral("key Escape")});
    for (int alerts = 0; alerts < 10; ++alerts) {
        std::optional<QString> alert;
        pollUntil([&] { return (alert = run.findWindow(kAlert + u'|' + kGameEnd)).has_value(); },
                  300);
        if (!alert)
            break;
        if (answerAlert(run, kAlert + u'|' + kGameEnd).isEmpty())
            return QStringLiteral("an alert was not answered");
    }
    const QString title = windowName(board).value_or(QString());
    const bool withReplacement = title == QStringLiteral("Hueriddle (with replacement)");
    if (!typeInto(board,
                  withReplacement ? QStringLiteral("ctrl+shift+n") : QStringLiteral("ctrl+n")))
        return QStringLiteral("xdotool could not type into the board window");
    const QString expected = withReplacement ? QStringLiteral("Hueriddle (without replacement)")
                                             : QStringLiteral("Hueriddle (with replacement)");
    if (!pollUntil([&] { return windowName(board) == expected; }))
        return QStringLiteral("no new game: the title stayed \"%1\"").arg(title);
    return QString();
}

void TestMonkey::randomInputThenQuitAndRestart()
{
    const quint64 used = testSeed("tst_monkey", "HUERIDDLE_MONKEY_SEED");
    std::mt19937_64 placement(used);

    QTemporaryDir config;
    ProgramRun run(kProgram, config.path());
    const std::optional<QString> board = run.waitForWindow(kWithReplacement);
    const std::optional<QString> palette = run.waitForWindow(kPaletteTitle);
    QVERIFY2(board && palette, qPrintable(run.output()));

    // Windows side by side at places of the seed's choosing, so that the
    // saved frames differ from a first run's.
    const auto coordinate = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(placement);
    };
    QVERIFY(moveWindow(*board, QPoint(coordinate(0, 300), coordinate(0, 200))));
    const QRect boardRect = windowGeometry(*board).value_or(QRect());
    QVERIFY(
        moveWindow(*palette, QPoint(boardRect.right() + coordinate(20, 300), coordinate(0, 600))));
    const QRect paletteRect = windowGeometry(*palette).value_or(QRect());
    QVERIFY(boardRect.isValid() && paletteRect.isValid());

    Monkey monkey(used, boardRect, paletteRect);
    monkey.setWindows(*board, *palette);
    QElapsedTimer clock;
    clock.start();
    int sent = 0;
    for (int batch = 0; sent < kEvents && clock.elapsed() < kEventTimeMs; ++batch) {
        QStringList script;
        for (int i = 0; i < kBatch; ++i) {
            script << monkey.nextEvent() << QStringLiteral("sleep 0.004");
        }
        QVERIFY2(runScript(script), "xdotool failed on a batch of events");
        sent += kBatch;
        // The help and info windows cover the board; a player closes them
        // again.
        for (const QString &title :
             {QStringLiteral("^Hueriddle Help$"), QStringLiteral("^Info Panel$")})
            if (const std::optional<QString> window = run.findWindow(title))
                typeInto(*window, QStringLiteral("Escape"));
        QVERIFY2(run.alive(), qPrintable(QStringLiteral("the program ended after %1 events: %2")
                                             .arg(sent)
                                             .arg(run.output())));
        if ((batch + 1) % kBatchesBetweenChecks == 0) {
            const QString failure = checkResponsive(run, *board);
            QVERIFY2(failure.isEmpty(),
                     qPrintable(QStringLiteral("after %1 events: %2").arg(sent).arg(failure)));
        }
    }
    qInfo("%d random events in %lld ms", sent, clock.elapsed());
    QVERIFY2(sent >= kMinimumEvents,
             qPrintable(QStringLiteral("only %1 events were sent in %2 ms, at least %3 are needed")
                            .arg(sent)
                            .arg(clock.elapsed())
                            .arg(kMinimumEvents)));
    const QString failure = checkResponsive(run, *board);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));

    // Nothing moved the windows; Ctrl+Q ends the program with status 0, and
    // the settings hold where they are.
    const QPoint boardAt = windowGeometry(*board).value_or(QRect()).topLeft();
    const QPoint paletteAt = windowGeometry(*palette).value_or(QRect()).topLeft();
    const QString quitFailure = quitWithCtrlQ(run, *board);
    QVERIFY2(quitFailure.isEmpty(), qPrintable(quitFailure));
    QCOMPARE(savedPosition(run.settingsFile(), QStringLiteral("HueRiddlesMain")),
             std::optional(boardAt));
    QCOMPARE(savedPosition(run.settingsFile(), QStringLiteral("HueRiddlesPalette")),
             std::optional(paletteAt));

    ProgramRun next(kProgram, config.path());
    const std::optional<QString> nextBoard = next.waitForWindow(kWithReplacement);
    const std::optional<QString> nextPalette = next.waitForWindow(kPaletteTitle);
    QVERIFY2(nextBoard && nextPalette, qPrintable(next.output()));
    QCOMPARE(windowGeometry(*nextBoard).value_or(QRect()).topLeft(), boardAt);
    QCOMPARE(windowGeometry(*nextPalette).value_or(QRect()).topLeft(), paletteAt);
    const QString nextQuit = quitWithCtrlQ(next, *nextPalette);
    QVERIFY2(nextQuit.isEmpty(), qPrintable(nextQuit));
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
