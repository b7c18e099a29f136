// The real program on GNOME's compositor, mutter, headless, in a session this
// test starts: with Xwayland, as GNOME under Wayland runs, and with Wayland
// alone. Which platform the program picks, where the windows open on the
// screens players have, that the palette belongs to the board, that Hide
// minimises the game and either window brings it back, and that a Wayland run
// leaves the windows' saved frames as they were.

#include "FrameProbe.h"
#include "GameRun.h"
#include "MutterDesktop.h"
#include "RemoteInput.h"
#include "desktop/files/UserSettings.h"
#include "support/FailOnWarnings.h"
#include "support/GameDriver.h"
#include "support/SettingsFile.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTest>
#include <QWidget>
#include <csignal>

using namespace e2e;
using namespace desktops;

namespace
{

// The environment of a program started from `desktop`'s session, with
// WAYLAND_DEBUG on so that the requests it makes of the compositor show on
// its error output. `platform` is QT_QPA_PLATFORM (empty: unset).
EnvironmentChange inSession(const MutterDesktop &desktop, const QString &platform)
{
    return [&desktop, platform](QProcessEnvironment &environment) {
        desktop.exportTo(environment);
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        if (!platform.isEmpty())
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        environment.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
    };
}

// Whether the program has asked the compositor for a Wayland window titled
// `title`.
bool waylandWindowTitled(ProgramRun &run, const QString &title)
{
    // Nothing but a wait reads the program's output: the test runs no event
    // loop.
    run.process().waitForReadyRead(50);
    return run.output().contains(QStringLiteral(".set_title(\"%1\")").arg(title));
}

// Points this process's X11 clients (xdotool, xprop) at `desktop`'s Xwayland.
void useXwaylandOf(const MutterDesktop &desktop)
{
    qputenv("DISPLAY", desktop.display().toLocal8Bit());
    qputenv("XAUTHORITY", desktop.xauthority().toLocal8Bit());
}

QByteArray fileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A frame as QWidget::saveGeometry() records it on X11 for a window with a
// title bar only.
QByteArray frameRecord(const QRect &geometry)
{
    QWidget window(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    window.setGeometry(geometry);
    return window.saveGeometry();
}

// Types the first key of the remote keyboard (a Shift, which plays nothing),
// with which the seat gets its keyboard, until a window of the program has
// the focus: `focused` tells.
bool keyboardReaches(RemoteInput &input, const std::function<bool()> &focused)
{
    return pollUntil([&] { return input.type(RemoteInput::kShift) && focused(); });
}

} // namespace

class TestMutter : public FailOnWarnings
{
    Q_OBJECT

private slots:
    void initTestCase();
    void x11ChosenThroughXwayland();
    void waylandWhenX11Refuses();
    void waylandKeepsSavedFrames_data();
    void waylandKeepsSavedFrames();
    void xwaylandFirstRun_data();
    void xwaylandFirstRun();
    void xwaylandHideThenRestore_data();
    void xwaylandHideThenRestore();
    void xwaylandPaletteStaysAbove_data();
    void xwaylandPaletteStaysAbove();
    void waylandPaletteOwnedAndHidden();
};

void TestMutter::initTestCase()
{
    QVERIFY(QFileInfo(kProgram).isExecutable());
    for (const char *tool : {"mutter", "Xwayland", "dbus-run-session", "xdotool", "xprop"})
        QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty(), tool);
}

void TestMutter::x11ChosenThroughXwayland()
{
    MutterDesktop desktop(MutterDesktop::X11::Xwayland);
    QVERIFY2(desktop.failure().isEmpty(), qPrintable(desktop.failure()));
    useXwaylandOf(desktop);

    QTemporaryDir config;
    const QPoint paletteAt(600, 400);
    {
        // A run on X11 that the player chose: the palette moved.
        GameRun first(config.path(), inSession(desktop, QStringLiteral("xcb")));
        const std::optional<QString> palette = first.waitForWindow(kPaletteTitle);
        QVERIFY2(palette, qPrintable(first.output()));
        QVERIFY(moveInside(*palette, paletteAt));
        first.quit(*palette);
        QCOMPARE(savedPosition(first.settingsFile(), UserSettings::kPaletteFrameKey),
                 std::optional(paletteAt));
    }

    // Started from the desktop with no platform chosen, the program shows its
    // windows through Xwayland, and the palette comes back where it was.
    GameRun run(config.path(), inSession(desktop, QString()));
    const std::optional<QString> palette = run.waitForWindow(kPaletteTitle);
    QVERIFY2(palette, qPrintable(QStringLiteral("no X11 window; Wayland windows: %1")
                                     .arg(waylandWindowTitled(run, QStringLiteral("Palette"))
                                              ? QStringLiteral("yes")
                                              : QStringLiteral("none"))));
    QVERIFY(pollUntil([&] { return insideOf(*palette).has_value(); }));
    QCOMPARE(insideOf(*palette)->topLeft(), paletteAt);
    QVERIFY(!waylandWindowTitled(run, QStringLiteral("Palette")));
    run.quit(*palette);
}

