// The real program under the openbox window manager, on private X servers
// that this test starts: where the decorated windows go on the screens
// players have, how they come back, that the palette stays above the board,
// Hide, the dialogs within the screen, and the alerts' titles.

#include "FrameProbe.h"
#include "GameRun.h"
#include "OpenboxDesktop.h"
#include "support/FailOnWarnings.h"
#include "support/GameDriver.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <cstdio>

using namespace e2e;
using namespace desktops;

namespace
{

// What the player does with the palette over the board.
enum class Gesture { MenuBar, BoardPeg, Palette, GameEnd };

// While it lives, the programs this test starts (the game, xdotool, xprop)
// use the X display `display`.
class DisplayInUse
{
public:
    explicit DisplayInUse(const QString &display) : m_previous(qgetenv("DISPLAY"))
    {
        qputenv("DISPLAY", display.toLocal8Bit());
    }
    ~DisplayInUse() { qputenv("DISPLAY", m_previous); }
    DisplayInUse(const DisplayInUse &) = delete;
    DisplayInUse &operator=(const DisplayInUse &) = delete;

private:
    QByteArray m_previous;
};

QRect screenArea()
{
    return QGuiApplication::primaryScreen()->geometry();
}

// Whether the title bar and the menu bar below it lie on the screen: the
// frame's top-left corner is on it.
bool titleBarOnScreen(const QRect &frame)
{
    return screenArea().contains(frame.topLeft()) && frame.top() >= screenArea().top() &&
           frame.left() >= screenArea().left();
}

// The strip of `shot` that holds the title bar of `frame`, whose decorations
// have `extents`.
QImage titleBar(const QImage &shot, const QRect &frame, const QMargins &extents)
{
    return shot.copy(frame.left(), frame.top(), frame.width(), extents.top());
}

// Whether `needle` appears in `haystack` at some column, at the same rows.
bool containsAtSomeColumn(const QImage &haystack, const QImage &needle, int top)
{
    for (int x = 0; x + needle.width() <= haystack.width(); ++x) {
        bool same = true;
        for (int y = 0; y < needle.height() && same; ++y)
            for (int i = 0; i < needle.width() && same; ++i)
                same = haystack.pixel(x + i, top + y) == needle.pixel(i, y);
        if (same)
            return true;
    }
    return false;
}

} // namespace

Q_DECLARE_METATYPE(Gesture)

class TestOpenbox : public FailOnWarnings
{
    Q_OBJECT

private slots:
    void initTestCase();
    void firstRunOnPlayersScreens_data();
    void firstRunOnPlayersScreens();
    void oneProgramWithItsIcon();
    void paletteStaysAbove_data();
    void paletteStaysAbove();
    void movedWindowsRestoredExactly();
    void scaleFactorTwoThenOne();
    void hideThenRestore_data();
    void hideThenRestore();
    void alertTitleShown();
    void secondStartBringsTheFirstForward_data();
    void secondStartBringsTheFirstForward();
};

void TestOpenbox::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QVERIFY(QFileInfo(kProgram).isExecutable());
    for (const char *tool : {"xdotool", "xprop", "xwininfo", "wmctrl"})
        QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty(), tool);
}

void TestOpenbox::firstRunOnPlayersScreens_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QString>("scale");
    QTest::newRow("1366 x 768") << QSize(1366, 768) << QString();
    QTest::newRow("1366 x 768 at scale 2, the board taller than the screen")
        << QSize(1366, 768) << QStringLiteral("2");
    QTest::newRow("1920 x 1080") << QSize(1920, 1080) << QString();
    QTest::newRow("1920 x 1080 at scale 2, the board taller than the screen")
        << QSize(1920, 1080) << QStringLiteral("2");
}

