// The unfinished game kept by the real program between runs: a game ended by
// Quit or by a signal comes back exactly, on the screen and in what Move
// plays next; two hundred SIGKILLs at random moments, from the start-up to a
// script's play, never leave a torn file or a start that shows anything but
// the game last kept;
// damaged files are kept aside with one line on standard error; a state
// directory that cannot be written costs nothing but the keeping; the
// preference turns resuming off; and a second start ends at once, leaving the
// first to play on.
//
// The seed of the kill loop is printed; HUERIDDLE_KILL_SEED=<seed> replays it.

#include "app/preferences/PreferenceTable.h"
#include "desktop/files/ProgramFolders.h"
#include "desktop/files/UserSettings.h"
#include "records/SavedGameFormat.h"
#include "rules/CandidateSearch.h"
#include "rules/ColorCode.h"
#include "support/FailOnWarnings.h"
#include "support/GameDriver.h"
#include "support/SettingsFile.h"
#include "support/TestSeed.h"

#include <QDirIterator>
#include <QRandomGenerator>
#include <QTest>
#include <csignal>
#include <random>
#include <unistd.h>

using namespace e2e;

namespace
{

// Both windows, the palette moved off the board where it covers it (there is
// no window manager to place it), so that the whole board can be read.
std::optional<GameWindows> waitForWindowsApart(ProgramRun &run)
{
    const std::optional<GameWindows> windows = waitForGameWindows(run);
    if (!windows)
        return std::nullopt;
    const std::optional<QRect> boardRect = windowGeometry(windows->board);
    const std::optional<QRect> paletteRect = windowGeometry(windows->palette);
    if (!boardRect || !paletteRect)
        return std::nullopt;
    if (boardRect->intersects(*paletteRect) &&
        !moveWindow(windows->palette, QPoint(boardRect->right() + 40, boardRect->top() + 100)))
        return std::nullopt;
    return windows;
}

// What the board window shows, read from the screen.
struct ShownGame {
    std::vector<rules::ScoredRow> rows; // from row 7 down, up to the active row
    rules::Combination placed{};
    int activeRow = -2;
    QString title;
};

std::optional<ShownGame> readShownGame(const GameWindows &windows)
{
    const std::optional<QRect> geometry = windowGeometry(windows.board);
    if (!geometry)
        return std::nullopt;
    const QImage image = screenshot();
    const std::optional<BoardLayout> layout = locateBoard(image, *geometry);
    if (!layout)
        return std::nullopt;
    ShownGame shown;
    shown.activeRow = activeRow(image, *layout);
    shown.title = windowName(windows.board).value_or(QString());
    for (int row = rules::kRows - 1; row > shown.activeRow; --row) {
        const std::optional<rules::Score> score = scoreAt(image, *layout, row);
        if (!score)
            return std::nullopt;
        shown.rows.push_back({codesAt(image, *layout, row), *score});
    }
    if (shown.activeRow >= 0)
        shown.placed = codesAt(image, *layout, shown.activeRow);
    return shown;
}

// Empty when the board shows `game`, what differs otherwise.
QString showsGame(const ShownGame &shown, const records::PlayedGame &game)
{
    const QString title = game.unique ? QStringLiteral("Hueriddle (without replacement)")
                                      : QStringLiteral("Hueriddle (with replacement)");
    if (shown.title != title)
        return QStringLiteral("title \"%1\"").arg(shown.title);
    const int active = rules::kRows - 1 - int(game.rows.size());
    if (shown.activeRow != active)
        return QStringLiteral("active row %1, not %2").arg(shown.activeRow).arg(active);
    if (shown.rows.size() != game.rows.size())
        return QStringLiteral("%1 rows shown, %2 kept")
            .arg(shown.rows.size())
            .arg(game.rows.size());
    for (std::size_t i = 0; i < game.rows.size(); ++i)
        if (!(shown.rows[i].guess == game.rows[i].guess &&
              shown.rows[i].score == game.rows[i].score))
            return QStringLiteral("row %1 differs").arg(rules::kRows - 1 - int(i));
    if (shown.placed != game.placed)
        return QStringLiteral("the placed pegs differ");
    return QString();
}

bool showsNewGame(const ShownGame &shown)
{
    return shown.activeRow == rules::kRows - 1 && shown.rows.empty() &&
           shown.placed == rules::Combination{} &&
           shown.title == QStringLiteral("Hueriddle (with replacement)");
}

std::optional<records::PlayedGame> readKept(const QString &path, QString *reason = nullptr)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const records::SavedGameReading reading = records::readSavedGame(file.readAll().toStdString());
    if (reason)
        *reason = QString::fromStdString(reading.reason);
    return reading.game;
}