void TestMutter::waylandWhenX11Refuses()
{
    MutterDesktop desktop(MutterDesktop::X11::Xwayland);
    QVERIFY2(desktop.failure().isEmpty(), qPrintable(desktop.failure()));

    // The X11 display is there, but without its authority file it refuses
    // the program.
    QTemporaryDir config;
    QTemporaryDir elsewhere;
    GameRun run(config.path(), [&](QProcessEnvironment &environment) {
        inSession(desktop, QString())(environment);
        environment.insert(QStringLiteral("XAUTHORITY"), elsewhere.filePath("missing"));
    });
    QVERIFY2(pollUntil([&] { return waylandWindowTitled(run, QStringLiteral("Palette")); }),
             qPrintable(run.output().right(2000)));
    QVERIFY2(run.alive(), qPrintable(run.output()));
    // It ends as by Quit. (A process id of 0 would signal this test's own
    // process group.)
    const qint64 program = run.process().processId();
    QVERIFY2(program > 0, qPrintable(run.output()));
    ::kill(pid_t(program), SIGTERM);
    QVERIFY(run.process().waitForFinished(kWaitMs));
    QCOMPARE(run.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.process().exitCode(), 0);
}

void TestMutter::waylandKeepsSavedFrames_data()
{
    QTest::addColumn<bool>("withXwayland");
    QTest::newRow("no X11 display") << false;
    QTest::newRow("Wayland chosen with QT_QPA_PLATFORM") << true;
}

void TestMutter::waylandKeepsSavedFrames()
{
    QFETCH(bool, withXwayland);

    MutterDesktop desktop(withXwayland ? MutterDesktop::X11::Xwayland : MutterDesktop::X11::None);
    QVERIFY2(desktop.failure().isEmpty(), qPrintable(desktop.failure()));

    // Frames saved in an earlier run on X11.
    QTemporaryDir config;
    const QString settingsFile = settingsFileIn(config.path());
    {
        QSettings settings(settingsFile, QSettings::IniFormat);
        settings.setValue(UserSettings::kBoardFrameKey, frameRecord(QRect(100, 50, 322, 551)));
        settings.setValue(UserSettings::kPaletteFrameKey, frameRecord(QRect(600, 400, 144, 96)));
    }
    const QByteArray saved = fileContents(settingsFile);
    QVERIFY(!saved.isEmpty());

    GameRun run(config.path(),
                inSession(desktop, withXwayland ? QStringLiteral("wayland") : QString()));
    QVERIFY2(pollUntil([&] { return waylandWindowTitled(run, QStringLiteral("Palette")); }),
             qPrintable(run.output().right(2000)));
    RemoteInput input(desktop.busAddress());
    QVERIFY2(input.failure().isEmpty(), qPrintable(input.failure()));
    // The seat gets its keyboard with the first key the remote session types
    // (a Shift, which plays nothing); keys typed before the compositor gives
    // a window the focus are lost.
    QVERIFY(input.type(RemoteInput::kShift));
    QVERIFY2(pollUntil([&] {
                 run.process().waitForReadyRead(50);
                 return run.output().contains(
                     QRegularExpression(QStringLiteral("wl_keyboard@[0-9]+\\.enter\\(")));
             }),
             "no window of the program got the keyboard focus");

    // A whole game from the keyboard: rows of blue, green, cyan and red,
    // each committed with Ctrl+C, until the game ends with an alert.
    auto gameOver = [&] {
        return waylandWindowTitled(run, QStringLiteral("Congratulations!")) ||
               waylandWindowTitled(run, QStringLiteral("Game over."));
    };
    for (int row = 0; row < rules::kRows && !gameOver(); ++row) {
        for (quint32 digit : {'1', '2', '3', '4'})
            QVERIFY(input.type(digit));
        QVERIFY(input.type('c', true));
        pollUntil(gameOver, 1000);
    }
    QVERIFY2(pollUntil(gameOver),
             qPrintable(QStringLiteral("the game did not end; keys the program got: %1")
                            .arg(run.output().count(QStringLiteral("wl_keyboard@")))));

    // Return closes the alert, Ctrl+Q then ends the program. On a busy
    // machine the alert may still hold the focus when they come, so both
    // are typed again until the program ends.
    bool ended = false;
    for (int attempt = 0; attempt < 4 && !ended; ++attempt) {
        QVERIFY(input.type(RemoteInput::kReturn));
        QVERIFY(input.type('q', true));
        ended = run.process().waitForFinished(kWaitMs / 2);
    }
    QVERIFY2(ended, "Return and Ctrl+Q did not end the program");
    QCOMPARE(run.process().exitCode(), 0);

    // Byte for byte what the X11 run saved.
    QCOMPARE(fileContents(settingsFile), saved);
}

