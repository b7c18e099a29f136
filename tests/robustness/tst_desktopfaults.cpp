// The real program against faults of the desktop: settings that cannot be
// written or are not what they should be, no HOME, the signals of a kill, a
// Ctrl+C in a terminal and a logout, and a second instance running at once.

#include "support/FailOnWarnings.h"
#include "support/GameDriver.h"
#include "support/SettingsFile.h"
#include "support/TestFiles.h"

#include <QScopeGuard>
#include <QTest>
#include <csignal>
#include <unistd.h>

using namespace e2e;

namespace
{

const QString kMainKey = QStringLiteral("HueRiddlesMain");
const QString kPaletteKey = QStringLiteral("HueRiddlesPalette");

// Whether the program answers: a new game without replacement shows in the
// board window's title.
bool answersNewGame(const GameWindows &windows)
{
    return typeInto(windows.palette, QStringLiteral("ctrl+shift+n")) && pollUntil([&] {
               return windowName(windows.board) ==
                      QStringLiteral("Hueriddle (without replacement)");
           });
}

} // namespace

class TestDesktopFaults : public FailOnWarnings
{
    Q_OBJECT

private slots:
    void initTestCase();
    void unusableSettings_data();
    void unusableSettings();
    void endsCleanlyOnSignals_data();
    void endsCleanlyOnSignals();
    void secondInstanceAtOnce();
};

void TestDesktopFaults::initTestCase()
{
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty(),
             "xdotool is needed (scripts/install-deps.sh installs it)");
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QVERIFY(QFileInfo(kProgram).isExecutable());
}

void TestDesktopFaults::unusableSettings_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("settings directory read-only") << "read-only directory";
    QTest::newRow("settings under a file system where nothing can be made") << "procfs";
    QTest::newRow("settings directory is a file") << "directory is a file";
    QTest::newRow("settings file is a directory") << "file is a directory";
    QTest::newRow("HOME unset") << "no HOME";
}