void TestOpenbox::firstRunOnPlayersScreens()
{
    QFETCH(QSize, screen);
    QFETCH(QString, scale);

    OpenboxDesktop desktop(screen);
    QVERIFY2(desktop.failure().isEmpty(), qPrintable(desktop.failure()));
    const DisplayInUse inUse(desktop.display());
    const QRect area(QPoint(0, 0), screen);

    QTemporaryDir config;
    GameRun run(config.path(), scaled({}, scale));
    const std::optional<GameWindows> windows = run.framedWindows();
    QVERIFY2(windows, qPrintable(run.output()));

    // Help opens wholly on the screen, its Close button with it.
    QVERIFY(typeInto(windows->palette, QStringLiteral("ctrl+question")));
    const std::optional<QString> help = run.waitForWindow(QStringLiteral("^Hueriddle Help$"));
    QVERIFY2(help, qPrintable(run.output()));
    QVERIFY(pollUntil([&] { return frameOf(*help).has_value(); }));
    QTest::qWait(300);
    QVERIFY2(area.contains(*frameOf(*help)), qPrintable(describe(frameOf(*help))));
    QVERIFY(typeInto(*help, QStringLiteral("Escape")));
    QVERIFY(pollUntil([&] { return !run.findWindow(QStringLiteral("^Hueriddle Help$")); }));

    // Scaled, the program places its windows in units of `scale` pixels, so
    // a border one pixel wide can leave a frame that far from where it goes.
    const int slack = scale.isEmpty() ? 0 : scale.toInt() - 1;
    auto near = [&](int value, int expected) { return std::abs(value - expected) <= slack; };
    auto sideBySide = [&] {
        const std::optional<QRect> board = frameOf(windows->board);
        const std::optional<QRect> palette = frameOf(windows->palette);
        // Between the frames, at most the slack of the board's right border
        // and of the palette's left one.
        const int gap = board && palette ? palette->left() - (board->right() + 1) : -1;
        return board && palette && near(board->left(), area.left()) && gap >= 0 &&
               gap <= 2 * slack &&
               near(palette->bottom(), std::min(board->bottom(), area.bottom()));
    };
    // The board's frame in the lower-left corner (its title bar at the top
    // where it is taller than the screen), the palette's frame right of it,
    // the bottoms aligned, wholly on the screen.
    QVERIFY2(pollUntil(sideBySide), qPrintable(QStringLiteral("board %1, palette %2")
                                                   .arg(describe(frameOf(windows->board)),
                                                        describe(frameOf(windows->palette)))));
    const QRect board = *frameOf(windows->board);
    const QRect palette = *frameOf(windows->palette);
    QVERIFY2(area.contains(palette), qPrintable(describe(palette)));
    QVERIFY2(!board.intersects(palette), qPrintable(describe(board) + u' ' + describe(palette)));
    if (board.height() <= area.height())
        QVERIFY2(near(board.bottom(), area.bottom()) && area.contains(board),
                 qPrintable(describe(board)));
    else
        QVERIFY2(near(board.top(), area.top()), qPrintable(describe(board)));
    QVERIFY2(stackedAbove(windows->palette, windows->board),
             qPrintable(stackingOrder().join(u' ')));

    run.quit(windows->palette);
}

void TestOpenbox::oneProgramWithItsIcon()
{
    QTemporaryDir config;
    GameRun run(config.path());
    const std::optional<GameWindows> windows = run.framedWindows();
    QVERIFY2(windows, qPrintable(run.output()));

    // The palette is the board's utility window, so that window managers
    // keep it above the board and list the game once.
    QVERIFY2(propertyOf(windows->palette, "_NET_WM_WINDOW_TYPE")
                 .contains(QStringLiteral("_NET_WM_WINDOW_TYPE_UTILITY")),
             qPrintable(propertyOf(windows->palette, "_NET_WM_WINDOW_TYPE")));
    QCOMPARE(transientFor(windows->palette), windows->board);
    QCOMPARE(transientFor(windows->board), QString());
    for (const QString &window : {windows->board, windows->palette}) {
        QVERIFY2(hasIcon(window), qPrintable(window));
        QVERIFY2(propertyOf(window, "_NET_WM_ALLOWED_ACTIONS")
                     .contains(QStringLiteral("_NET_WM_ACTION_MINIMIZE")),
                 qPrintable(propertyOf(window, "_NET_WM_ALLOWED_ACTIONS")));
    }
    run.quit(windows->palette);
}

void TestOpenbox::paletteStaysAbove_data()
{
    QTest::addColumn<Gesture>("gesture");
    QTest::newRow("a click on the board's menu bar") << Gesture::MenuBar;
    QTest::newRow("a click on a peg of the board") << Gesture::BoardPeg;
    QTest::newRow("a click on the palette") << Gesture::Palette;
    QTest::newRow("an end-of-game alert, then a new game") << Gesture::GameEnd;
}