void TestMutter::xwaylandFirstRun_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QString>("scale");
    QTest::newRow("1366 x 768") << QSize(1366, 768) << QString();
    QTest::newRow("1366 x 768 at scale 2") << QSize(1366, 768) << QStringLiteral("2");
    QTest::newRow("1920 x 1080") << QSize(1920, 1080) << QString();
    QTest::newRow("1920 x 1080 at scale 2") << QSize(1920, 1080) << QStringLiteral("2");
}

void TestMutter::xwaylandFirstRun()
{
    QFETCH(QSize, screen);
    QFETCH(QString, scale);

    MutterDesktop desktop(MutterDesktop::X11::Xwayland, screen);
    QVERIFY2(desktop.failure().isEmpty(), qPrintable(desktop.failure()));
    useXwaylandOf(desktop);
    const QRect area(QPoint(0, 0), screen);

    QTemporaryDir config;
    GameRun run(config.path(), scaled(inSession(desktop, QString()), scale));
    const std::optional<GameWindows> windows = waitForGameWindows(run);
    QVERIFY2(windows, qPrintable(run.output().right(2000)));

    // One program: the palette is the board's utility window, which mutter
    // minimises with the board; the board may be minimised and closes only
    // by the game's own commands; both carry the game's icon.
    QVERIFY2(propertyOf(windows->palette, "_NET_WM_WINDOW_TYPE")
                 .contains(QStringLiteral("_NET_WM_WINDOW_TYPE_UTILITY")),
             qPrintable(propertyOf(windows->palette, "_NET_WM_WINDOW_TYPE")));
    QCOMPARE(transientFor(windows->palette), windows->board);
    auto boardActions = [&] { return propertyOf(windows->board, "_NET_WM_ALLOWED_ACTIONS"); };
    QVERIFY2(pollUntil([&] {
                 return boardActions().contains(QStringLiteral("_NET_WM_ACTION_MINIMIZE"));
             }),
             qPrintable(boardActions()));
    for (const char *control : {"_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_CLOSE"})
        QVERIFY2(!boardActions().contains(QLatin1String(control)), qPrintable(boardActions()));
    for (const QString &window : {windows->board, windows->palette})
        QVERIFY2(hasIcon(window), qPrintable(window));

    // Side by side, as under openbox: the board's frame at the left edge,
    // the palette's right of it, bottoms aligned, all on the screen.
    const int slack = scale.isEmpty() ? 0 : scale.toInt() - 1;
    auto sideBySide = [&] {
        const std::optional<QRect> boardFrame = frameOf(windows->board);
        const std::optional<QRect> paletteFrame = frameOf(windows->palette);
        if (!boardFrame || !paletteFrame)
            return false;
        const int gap = paletteFrame->left() - (boardFrame->right() + 1);
        return std::abs(boardFrame->left() - area.left()) <= slack && gap >= 0 &&
               gap <= 2 * slack &&
               std::abs(paletteFrame->bottom() - std::min(boardFrame->bottom(), area.bottom())) <=
                   slack &&
               area.contains(*paletteFrame);
    };
    QVERIFY2(pollUntil(sideBySide), qPrintable(QStringLiteral("board %1, palette %2")
                                                   .arg(describe(frameOf(windows->board)),
                                                        describe(frameOf(windows->palette)))));
    QVERIFY2(stackedAbove(windows->palette, windows->board),
             qPrintable(stackingOrder().join(u' ')));
    run.quit(windows->palette);
}