// The key that places the colour of `code`.
QString keyOf(std::int32_t code)
{
    return QString::number(rules::paletteOrder(rules::playableColor(code)));
}

QStringList keptAside(const QString &directory)
{
    return QDir(directory).entryList({QStringLiteral("*.damaged-*")}, QDir::Files);
}

bool pressKeys(const QStringList &keys, int delayMs = 40)
{
    return xdotool(QStringList{"key", "--delay", QString::number(delayMs)} + keys).has_value();
}

// The directories a run of the program uses, kept from one run to the next.
struct Homes {
    QTemporaryDir root;
    QString config() const { return root.filePath(QStringLiteral("config")); }
    QString state() const { return root.filePath(QStringLiteral("state")); }
    QString runtime() const { return root.filePath(QStringLiteral("runtime")); }
    QString stateDir() const { return state() + u'/' + ProgramFolders::kName; }
    QString savedGame() const { return stateDir() + u'/' + UserSettings::kSavedGameFileName; }

    std::function<void(QProcessEnvironment &)> environment() const
    {
        return [this](QProcessEnvironment &environment) {
            environment.insert(QStringLiteral("XDG_STATE_HOME"), state());
            environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime());
        };
    }

    Homes()
    {
        QDir().mkpath(config());
        QDir().mkpath(runtime());
        QFile::setPermissions(runtime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

} // namespace

class TestKeptGame : public FailOnWarnings
{
    Q_OBJECT

private slots:
    void initTestCase();
    void resumesAfterTheEnd_data();
    void resumesAfterTheEnd();
    void survivesKillsAtRandomMoments();
    void keepsDamagedFilesAside_data();
    void keepsDamagedFilesAside();
    void playsOnWithoutAStateDirectory_data();
    void playsOnWithoutAStateDirectory();
    void preferenceOffStartsANewGame();
    void secondStartRaisesTheFirst();

private:
    // Plays `rows` rows of random guesses by the keyboard, starting a new game
    // of the same variant whenever one ends early.
    void playRows(ProgramRun &run, const GameWindows &windows, bool unique, int rows);
    std::mt19937_64 m_random{QRandomGenerator::global()->generate64()};
};

void TestKeptGame::initTestCase()
{
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty(),
             "xdotool is needed (scripts/install-deps.sh installs it)");
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QVERIFY(QFileInfo(kProgram).isExecutable());
}

void TestKeptGame::playRows(ProgramRun &run, const GameWindows &windows, bool unique, int rows)
{
    QVERIFY(xdotool({"windowfocus", "--sync", windows.palette}));
    for (int played = 0; played < rows;) {
        rules::Combination guess;
        do {
            for (std::int32_t &code : guess)
                code = std::int32_t(m_random() % 6) + 1;
        } while (unique && rules::hasRepeatedCode(guess));
        QStringList keys;
        for (std::int32_t code : guess)
            keys << keyOf(code);
        keys << QStringLiteral("ctrl+c");
        QVERIFY(pressKeys(keys));
        // The row is scored, or the game ended with it.
        const int active = rules::kRows - 2 - played;
        bool ended = false;
        QVERIFY2(pollUntil([&] {
                     if (run.findWindow(kGameEnd)) {
                         ended = true;
                         return true;
                     }
                     const std::optional<ShownGame> shown = readShownGame(windows);
                     return shown && shown->activeRow == active;
                 }),
                 qPrintable(run.output()));
        if (!ended) {
            ++played;
            continue;
        }
        QVERIFY(!answerAlert(run, kGameEnd).isEmpty());
        QVERIFY(xdotool({"windowfocus", "--sync", windows.palette}));
        QVERIFY(pressKeys({unique ? QStringLiteral("ctrl+shift+n") : QStringLiteral("ctrl+n")}));
        QVERIFY(pollUntil([&] {
            const std::optional<ShownGame> shown = readShownGame(windows);
            return shown && shown->activeRow == rules::kRows - 1 && shown->rows.empty();
        }));
        played = 0;
    }
}