void TestOpenbox::paletteStaysAbove()
{
    QFETCH(Gesture, gesture);

    QTemporaryDir config;
    GameRun run(config.path());
    const std::optional<GameWindows> windows = run.framedWindows();
    QVERIFY2(windows, qPrintable(run.output()));
    // The player has moved the palette over the board's lower-left corner,
    // where it covers the answer row.
    const QRect boardInside = *insideOf(windows->board);
    const QRect paletteInside = *insideOf(windows->palette);
    QVERIFY(moveInside(windows->palette, boardInside.topRight() + QPoint(40, 0)));
    QTest::qWait(300);
    const std::optional<BoardLayout> layout = locateBoard(screenshot(), boardInside);
    QVERIFY(layout);
    QVERIFY(
        moveInside(windows->palette, QPoint(boardInside.left() + 40,
                                            boardInside.bottom() - paletteInside.height() - 40)));
    const QRect palette = *insideOf(windows->palette);
    QVERIFY(pollUntil([&] { return stackedAbove(windows->palette, windows->board); }));

    switch (gesture) {
    case Gesture::MenuBar: {
        const QStringList before = run.visibleWindows();
        QVERIFY(click(boardInside.topLeft() +
                      menuBarTitleCentre(QStringLiteral("Game"), boardInside.width())));
        QVERIFY2(pollUntil([&] { return run.visibleWindows().size() > before.size(); }),
                 "the Game menu did not open");
        QVERIFY(xdotool({"key", "Escape"}));
        QVERIFY(pollUntil([&] { return run.visibleWindows().size() == before.size(); }));
        break;
    }
    case Gesture::BoardPeg:
        QVERIFY(click(BoardLayout::centre(layout->peg(rules::kRows - 1, 2))));
        break;
    case Gesture::Palette:
        QVERIFY(click(palettePeg(palette, 1) + QPoint(24, 24)));
        break;
    case Gesture::GameEnd: {
        for (int row = 0; row < rules::kRows && !run.findWindow(kGameEnd); ++row) {
            QVERIFY(typeInto(windows->palette, QStringLiteral("1")));
            QVERIFY(xdotool({"key", "2", "3", "4", "ctrl+c"}));
            e2e::pause();
        }
        const std::optional<QString> alert = run.waitForWindow(kGameEnd);
        QVERIFY(alert);
        QVERIFY(pollUntil([&] { return frameOf(*alert).has_value(); }));
        // Above both windows, centred on the board.
        QVERIFY2(pollUntil([&] {
                     return stackedAbove(*alert, windows->palette) &&
                            stackedAbove(*alert, windows->board);
                 }),
                 qPrintable(stackingOrder().join(u' ')));
        const QPoint offCentre = frameOf(*alert)->center() - frameOf(windows->board)->center();
        QVERIFY2(offCentre.manhattanLength() <= 24,
                 qPrintable(describe(frameOf(*alert)) + u' ' + describe(frameOf(windows->board))));
        QVERIFY(typeInto(*alert, QStringLiteral("Return")));
        QVERIFY(pollUntil([&] { return !run.visibleWindows().contains(*alert); }));
        QVERIFY(typeInto(windows->board, QStringLiteral("ctrl+n")));
        break;
    }
    }
    QTest::qWait(300);
    QVERIFY2(shownNormal(windows->board) && shownNormal(windows->palette), "a window was hidden");
    QVERIFY2(stackedAbove(windows->palette, windows->board),
             qPrintable(QStringLiteral("stacking from the bottom: %1; board %2, palette %3")
                            .arg(stackingOrder().join(u' '), windows->board, windows->palette)));
    run.quit(windows->palette);
}

void TestOpenbox::movedWindowsRestoredExactly()
{
    QTemporaryDir config;
    // The insides' places, chosen by the player, with their frames beside
    // the screen's edges and inside them.
    const QPoint boardAt(100, 50);
    const QPoint paletteAt(600, 400);
    QRect boardFrame;
    QRect paletteFrame;
    {
        GameRun first(config.path());
        const std::optional<GameWindows> windows = first.framedWindows();
        QVERIFY2(windows, qPrintable(first.output()));
        QVERIFY(moveInside(windows->board, boardAt));
        QVERIFY(moveInside(windows->palette, paletteAt));
        boardFrame = *frameOf(windows->board);
        paletteFrame = *frameOf(windows->palette);
        first.quit(windows->board);
    }
    for (int restart = 1; restart <= 3; ++restart) {
        GameRun run(config.path());
        const std::optional<GameWindows> windows = run.framedWindows();
        QVERIFY2(windows, qPrintable(run.output()));
        // Settled: the window manager's frames stay where they were left.
        QTest::qWait(300);
        QCOMPARE(describe(frameOf(windows->board)), describe(boardFrame));
        QCOMPARE(describe(frameOf(windows->palette)), describe(paletteFrame));
        run.quit(restart % 2 ? windows->palette : windows->board);
    }
}