void TestMutter::xwaylandHideThenRestore_data()
{
    QTest::addColumn<bool>("restoreBoard");
    QTest::newRow("the board activated from its entry") << true;
    QTest::newRow("the palette activated from its entry") << false;
}

void TestMutter::xwaylandHideThenRestore()
{
    QFETCH(bool, restoreBoard);

    MutterDesktop desktop(MutterDesktop::X11::Xwayland);
    QVERIFY2(desktop.failure().isEmpty(), qPrintable(desktop.failure()));
    useXwaylandOf(desktop);

    QTemporaryDir config;
    GameRun run(config.path(), inSession(desktop, QString()));
    const std::optional<GameWindows> windows = waitForGameWindows(run);
    QVERIFY2(windows, qPrintable(run.output().right(2000)));
    QVERIFY(
        pollUntil([&] { return shownNormal(windows->board) && shownNormal(windows->palette); }));

    // Ctrl+H from the keyboard of mutter's seat, into the active window.
    RemoteInput input(desktop.busAddress());
    QVERIFY2(input.failure().isEmpty(), qPrintable(input.failure()));
    QVERIFY2(keyboardReaches(input,
                             [&] {
                                 const QString focus =
                                     xdotool({"getwindowfocus"}).value_or(QString());
                                 return focus == windows->palette || focus == windows->board;
                             }),
             "no window of the program got the keyboard focus");
    QVERIFY(input.type('h', true));
    QVERIFY2(pollUntil([&] { return iconic(windows->board) && iconic(windows->palette); }),
             qPrintable(QStringLiteral("board %1, palette %2; allowed: %3")
                            .arg(iconic(windows->board) ? "minimised" : "shown")
                            .arg(iconic(windows->palette) ? "minimised" : "shown")
                            .arg(propertyOf(windows->board, "_NET_WM_ALLOWED_ACTIONS"))));

    // As the dash or a window list does: the window manager activates one.
    QVERIFY(xdotool({"windowactivate", restoreBoard ? windows->board : windows->palette}));
    QVERIFY2(
        pollUntil([&] { return shownNormal(windows->board) && shownNormal(windows->palette); }),
        qPrintable(QStringLiteral("board %1, palette %2")
                       .arg(iconic(windows->board) ? "minimised" : "shown")
                       .arg(iconic(windows->palette) ? "minimised" : "shown")));
    QTest::qWait(300);
    QVERIFY2(stackedAbove(windows->palette, windows->board),
             qPrintable(stackingOrder().join(u' ')));
    QVERIFY(input.type('q', true));
    QVERIFY(run.process().waitForFinished(kWaitMs));
    QCOMPARE(run.process().exitCode(), 0);
}

void TestMutter::xwaylandPaletteStaysAbove_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::newRow("a click on the board's menu bar") << QStringLiteral("menu bar");
    QTest::newRow("a click on the board's top row") << QStringLiteral("board");
    QTest::newRow("an end-of-game alert") << QStringLiteral("alert");
}