// The game starts, plays, saves its frames in vain and ends with status 0.
void TestDesktopFaults::unusableSettings()
{
    QFETCH(QString, fault);

    QTemporaryDir root;
    QString configHome = root.filePath(QStringLiteral("config"));
    const QString settingsDir = settingsDirectoryIn(configHome);
    const QString settingsFile = settingsFileIn(configHome);
    QVERIFY(QDir().mkpath(settingsDir));
    std::function<void(QProcessEnvironment &)> adjust;
    QString program = kProgram;
    QStringList arguments;

    // Where an earlier run, in a writable directory, leaves the windows.
    const QPoint earlierBoard(150, 80);
    const QPoint earlierPalette(620, 350);
    if (fault == QLatin1String("read-only directory")) {
        {
            ProgramRun earlier(kProgram, configHome);
            const std::optional<GameWindows> windows = waitForGameWindows(earlier);
            QVERIFY2(windows, qPrintable(earlier.output()));
            QVERIFY(moveWindow(windows->board, earlierBoard));
            QVERIFY(moveWindow(windows->palette, earlierPalette));
            const QString failure = quitWithCtrlQ(earlier, windows->board);
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
        }
        QCOMPARE(savedPosition(settingsFile, kMainKey), std::optional(earlierBoard));
        QCOMPARE(savedPosition(settingsFile, kPaletteKey), std::optional(earlierPalette));
        QVERIFY(QFile::setPermissions(settingsFile, QFile::ReadOwner));
        QVERIFY(QFile::setPermissions(settingsDir, QFile::ReadOwner | QFile::ExeOwner));
        // Root passes over permissions through CAP_DAC_OVERRIDE; without it
        // (and without reading past them) root is bound as any user is.
        if (::geteuid() == 0) {
            const QString dropped = QStringLiteral("-dac_override,-dac_read_search,-fowner");
            program = QStringLiteral("setpriv");
            arguments = {QStringLiteral("--inh-caps=") + dropped,
                         QStringLiteral("--bounding-set=") + dropped, kProgram};
        }
    } else if (fault == QLatin1String("procfs")) {
        // Not even root can make a directory here.
        configHome = QStringLiteral("/proc/%1").arg(::getpid());
    } else if (fault == QLatin1String("directory is a file")) {
        QVERIFY(QDir(settingsDir).removeRecursively());
        writeTestFile(settingsDir, "not a directory\n");
    } else if (fault == QLatin1String("file is a directory")) {
        QVERIFY(QDir().mkpath(settingsFile));
    } else if (fault == QLatin1String("no HOME")) {
        adjust = [](QProcessEnvironment &environment) {
            environment.remove(QStringLiteral("HOME"));
            environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        };
    }

    const auto writable = qScopeGuard([&] {
        QFile::setPermissions(settingsDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });

    ProgramRun run(program, configHome, arguments, adjust);
    const std::optional<GameWindows> windows = waitForGameWindows(run);
    QVERIFY2(windows, qPrintable(run.output()));
    if (fault == QLatin1String("read-only directory")) {
        // The frames the earlier run saved are read: both windows open there.
        QCOMPARE(windowGeometry(windows->board).value_or(QRect()).topLeft(), earlierBoard);
        QCOMPARE(windowGeometry(windows->palette).value_or(QRect()).topLeft(), earlierPalette);
    }
    // A move makes the program write its frames.
    QVERIFY(moveWindow(windows->board, QPoint(60, 40)));
    QVERIFY(moveWindow(windows->palette, QPoint(500, 300)));
    QVERIFY2(answersNewGame(*windows), qPrintable(run.output()));
    QVERIFY(run.alive());
    const QString quitFailure = quitWithCtrlQ(run, windows->board);
    QVERIFY2(quitFailure.isEmpty(), qPrintable(quitFailure));

    if (fault == QLatin1String("directory is a file"))
        QVERIFY(QFileInfo(settingsDir).isFile());
    if (fault == QLatin1String("file is a directory"))
        QVERIFY(QFileInfo(settingsFile).isDir());
    if (fault == QLatin1String("no HOME"))
        QVERIFY(savedPosition(settingsFile, kMainKey) == QPoint(60, 40));
    if (fault == QLatin1String("read-only directory")) {
        // The moves of this run could not be written over the earlier frames.
        QCOMPARE(savedPosition(settingsFile, kMainKey), std::optional(earlierBoard));
        QCOMPARE(savedPosition(settingsFile, kPaletteKey), std::optional(earlierPalette));
    }
}

void TestDesktopFaults::endsCleanlyOnSignals_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<QString>("during");
    QTest::newRow("SIGTERM") << SIGTERM << "";
    QTest::newRow("SIGINT") << SIGINT << "";
    QTest::newRow("SIGHUP") << SIGHUP << "";
    QTest::newRow("SIGTERM while an alert is open") << SIGTERM << "alert";
    QTest::newRow("SIGHUP while an alert is open") << SIGHUP << "alert";
    QTest::newRow("SIGTERM during a drag") << SIGTERM << "drag";
}

// Both frames are written as the program ends, and the status is 0.
void TestDesktopFaults::endsCleanlyOnSignals()
{
    QFETCH(int, signalNumber);
    QFETCH(QString, during);

    QTemporaryDir config;
    ProgramRun run(kProgram, config.path());
    const std::optional<GameWindows> windows = waitForGameWindows(run);
    QVERIFY2(windows, qPrintable(run.output()));
    const QPoint boardAt(90, 30);
    const QPoint paletteAt(700, 500);
    QVERIFY(moveWindow(windows->board, boardAt));
    QVERIFY(moveWindow(windows->palette, paletteAt));
    // The moves have been written; only the end of the program can write
    // the file again.
    QVERIFY(pollUntil([&] { return savedPosition(run.settingsFile(), kPaletteKey) == paletteAt; }));
    QVERIFY(QFile::remove(run.settingsFile()));

    if (during == QLatin1String("alert")) {
        QVERIFY(typeInto(windows->palette, QStringLiteral("ctrl+c")));
        QVERIFY(run.waitForWindow(kAlert).has_value());
    } else if (during == QLatin1String("drag")) {
        // A colour picked up from the palette and held over the board.
        const QRect palette = windowGeometry(windows->palette).value_or(QRect());
        const QPoint from = BoardLayout::centre(palettePeg(palette, 1));
        QVERIFY(xdotool({"mousemove", QString::number(from.x()), QString::number(from.y())}));
        e2e::pause();
        QVERIFY(xdotool({"mousedown", "1"}));
        for (int step = 1; step <= 4; ++step) {
            e2e::pause();
            QVERIFY(xdotool({"mousemove", QString::number(from.x() - 100 * step),
                             QString::number(from.y() - 100 * step)}));
        }
    }
    QVERIFY(run.alive());
    QCOMPARE(::kill(pid_t(run.process().processId()), signalNumber), 0);
    const QString failure = endedCleanly(run);
    if (during == QLatin1String("drag"))
        xdotool({"mouseup", "1"});
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(savedPosition(run.settingsFile(), kMainKey), std::optional(boardAt));
    QCOMPARE(savedPosition(run.settingsFile(), kPaletteKey), std::optional(paletteAt));
}