void TestOpenbox::scaleFactorTwoThenOne()
{
    QTemporaryDir config;
    const QPoint boardAt(100, 50);
    QRect boardFrame;
    {
        GameRun run(config.path());
        const std::optional<GameWindows> windows = run.framedWindows();
        QVERIFY2(windows, qPrintable(run.output()));
        QVERIFY(moveInside(windows->board, boardAt));
        boardFrame = *frameOf(windows->board);
        run.quit(windows->board);
    }
    {
        // Twice as large, the board is taller than the screen: its title bar
        // stays on it.
        GameRun run(config.path(), scaled({}, QStringLiteral("2")));
        const std::optional<GameWindows> windows = run.framedWindows();
        QVERIFY2(windows, qPrintable(run.output()));
        QTest::qWait(300);
        QVERIFY2(titleBarOnScreen(*frameOf(windows->board)),
                 qPrintable(describe(frameOf(windows->board))));
        run.quit(windows->palette);
    }
    // Back at scale 1 the board is where the player left it: the place the
    // program had to choose at scale 2 was not saved.
    GameRun run(config.path());
    const std::optional<GameWindows> windows = run.framedWindows();
    QVERIFY2(windows, qPrintable(run.output()));
    QTest::qWait(300);
    QVERIFY2(titleBarOnScreen(*frameOf(windows->board)),
             qPrintable(describe(frameOf(windows->board))));
    QCOMPARE(describe(frameOf(windows->board)), describe(boardFrame));
    run.quit(windows->palette);
}

void TestOpenbox::hideThenRestore_data()
{
    QTest::addColumn<bool>("restoreBoard");
    QTest::newRow("the board activated by the window manager") << true;
    QTest::newRow("the palette activated by the window manager") << false;
}

void TestOpenbox::hideThenRestore()
{
    QFETCH(bool, restoreBoard);

    QTemporaryDir config;
    GameRun run(config.path());
    const std::optional<GameWindows> windows = run.framedWindows();
    QVERIFY2(windows, qPrintable(run.output()));

    QVERIFY(typeInto(windows->palette, QStringLiteral("ctrl+h")));
    QVERIFY2(pollUntil([&] { return iconic(windows->board) && iconic(windows->palette); }),
             "Ctrl+H did not minimise both windows");

    // As a taskbar or a window list does: the window manager activates one.
    const QString restored = restoreBoard ? windows->board : windows->palette;
    QVERIFY(programOutput(QStringLiteral("wmctrl"), {"-i", "-a", restored}));
    QVERIFY2(
        pollUntil([&] { return shownNormal(windows->board) && shownNormal(windows->palette); }),
        qPrintable(QStringLiteral("board %1, palette %2")
                       .arg(iconic(windows->board) ? "minimised" : "shown")
                       .arg(iconic(windows->palette) ? "minimised" : "shown")));
    // Whichever came back first, the palette is above the board.
    QTest::qWait(300);
    QVERIFY2(stackedAbove(windows->palette, windows->board),
             qPrintable(stackingOrder().join(u' ')));
    run.quit(windows->palette);
}