void TestKeptGame::resumesAfterTheEnd_data()
{
    QTest::addColumn<QString>("ending");
    QTest::addColumn<bool>("unique");
    QTest::newRow("Quit, with replacement") << "quit" << false;
    QTest::newRow("SIGTERM (a logout), without replacement") << "SIGTERM" << true;
    QTest::newRow("SIGINT (Ctrl+C in a terminal), with replacement") << "SIGINT" << false;
    QTest::newRow("SIGHUP, without replacement") << "SIGHUP" << true;
}

// Five rows and two placed pegs come back: the same pixels in both windows,
// the same game in the file, and Move plays on as the rules say it would.
void TestKeptGame::resumesAfterTheEnd()
{
    QFETCH(QString, ending);
    QFETCH(bool, unique);

    Homes homes;
    QImage boardBefore;
    QImage paletteBefore;
    {
        ProgramRun run(kProgram, homes.config(), {}, homes.environment());
        const std::optional<GameWindows> windows = waitForWindowsApart(run);
        QVERIFY2(windows, qPrintable(run.output()));
        if (unique) {
            QVERIFY(typeInto(windows->palette, QStringLiteral("ctrl+shift+n")));
            QVERIFY(pollUntil(
                [&] { return windowName(windows->board) == "Hueriddle (without replacement)"; }));
        }
        playRows(run, *windows, unique, 5);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(pressKeys({keyOf(2), keyOf(5)}));
        QVERIFY(pollUntil([&] {
            const std::optional<ShownGame> shown = readShownGame(*windows);
            return shown && shown->placed == rules::Combination{2, 5, 0, 0};
        }));
        // The palette keeps the focus, as at a start.
        const QImage screen = screenshot();
        boardBefore = screen.copy(windowGeometry(windows->board).value_or(QRect()));
        paletteBefore = screen.copy(windowGeometry(windows->palette).value_or(QRect()));
        if (ending == QLatin1String("quit")) {
            const QString failure = quitWithCtrlQ(run, windows->board);
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
        } else {
            const int signalNumber = ending == QLatin1String("SIGTERM")  ? SIGTERM
                                     : ending == QLatin1String("SIGINT") ? SIGINT
                                                                         : SIGHUP;
            QCOMPARE(::kill(pid_t(run.process().processId()), signalNumber), 0);
            const QString failure = endedCleanly(run);
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
        }
    }

    QString reason;
    const std::optional<records::PlayedGame> kept = readKept(homes.savedGame(), &reason);
    QVERIFY2(kept, qPrintable(reason));
    QCOMPARE(kept->unique, unique);
    QCOMPARE(kept->rows.size(), std::size_t(5));
    QCOMPARE(kept->placed, (rules::Combination{2, 5, 0, 0}));
    QVERIFY(!kept->over);

    ProgramRun run(kProgram, homes.config(), {}, homes.environment());
    const std::optional<GameWindows> windows = waitForWindowsApart(run);
    QVERIFY2(windows, qPrintable(run.output()));
    std::optional<ShownGame> shown;
    QVERIFY(pollUntil([&] { return (shown = readShownGame(*windows)).has_value(); }));
    QCOMPARE(showsGame(*shown, *kept), QString());
    const QImage screen = screenshot();
    QCOMPARE(screen.copy(windowGeometry(windows->board).value_or(QRect())), boardBefore);
    QCOMPARE(screen.copy(windowGeometry(windows->palette).value_or(QRect())), paletteBefore);
    QVERIFY(run.output().isEmpty());

    // Move reads the board as it was: it plays the first candidate that agrees
    // with the five kept rows, over the two placed pegs.
    const rules::Combination expected = rules::firstAgreeingCandidate(kept->scoredRows(), unique);
    const QString chosen = chooseFromGameMenu(run, windowGeometry(windows->board).value_or(QRect()),
                                              QStringLiteral("Move"));
    QVERIFY2(chosen.isEmpty(), qPrintable(chosen));
    // The sixth row is scored: the game goes on with row 1 active, or it is
    // over and its alert is up (over the board), then no row is active.
    bool over = false;
    QVERIFY(pollUntil([&] {
        over = run.findWindow(kGameEnd).has_value();
        shown = over ? std::nullopt : readShownGame(*windows);
        return over || (shown && shown->activeRow == 1);
    }));
    if (over) {
        QVERIFY(!answerAlert(run, kGameEnd).isEmpty());
        QVERIFY(pollUntil([&] {
            shown = readShownGame(*windows);
            return shown && shown->activeRow == -1;
        }));
    }
    QCOMPARE(shown->rows[5].guess, expected);
    const QString failure = quitWithCtrlQ(run, windows->board);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

// SIGKILL at random moments, from the start-up on, while a script plays at
// full speed. Before each start the test reads the file as it was left; the
// start must show exactly that game (or a new one after a finished game),
// and no file may ever be torn, so none is ever kept aside.
void TestKeptGame::survivesKillsAtRandomMoments()
{
    const quint64 seed = testSeed("tst_keptgame", "HUERIDDLE_KILL_SEED");
    std::mt19937_64 random(seed);
    constexpr int kKills = 200;
    const QStringList keys = {"1", "2", "3", "4", "5", "6",      "1",      "2",         "3",
                              "4", "5", "6", "1", "2", "ctrl+c", "ctrl+c", "BackSpace", "Return"};
    Homes homes;
    int checked = 0;
    int resumed = 0;
    int deepest = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        QString reason;
        const std::optional<records::PlayedGame> kept = readKept(homes.savedGame(), &reason);
        QVERIFY2(kept || !QFileInfo::exists(homes.savedGame()),
                 qPrintable(QStringLiteral("kill %1 left a file that is not a game: %2")
                                .arg(kill)
                                .arg(reason)));
        QVERIFY2(keptAside(homes.stateDir()).isEmpty(), "a file was kept aside");

        ProgramRun run(kProgram, homes.config(), {}, homes.environment());
        // Every other start is killed early, before its windows can be checked.
        if (random() % 2 == 0) {
            QVERIFY(run.alive());
            QThread::msleep(random() % 400);
        } else {
            const std::optional<GameWindows> windows = waitForWindowsApart(run);
            QVERIFY2(windows, qPrintable(run.output()));
            std::optional<ShownGame> shown;
            QVERIFY(pollUntil([&] { return (shown = readShownGame(*windows)).has_value(); }));
            if (kept && !kept->over) {
                const QString difference = showsGame(*shown, *kept);
                QVERIFY2(difference.isEmpty(),
                         qPrintable(QStringLiteral("start %1: %2").arg(kill).arg(difference)));
                ++resumed;
                deepest = std::max(deepest, int(kept->rows.size()));
            } else {
                QVERIFY2(showsNewGame(*shown), qPrintable(QStringLiteral("start %1").arg(kill)));
            }
            ++checked;

            QStringList script;
            const int length = 10 + int(random() % 30);
            for (int i = 0; i < length; ++i)
                script << keys[int(random() % keys.size())];
            QProcess player;
            player.start(QStringLiteral("xdotool"),
                         QStringList{"key", "--delay", QString::number(5 + random() % 20)} +
                             script);
            QThread::msleep(random() % 600);
            QCOMPARE(::kill(pid_t(run.process().processId()), SIGKILL), 0);
            QVERIFY(run.process().waitForFinished(kWaitMs));
            player.waitForFinished(kWaitMs);
            continue;
        }
        QCOMPARE(::kill(pid_t(run.process().processId()), SIGKILL), 0);
        QVERIFY(run.process().waitForFinished(kWaitMs));
    }
    qInfo("%d kills; %d starts checked, %d of them resumed a game (up to %d rows)", kKills, checked,
          resumed, deepest);
    QVERIFY(checked >= kKills / 3);
    QVERIFY(resumed > 0);

    // The temporary file of a write cut short is gone after the next start.
    ProgramRun run(kProgram, homes.config(), {}, homes.environment());
    const std::optional<GameWindows> windows = waitForWindowsApart(run);
    QVERIFY2(windows, qPrintable(run.output()));
    const QString failure = quitWithCtrlQ(run, windows->board);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(QDir(homes.stateDir()).entryList(QDir::Files | QDir::NoDotAndDotDot),
             QStringList{UserSettings::kSavedGameFileName});
}