// Two instances write the same settings file on every move of their windows,
// and both write it as they end together: the file stays whole, with one
// value for each key, and the next start reads it.
void TestDesktopFaults::secondInstanceAtOnce()
{
    QTemporaryDir config;
    ProgramRun first(kProgram, config.path());
    const std::optional<GameWindows> one = waitForGameWindows(first);
    QVERIFY2(one, qPrintable(first.output()));
    ProgramRun second(kProgram, config.path());
    std::optional<GameWindows> two;
    QVERIFY(pollUntil([&] { return (two = findGameWindows(second)).has_value(); }));

    QList<QPoint> boardPositions;
    QList<QPoint> palettePositions;
    for (int step = 0; step < 25; ++step) {
        for (int instance = 0; instance < 2; ++instance) {
            const GameWindows &each = instance == 0 ? *one : *two;
            const QPoint boardAt(20 + 13 * step + 400 * instance, 10 + 7 * step);
            const QPoint paletteAt(900 - 11 * step, 600 + 150 * instance - 5 * step);
            QVERIFY(moveWindow(each.board, boardAt));
            QVERIFY(moveWindow(each.palette, paletteAt));
            if (step == 24) {
                boardPositions << boardAt;
                palettePositions << paletteAt;
            }
        }
    }
    QCOMPARE(::kill(pid_t(first.process().processId()), SIGTERM), 0);
    QCOMPARE(::kill(pid_t(second.process().processId()), SIGTERM), 0);
    for (ProgramRun *run : {&first, &second}) {
        const QString failure = endedCleanly(*run);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    QFile file(first.settingsFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.count("[General]"), 1);
    for (const QString &key : {kMainKey, kPaletteKey}) {
        const auto keyed = [&](const QByteArray &line) {
            return line.startsWith(key.toLatin1() + '=');
        };
        QCOMPARE(std::count_if(lines.begin(), lines.end(), keyed), 1);
    }
    QSettings settings(first.settingsFile(), QSettings::IniFormat);
    QCOMPARE(settings.status(), QSettings::NoError);
    QCOMPARE(settings.allKeys().size(), 2);
    const std::optional<QPoint> board = savedPosition(first.settingsFile(), kMainKey);
    const std::optional<QPoint> palette = savedPosition(first.settingsFile(), kPaletteKey);
    QVERIFY(board && boardPositions.contains(*board));
    QVERIFY(palette && palettePositions.contains(*palette));

    ProgramRun third(kProgram, config.path());
    const std::optional<GameWindows> three = waitForGameWindows(third);
    QVERIFY2(three, qPrintable(third.output()));
    QCOMPARE(windowGeometry(three->board).value_or(QRect()).topLeft(), *board);
    QCOMPARE(windowGeometry(three->palette).value_or(QRect()).topLeft(), *palette);
    const QString failure = quitWithCtrlQ(third, three->board);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

QTEST_MAIN(TestDesktopFaults)
#include "tst_desktopfaults.moc"
