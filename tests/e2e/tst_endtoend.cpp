#include "support/FailOnWarnings.h"
#include "support/GameDriver.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <array>

using namespace e2e;

class TestEndToEnd : public FailOnWarnings
{
    Q_OBJECT

private slots:
    void initTestCase();
    void playAGame();
    void framesRestoredAtTheNextStart();
    void keysFollowThePalette();
    void noDisplay_data();
    void noDisplay();

private:
    // Drags colour `code` from the palette onto a peg of the board and waits
    // until the peg shows it.
    void dropColour(const QRect &palette, int code, QPoint pegTopLeft);
    // Chooses "Game" > `item` from the board window's menu bar with the mouse.
    void chooseFromGameMenu(ProgramRun &run, const QRect &board, const QString &item);
    // Answers the alert titled by `titlePattern` with Enter; returns its title.
    QString answerAlert(ProgramRun &run, const QString &titlePattern);
    void quit(ProgramRun &run, const QString &window);

    // A started game's windows, the palette moved beside the board so that
    // it covers nothing, and the board found on screen.
    struct Shown {
        QString board;
        QString palette;
        QRect boardRect;
        QRect paletteRect;
        BoardLayout layout;
    };
    void showBesideEachOther(ProgramRun &run, Shown &shown);
};

void TestEndToEnd::initTestCase()
{
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty(),
             "xdotool is needed (scripts/install-deps.sh installs it)");
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QVERIFY(QFileInfo(kProgram).isExecutable());
}

void TestEndToEnd::dropColour(const QRect &palette, int code, QPoint pegTopLeft)
{
    QVERIFY(drag(BoardLayout::centre(palettePeg(palette, code)), BoardLayout::centre(pegTopLeft)));
    QVERIFY2(pollUntil([&] { return codeAt(screenshot(), pegTopLeft) == code; }),
             qPrintable(QStringLiteral("colour %1 did not arrive").arg(code)));
}