void TestOpenbox::alertTitleShown()
{
    QTemporaryDir config;
    GameRun run(config.path());
    const std::optional<GameWindows> windows = run.framedWindows();
    QVERIFY2(windows, qPrintable(run.output()));

    // Eight rows from the keyboard end the game with an alert.
    for (int row = 0; row < rules::kRows && !run.findWindow(kGameEnd); ++row) {
        QVERIFY(typeInto(windows->palette, QStringLiteral("1")));
        QVERIFY(xdotool({"key", "2", "3", "4", "ctrl+c"}));
        e2e::pause();
    }
    const std::optional<QString> alert = run.waitForWindow(kGameEnd);
    QVERIFY(alert);
    const QString title = windowName(*alert).value_or(QString());
    QVERIFY(pollUntil([&] { return frameOf(*alert).has_value(); }));
    QVERIFY(pollUntil([&] { return xdotool({"getwindowfocus"}) == *alert; }));
    QTest::qWait(300);
    const QMargins extents = *frameExtents(*alert);
    const QImage alertBar = titleBar(screenshot(), *frameOf(*alert), extents);

    // The same title as the window manager draws it where it has room, in a
    // wide window of this test: the columns where it differs from the same
    // window without a title are the title's text.
    QWidget reference;
    reference.setWindowTitle(title);
    reference.setGeometry(200, 100, 800, 100);
    reference.show();
    QVERIFY(QTest::qWaitForWindowActive(&reference));
    const QString referenceId = QString::number(reference.winId());
    QVERIFY(pollUntil([&] { return frameOf(referenceId).has_value(); }));
    QTest::qWait(300);
    const QRect referenceFrame = *frameOf(referenceId);
    const QImage withTitle = titleBar(screenshot(), referenceFrame, extents);
    reference.setWindowTitle(QStringLiteral(" "));
    QTest::qWait(300);
    const QImage withoutTitle = titleBar(screenshot(), referenceFrame, extents);
    int left = withTitle.width();
    int right = -1;
    for (int x = 0; x < withTitle.width(); ++x)
        for (int y = 0; y < withTitle.height(); ++y)
            if (withTitle.pixel(x, y) != withoutTitle.pixel(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    QVERIFY2(right > left, "the window manager drew no title");
    const QImage text = withTitle.copy(left, 2, right - left + 1, withTitle.height() - 4);
    QVERIFY2(containsAtSomeColumn(alertBar, text, 2),
             qPrintable(QStringLiteral("the alert's title \"%1\" is cut: its frame is %2 wide, "
                                       "the title %3")
                            .arg(title)
                            .arg(alertBar.width())
                            .arg(text.width())));
    reference.hide();
    QVERIFY(typeInto(*alert, QStringLiteral("Return")));
    run.quit(windows->palette);
}

void TestOpenbox::secondStartBringsTheFirstForward_data()
{
    QTest::addColumn<bool>("minimised");
    QTest::newRow("both windows minimised") << true;
    QTest::newRow("the board active, the palette behind another window") << false;
}

// A second start by the same user on the same display shows no window and
// ends with status 0; the first program's windows come back unminimised, the
// palette above the board and active.
void TestOpenbox::secondStartBringsTheFirstForward()
{
    QFETCH(bool, minimised);

    QTemporaryDir config;
    QTemporaryDir runtime;
    const auto sameUser = [&](QProcessEnvironment &environment) {
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        environment.insert(QStringLiteral("XDG_STATE_HOME"), config.filePath("state"));
    };
    GameRun first(config.path(), sameUser);
    const std::optional<GameWindows> windows = first.framedWindows();
    QVERIFY2(windows, qPrintable(first.output()));
    QWidget other;
    if (minimised) {
        QVERIFY(typeInto(windows->palette, QStringLiteral("ctrl+h")));
        QVERIFY(pollUntil([&] { return iconic(windows->board) && iconic(windows->palette); }));
    } else {
        other.setWindowTitle(QStringLiteral("Another program"));
        other.setGeometry(screenArea().adjusted(50, 50, -50, -50));
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(programOutput(QStringLiteral("wmctrl"), {"-i", "-a", windows->board}));
        QVERIFY(pollUntil([&] { return xdotool({"getwindowfocus"}) == windows->board; }));
    }

    GameRun second(config.path(), sameUser);
    QVERIFY(second.process().waitForFinished(kWaitMs));
    QCOMPARE(second.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.process().exitCode(), 0);
    QVERIFY2(second.output().isEmpty(), qPrintable(second.output()));

    QVERIFY2(
        pollUntil([&] { return shownNormal(windows->board) && shownNormal(windows->palette); }),
        "the windows were not brought back");
    QVERIFY2(pollUntil([&] { return xdotool({"getwindowfocus"}) == windows->palette; }),
             "the palette is not the active window");
    // The stacking order, bottom first: the palette above the board, both
    // above the other window.
    const std::optional<QString> stacking =
        programOutput(QStringLiteral("xprop"), {"-root", "_NET_CLIENT_LIST_STACKING"});
    QVERIFY(stacking);
    QStringList order;
    for (const QString &id : stacking->section(u'#', 1).split(u',', Qt::SkipEmptyParts))
        order << QString::number(id.trimmed().toULong(nullptr, 16));
    QVERIFY2(order.indexOf(windows->board) >= 0 &&
                 order.indexOf(windows->palette) > order.indexOf(windows->board),
             qPrintable(stacking.value_or(QString())));
    if (!minimised)
        QVERIFY(order.indexOf(QString::number(other.winId())) < order.indexOf(windows->board));
    first.quit(windows->palette);
}

int main(int argc, char *argv[])
{
    // A desktop of the test's own; the test and the program are both its
    // clients.
    OpenboxDesktop desktop;
    if (!desktop.failure().isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(desktop.failure()));
        return 1;
    }
    qputenv("DISPLAY", desktop.display().toLocal8Bit());
    QApplication app(argc, argv);
    TestOpenbox test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_openbox.moc"