void TestKeptGame::keepsDamagedFilesAside_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const QByteArray good = "Hueriddle saved game\nversion 1\nvariant with-replacement\n"
                            "secret 1 2 3 4\nrow 1 1 1 1 1 0\nplaced 0 0 0 0\nstate playing\nend\n";
    QTest::newRow("empty") << QByteArray() << "the file is empty";
    QTest::newRow("cut short") << good.left(60) << "cut short";
    QTest::newRow("a later version")
        << QByteArray("Hueriddle saved game\nversion 9\n") << "later version";
    QTest::newRow("another program's file") << QByteArray("\x89PNG\r\n\x1a\n") << "not a Hueriddle";
    QTest::newRow("score not the secret's")
        << QByteArray(good).replace("1 1 1 1 1 0", "1 1 1 1 0 1") << "score is not the secret's";
}

// The file is renamed beside itself with its bytes, one line on standard
// error names it and why, and a new game starts.
void TestKeptGame::keepsDamagedFilesAside()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);

    Homes homes;
    QVERIFY(QDir().mkpath(homes.stateDir()));
    {
        QFile file(homes.savedGame());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    ProgramRun run(kProgram, homes.config(), {}, homes.environment());
    const std::optional<GameWindows> windows = waitForWindowsApart(run);
    QVERIFY2(windows, qPrintable(run.output()));
    std::optional<ShownGame> shown;
    QVERIFY(pollUntil([&] { return (shown = readShownGame(*windows)).has_value(); }));
    QVERIFY(showsNewGame(*shown));

    const QStringList aside = keptAside(homes.stateDir());
    QCOMPARE(aside.size(), 1);
    QVERIFY(!QFileInfo::exists(homes.savedGame()));
    QFile kept(homes.stateDir() + u'/' + aside.front());
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), bytes);
    // The line is read from the pipe while the program runs.
    run.process().setReadChannel(QProcess::StandardError);
    QVERIFY(pollUntil([&] {
        run.process().waitForReadyRead(25);
        return run.output().contains(u'\n');
    }));
    const QStringList lines = run.output().split(u'\n', Qt::SkipEmptyParts);
    QVERIFY2(lines.size() == 1, qPrintable(run.output()));
    QVERIFY2(lines.front().contains(homes.savedGame()) && lines.front().contains(reason) &&
                 lines.front().contains(aside.front()),
             qPrintable(lines.front()));

    // The new game is kept in a new file; the damaged one stays aside.
    QVERIFY(pressKeys({"1", "2", "3", "4", "ctrl+c"}));
    QVERIFY(pollUntil([&] { return readKept(homes.savedGame()).has_value(); }));
    const QString failure = quitWithCtrlQ(run, windows->board);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(keptAside(homes.stateDir()), aside);
}