void TestEndToEnd::chooseFromGameMenu(ProgramRun &run, const QRect &board, const QString &item)
{
    const QString failure = e2e::chooseFromGameMenu(run, board, item);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

QString TestEndToEnd::answerAlert(ProgramRun &run, const QString &titlePattern)
{
    return e2e::answerAlert(run, titlePattern);
}

void TestEndToEnd::quit(ProgramRun &run, const QString &window)
{
    const QString failure = quitWithCtrlQ(run, window);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void TestEndToEnd::showBesideEachOther(ProgramRun &run, Shown &shown)
{
    const std::optional<QString> board = run.waitForWindow(kWithReplacement);
    const std::optional<QString> palette = run.waitForWindow(kPaletteTitle);
    QVERIFY2(board && palette, qPrintable(run.output()));
    shown.board = *board;
    shown.palette = *palette;

    const std::optional<QRect> boardRect = windowGeometry(*board);
    QVERIFY(boardRect);
    shown.boardRect = *boardRect;
    QVERIFY(moveWindow(*palette, QPoint(boardRect->right() + 40, boardRect->top() + 100)));
    const std::optional<QRect> paletteRect = windowGeometry(*palette);
    QVERIFY(paletteRect);
    shown.paletteRect = *paletteRect;

    std::optional<BoardLayout> found;
    QVERIFY2(pollUntil([&] { return (found = locateBoard(screenshot(), *boardRect)).has_value(); }),
             "no board of eight rows with their scores and the answer row below");
    shown.layout = *found;
}

void TestEndToEnd::playAGame()
{
    QTemporaryDir config;
    ProgramRun run(kProgram, config.path());
    Shown game;
    showBesideEachOther(run, game);
    if (QTest::currentTestFailed())
        return;
    const BoardLayout &layout = game.layout;
    // Each score stands 60 pixels right of its row; the answer row is flush
    // with the rows, below them.
    QCOMPARE(layout.scores.x() - (layout.topRow.x() + rules::kPositions * kPeg), 60);
    QCOMPARE(layout.answerRow.x(), layout.topRow.x());
    QVERIFY(layout.answerRow.y() >= layout.topRow.y() + rules::kRows * kPeg);
    QCOMPARE(activeRow(screenshot(), layout), 7);

    // Row 7 by hand. Should it hit the secret (one game in 1296), a new game
    // gives another try.
    const rules::Combination hand = {4, 2, 1, 6};
    bool playedOn = false;
    for (int attempt = 0; attempt < 3 && !playedOn; ++attempt) {
        for (int position = 0; position < 3; ++position)
            dropColour(game.paletteRect, hand[position], layout.peg(7, position));

        // Three pegs are not a row: the alert is answered with Enter, and the
        // row stays as it was.
        QVERIFY(typeInto(game.palette, QStringLiteral("ctrl+c")));
        QCOMPARE(answerAlert(run, kAlert), QStringLiteral("Alert"));
        QImage shot = screenshot();
        QCOMPARE(codesAt(shot, layout, 7), (rules::Combination{4, 2, 1, 0}));
        QCOMPARE(activeRow(shot, layout), 7);
        QCOMPARE(scoreAt(shot, layout, 7), std::optional<rules::Score>(rules::Score{0, 0}));

        dropColour(game.paletteRect, hand[3], layout.peg(7, 3));
        QVERIFY(typeInto(game.palette, QStringLiteral("ctrl+c")));
        QVERIFY(pollUntil([&] {
            return activeRow(screenshot(), layout) == 6 || run.findWindow(kGameEnd).has_value();
        }));
        if (run.findWindow(kGameEnd)) {
            QCOMPARE(answerAlert(run, kGameEnd), QStringLiteral("Congratulations!"));
            QVERIFY(typeInto(game.palette, QStringLiteral("ctrl+n")));
            QVERIFY(pollUntil([&] { return activeRow(screenshot(), layout) == 7; }));
            continue;
        }
        playedOn = true;
    }
    QVERIFY(playedOn);
    QImage shot = screenshot();
    QCOMPARE(codesAt(shot, layout, 7), hand);
    QVERIFY(scoreAt(shot, layout, 7).has_value());

    // A colour taken from the committed row onto the active row; the
    // committed peg keeps it.
    QVERIFY(drag(BoardLayout::centre(layout.peg(7, 0)), BoardLayout::centre(layout.peg(6, 2))));
    QVERIFY(pollUntil([&] { return codeAt(screenshot(), layout.peg(6, 2)) == hand[0]; }));
    QCOMPARE(codeAt(screenshot(), layout.peg(7, 0)), hand[0]);

    // "Move" from the menu until the game ends.
    QString ending;
    for (int move = 0; move < 7 && ending.isEmpty(); ++move) {
        const int row = activeRow(screenshot(), layout);
        QVERIFY(row >= 0);
        chooseFromGameMenu(run, game.boardRect, QStringLiteral("Move"));
        // Either the next row becomes active, or the game ends with an alert.
        QVERIFY2(pollUntil([&] {
                     const int now = activeRow(screenshot(), layout);
                     return (now >= 0 && now == row - 1) || run.findWindow(kGameEnd).has_value();
                 }),
                 "Move played no row");
        if (run.findWindow(kGameEnd))
            ending = answerAlert(run, kGameEnd);
    }
    QVERIFY2(ending == QStringLiteral("Congratulations!") || ending == QStringLiteral("Game over."),
             qPrintable(ending));

    // The secret shows in the answer row, and every row's drawn score is the
    // score of its colours against it.
    rules::Combination secret{};
    QVERIFY(pollUntil([&] {
        secret = codesAt(screenshot(), layout, -1);
        return std::find(secret.begin(), secret.end(), 0) == secret.end();
    }));
    shot = screenshot();
    QCOMPARE(activeRow(shot, layout), -1);
    int played = 0;
    for (int row = rules::kRows - 1; row >= 0; --row) {
        const rules::Combination guess = codesAt(shot, layout, row);
        if (guess == rules::Combination{0, 0, 0, 0})
            break;
        QVERIFY(std::find(guess.begin(), guess.end(), 0) == guess.end());
        QCOMPARE(scoreAt(shot, layout, row), std::optional(rules::score(secret, guess)));
        ++played;
    }
    QVERIFY(played >= 2);
    qInfo("%s after %d rows; the secret was %d %d %d %d", qPrintable(ending), played, secret[0],
          secret[1], secret[2], secret[3]);
    QCOMPARE(scoreAt(shot, layout, rules::kRows - played)->black == 4,
             ending == QStringLiteral("Congratulations!"));

    // A new game without replacement from the keyboard: the title says so and
    // the board is clear.
    QVERIFY(typeInto(game.palette, QStringLiteral("ctrl+shift+n")));
    QVERIFY(pollUntil([&] {
        return windowName(game.board) == QStringLiteral("Hueriddle (without replacement)");
    }));
    QVERIFY(pollUntil([&] { return activeRow(screenshot(), layout) == 7; }));
    shot = screenshot();
    for (int row = -1; row < rules::kRows; ++row)
        QCOMPARE(codesAt(shot, layout, row), (rules::Combination{0, 0, 0, 0}));
    for (int row = 0; row < rules::kRows; ++row)
        QCOMPARE(scoreAt(shot, layout, row), std::optional<rules::Score>(rules::Score{0, 0}));

    quit(run, game.palette);
    for (const QString &key :
         {QStringLiteral("HueRiddlesMain"), QStringLiteral("HueRiddlesPalette")})
        QVERIFY2(savedPosition(run.settingsFile(), key).has_value(), qPrintable(key));
}

void TestEndToEnd::framesRestoredAtTheNextStart()
{
    QTemporaryDir config;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint boardAt(120, 80);
    const QPoint paletteAt(600, 400);
    {
        ProgramRun first(kProgram, config.path());
        const std::optional<QString> board = first.waitForWindow(kWithReplacement);
        const std::optional<QString> palette = first.waitForWindow(QStringLiteral("^Palette$"));
        QVERIFY2(board && palette, qPrintable(first.output()));

        // A first run: the board in the lower-left corner of the screen,
        // the palette beside it, bottoms aligned, with the keyboard focus.
        const QRect boardRect = windowGeometry(*board).value_or(QRect());
        const QRect paletteRect = windowGeometry(*palette).value_or(QRect());
        QCOMPARE(boardRect.bottomLeft(), screen.bottomLeft());
        QCOMPARE(paletteRect.bottomLeft(), boardRect.bottomRight() + QPoint(1, 0));
        QVERIFY(pollUntil([&] { return xdotool({"getwindowfocus"}) == *palette; }));
        QVERIFY(pollUntil([&] { return codeAt(screenshot(), palettePeg(paletteRect, 1)) == 1; }));

        QVERIFY(moveWindow(*board, boardAt));
        QVERIFY(moveWindow(*palette, paletteAt));
        quit(first, *board);
        QCOMPARE(savedPosition(first.settingsFile(), QStringLiteral("HueRiddlesMain")),
                 std::optional(boardAt));
        QCOMPARE(savedPosition(first.settingsFile(), QStringLiteral("HueRiddlesPalette")),
                 std::optional(paletteAt));
    }

    ProgramRun second(kProgram, config.path());
    const std::optional<QString> board = second.waitForWindow(kWithReplacement);
    const std::optional<QString> palette = second.waitForWindow(QStringLiteral("^Palette$"));
    QVERIFY2(board && palette, qPrintable(second.output()));
    QCOMPARE(windowGeometry(*board).value_or(QRect()).topLeft(), boardAt);
    QCOMPARE(windowGeometry(*palette).value_or(QRect()).topLeft(), paletteAt);
    quit(second, *palette);
}

// The digits, typed as a player types them, put the colours in the order the
// palette shows them: 1 red, 2 green, 3 yellow above 4 blue, 5 magenta,
// 6 cyan; the keypad's digits too.
void TestEndToEnd::keysFollowThePalette()
{
    QTemporaryDir config;
    ProgramRun run(kProgram, config.path());
    Shown game;
    showBesideEachOther(run, game);
    if (QTest::currentTestFailed())
        return;
    const BoardLayout &layout = game.layout;

    // What the palette shows, upper row left to right, then the lower row.
    const QImage shown = screenshot();
    const QPoint upperLeft = game.paletteRect.topLeft();
    std::array<int, 6> shownInReadingOrder{};
    for (int place = 0; place < 6; ++place)
        shownInReadingOrder[place] =
            codeAt(shown, upperLeft + QPoint(kPeg * (place % 3), kPeg * (place / 3)));
    QCOMPARE(shownInReadingOrder, (std::array<int, 6>{4, 2, 6, 1, 5, 3}));

    const struct {
        const char *keys;
        rules::Combination row;
    } typed[] = {
        {"1 2 3 4", {4, 2, 6, 1}},
        {"BackSpace BackSpace BackSpace BackSpace 5 6", {5, 3, 0, 0}},
        {"KP_1 KP_3", {5, 3, 4, 6}},
        {"BackSpace BackSpace BackSpace KP_4 KP_5 KP_6", {5, 1, 5, 3}},
        {"BackSpace BackSpace BackSpace BackSpace KP_2", {2, 0, 0, 0}},
    };
    for (const auto &each : typed) {
        for (const QString &key : QString::fromLatin1(each.keys).split(u' '))
            QVERIFY(typeInto(game.palette, key));
        QVERIFY2(pollUntil([&] { return codesAt(screenshot(), layout, 7) == each.row; }),
                 each.keys);
    }
    quit(run, game.palette);
}

void TestEndToEnd::noDisplay_data()
{
    QTest::addColumn<QString>("display");
    QTest::newRow("DISPLAY not set") << QString();
    QTest::newRow("DISPLAY names no X server") << QStringLiteral(":4321");
}

void TestEndToEnd::noDisplay()
{
    QFETCH(QString, display);

    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    if (!display.isEmpty())
        environment.insert(QStringLiteral("DISPLAY"), display);
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());

    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(kProgram, {});
    QVERIFY(process.waitForFinished(kWaitMs));
    const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QVERIFY2(process.exitCode() == 1, qPrintable(errors));
    const QStringList lines = errors.split(u'\n', Qt::SkipEmptyParts);
    QVERIFY2(lines.size() == 1, qPrintable(errors));
    QVERIFY2(lines.front().startsWith(QStringLiteral("hueriddle: ")), qPrintable(errors));
    QVERIFY2(lines.front().contains(QStringLiteral("display"), Qt::CaseInsensitive),
             qPrintable(errors));
    QVERIFY(process.readAllStandardOutput().isEmpty());
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