void TestMutter::xwaylandPaletteStaysAbove()
{
    QFETCH(QString, gesture);

    MutterDesktop desktop(MutterDesktop::X11::Xwayland);
    QVERIFY2(desktop.failure().isEmpty(), qPrintable(desktop.failure()));
    useXwaylandOf(desktop);

    QTemporaryDir config;
    GameRun run(config.path(), inSession(desktop, QString()));
    const std::optional<GameWindows> windows = run.framedWindows();
    QVERIFY2(windows, qPrintable(run.output().right(2000)));
    // The player has moved the palette over the board's lower-left corner.
    const QRect boardInside = *insideOf(windows->board);
    QVERIFY(moveInside(windows->palette,
                       QPoint(boardInside.left() + 40,
                              boardInside.bottom() - insideOf(windows->palette)->height() - 40)));
    QVERIFY(pollUntil([&] { return stackedAbove(windows->palette, windows->board); }));

    RemoteInput input(desktop.busAddress());
    QVERIFY2(input.failure().isEmpty(), qPrintable(input.failure()));
    QVERIFY2(keyboardReaches(input,
                             [&] {
                                 const QString focus =
                                     xdotool({"getwindowfocus"}).value_or(QString());
                                 return focus == windows->palette || focus == windows->board;
                             }),
             "no window of the program got the keyboard focus");
    if (gesture == QStringLiteral("menu bar")) {
        const QStringList before = run.visibleWindows();
        QVERIFY(input.clickAt(boardInside.topLeft() +
                              menuBarTitleCentre(QStringLiteral("Game"), boardInside.width())));
        QVERIFY2(pollUntil([&] { return run.visibleWindows().size() > before.size(); }),
                 "the Game menu did not open");
        // Escape closes the menu; the first key may only wake the seat.
        QVERIFY(pollUntil([&] {
            return input.type(RemoteInput::kEscape) &&
                   pollUntil([&] { return run.visibleWindows().size() == before.size(); }, 500);
        }));
    } else if (gesture == QStringLiteral("board")) {
        QVERIFY(input.clickAt(boardInside.topLeft() + QPoint(60, 120)));
    } else {
        QVERIFY(input.clickAt(insideOf(windows->palette)->center()));
        for (int row = 0; row < rules::kRows && !run.findWindow(kGameEnd); ++row) {
            for (quint32 digit : {'1', '2', '3', '4'})
                QVERIFY(input.type(digit));
            QVERIFY(input.type('c', true));
            pollUntil([&] { return run.findWindow(kGameEnd).has_value(); }, 1000);
        }
        const std::optional<QString> alert = run.waitForWindow(kGameEnd);
        QVERIFY(alert);
        QVERIFY(pollUntil([&] {
            return stackedAbove(*alert, windows->palette) && stackedAbove(*alert, windows->board);
        }));
        QVERIFY(input.type(RemoteInput::kReturn));
        QVERIFY(pollUntil([&] { return !run.visibleWindows().contains(*alert); }));
    }
    QTest::qWait(300);
    QVERIFY2(shownNormal(windows->board) && shownNormal(windows->palette), "a window was hidden");
    QVERIFY2(stackedAbove(windows->palette, windows->board),
             qPrintable(QStringLiteral("stacking from the bottom: %1; board %2, palette %3")
                            .arg(stackingOrder().join(u' '), windows->board, windows->palette)));
    // Ctrl+Q from the seat's keyboard, into whichever window mutter focused.
    bool ended = false;
    for (int attempt = 0; attempt < 4 && !ended; ++attempt) {
        QVERIFY(input.type('q', true));
        ended = run.process().waitForFinished(kWaitMs / 2);
    }
    QVERIFY2(ended, "Ctrl+Q did not end the program");
    QCOMPARE(run.process().exitCode(), 0);
}

void TestMutter::waylandPaletteOwnedAndHidden()
{
    MutterDesktop desktop(MutterDesktop::X11::None);
    QVERIFY2(desktop.failure().isEmpty(), qPrintable(desktop.failure()));

    QTemporaryDir config;
    GameRun run(config.path(), inSession(desktop, QString()));
    QVERIFY2(pollUntil([&] { return waylandWindowTitled(run, QStringLiteral("Palette")); }),
             qPrintable(run.output().right(2000)));
    // The palette's toplevel is given the board's as its parent, so that
    // the compositor keeps it above the board and treats both as one.
    static const QRegularExpression parent(
        QStringLiteral("xdg_toplevel@[0-9]+\\.set_parent\\(xdg_toplevel@[0-9]+\\)"));
    QVERIFY2(pollUntil([&] {
                 run.process().waitForReadyRead(50);
                 return run.output().contains(parent);
             }),
             "the palette's toplevel has no parent");

    RemoteInput input(desktop.busAddress());
    QVERIFY2(input.failure().isEmpty(), qPrintable(input.failure()));
    static const QRegularExpression entered(QStringLiteral("wl_keyboard@[0-9]+\\.enter\\("));
    QVERIFY2(keyboardReaches(input,
                             [&] {
                                 run.process().waitForReadyRead(50);
                                 return run.output().contains(entered);
                             }),
             "no window of the program got the keyboard focus");
    // Ctrl+H asks the compositor to minimise the game.
    QVERIFY(input.type('h', true));
    QVERIFY2(pollUntil([&] {
                 run.process().waitForReadyRead(50);
                 return run.output().contains(QStringLiteral(".set_minimized()"));
             }),
             "Ctrl+H asked for no minimising");
    const qint64 program = run.process().processId();
    QVERIFY(program > 0);
    ::kill(pid_t(program), SIGTERM);
    QVERIFY(run.process().waitForFinished(kWaitMs));
    QCOMPARE(run.process().exitCode(), 0);
}

int main(int argc, char *argv[])
{
    // The test itself needs no display: it only makes saved frames.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestMutter test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mutter.moc"