void TestKeptGame::playsOnWithoutAStateDirectory_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("state home where nothing can be made") << "procfs";
    QTest::newRow("state directory is a file") << "file";
    QTest::newRow("state directory read-only") << "read-only";
}

// One line on standard error; the game plays, the frames are still saved and
// Quit ends with status 0.
void TestKeptGame::playsOnWithoutAStateDirectory()
{
    QFETCH(QString, fault);

    Homes homes;
    QString stateHome = homes.state();
    QString program = kProgram;
    QStringList arguments;
    if (fault == QLatin1String("procfs")) {
        stateHome = QStringLiteral("/proc/%1/state").arg(::getpid());
    } else if (fault == QLatin1String("file")) {
        QVERIFY(QDir().mkpath(homes.state()));
        QFile file(homes.stateDir());
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else {
        QVERIFY(QDir().mkpath(homes.stateDir()));
        QVERIFY(QFile::setPermissions(homes.stateDir(), QFile::ReadOwner | QFile::ExeOwner));
        if (::geteuid() == 0) {
            const QString dropped = QStringLiteral("-dac_override,-dac_read_search,-fowner");
            program = QStringLiteral("setpriv");
            arguments = {QStringLiteral("--inh-caps=") + dropped,
                         QStringLiteral("--bounding-set=") + dropped, kProgram};
        }
    }
    ProgramRun run(program, homes.config(), arguments, [&](QProcessEnvironment &environment) {
        environment.insert(QStringLiteral("XDG_STATE_HOME"), stateHome);
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), homes.runtime());
    });
    const std::optional<GameWindows> windows = waitForWindowsApart(run);
    QVERIFY2(windows, qPrintable(run.output()));
    QVERIFY(xdotool({"windowfocus", "--sync", windows->palette}));
    for (int row = 0; row < 3; ++row)
        QVERIFY(pressKeys({"1", "2", "3", "4", "ctrl+c"}));
    QVERIFY(moveWindow(windows->board, QPoint(70, 50)));
    QVERIFY(typeInto(windows->palette, QStringLiteral("ctrl+shift+n")));
    QVERIFY(
        pollUntil([&] { return windowName(windows->board) == "Hueriddle (without replacement)"; }));
    QVERIFY(run.alive());
    const QString failure = quitWithCtrlQ(run, windows->board);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    const QStringList lines = run.output().split(u'\n', Qt::SkipEmptyParts);
    QVERIFY2(lines.size() == 1, qPrintable(run.output()));
    QVERIFY2(lines.front().startsWith(QStringLiteral("hueriddle: cannot")),
             qPrintable(lines.front()));
    QCOMPARE(savedPosition(run.settingsFile(), UserSettings::kBoardFrameKey),
             std::optional(QPoint(70, 50)));
    if (fault == QLatin1String("read-only"))
        QVERIFY(QFile::setPermissions(homes.stateDir(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

// With "Resume an unfinished game" off, a start begins a new game although
// one was kept.
void TestKeptGame::preferenceOffStartsANewGame()
{
    Homes homes;
    {
        ProgramRun run(kProgram, homes.config(), {}, homes.environment());
        const std::optional<GameWindows> windows = waitForWindowsApart(run);
        QVERIFY2(windows, qPrintable(run.output()));
        playRows(run, *windows, false, 2);
        if (QTest::currentTestFailed())
            return;
        const QString failure = quitWithCtrlQ(run, windows->board);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
    QVERIFY(readKept(homes.savedGame()).has_value());
    {
        QSettings settings(settingsFileIn(homes.config()), QSettings::IniFormat);
        settings.setValue(
            PreferenceTable::preference(PreferenceTable::Id::ResumeGame).settingsKey(), false);
    }
    ProgramRun run(kProgram, homes.config(), {}, homes.environment());
    const std::optional<GameWindows> windows = waitForWindowsApart(run);
    QVERIFY2(windows, qPrintable(run.output()));
    std::optional<ShownGame> shown;
    QVERIFY(pollUntil([&] { return (shown = readShownGame(*windows)).has_value(); }));
    QVERIFY(showsNewGame(*shown));
    const QString failure = quitWithCtrlQ(run, windows->board);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

// A second start on the same display ends at once with status 0, having shown
// and written nothing, while the first plays on. Once the first was killed,
// its lock keeps no start out. (That the first comes forward needs a window
// manager: tst_openbox.)
void TestKeptGame::secondStartRaisesTheFirst()
{
    Homes homes;
    ProgramRun first(kProgram, homes.config(), {}, homes.environment());
    const std::optional<GameWindows> windows = waitForWindowsApart(first);
    QVERIFY2(windows, qPrintable(first.output()));
    QVERIFY(pressKeys({"1", "2", "3", "4", "ctrl+c"}));
    QVERIFY(pollUntil([&] { return readKept(homes.savedGame()).has_value(); }));

    const auto listing = [&] {
        QStringList entries;
        for (const QString &root : {homes.config(), homes.state()}) {
            QDirIterator it(root, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QFileInfo info(it.next());
                entries << info.filePath() + u' ' +
                               QString::number(info.lastModified().toMSecsSinceEpoch()) + u' ' +
                               QString::number(info.size());
            }
        }
        return entries;
    };
    const QStringList before = listing();
    {
        ProgramRun second(kProgram, homes.config(), {}, homes.environment());
        QVERIFY(second.process().waitForFinished(kWaitMs));
        QCOMPARE(second.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.process().exitCode(), 0);
        QVERIFY2(second.output().isEmpty(), qPrintable(second.output()));
    }
    QCOMPARE(listing(), before);
    QVERIFY(first.alive());
    QVERIFY(typeInto(windows->palette, QStringLiteral("ctrl+shift+n")));
    QVERIFY(
        pollUntil([&] { return windowName(windows->board) == "Hueriddle (without replacement)"; }));

    QCOMPARE(::kill(pid_t(first.process().processId()), SIGKILL), 0);
    QVERIFY(first.process().waitForFinished(kWaitMs));
    ProgramRun third(kProgram, homes.config(), {}, homes.environment());
    const std::optional<GameWindows> again = waitForWindowsApart(third);
    QVERIFY2(again, qPrintable(third.output()));
    const QString failure = quitWithCtrlQ(third, again->board);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

QTEST_MAIN(TestKeptGame)
#include "tst_keptgame.moc"
