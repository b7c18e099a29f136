// A whole game of the real program under valgrind's memcheck, on a real X
// server: a colour dragged from the palette, three placed from the keyboard,
// a commit, then "Move" from the menu until the game ends, the alert
// answered, the help window opened and closed, a new game without
// replacement with one more "Move", and Ctrl+Q. Memcheck must find no invalid
// read or write, no use of uninitialised values and no definite leak outside
// the libraries named in valgrind.supp, and the program ends with status 0.

#include "support/FailOnWarnings.h"
#include "support/GameDriver.h"

#include <QTest>
#include <cstdio>

#ifndef HUERIDDLE_VALGRIND_SUPPRESSIONS
#error "HUERIDDLE_VALGRIND_SUPPRESSIONS must name the suppression file"
#endif

using namespace e2e;

namespace
{

constexpr int kErrorStatus = 99;
// Everything runs tens of times slower under memcheck.
constexpr int kSlowMs = 90000;

} // namespace

class TestValgrind : public FailOnWarnings
{
    Q_OBJECT

private slots:
    void initTestCase();
    void wholeGameUnderMemcheck();
};

void TestValgrind::initTestCase()
{
    for (const char *tool : {"xdotool", "valgrind"})
        QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty(),
                 qPrintable(QStringLiteral("%1 is needed (scripts/install-deps.sh installs it)")
                                .arg(QString::fromLatin1(tool))));
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QVERIFY(QFileInfo(kProgram).isExecutable());
}

void TestValgrind::wholeGameUnderMemcheck()
{
    QTemporaryDir config;
    const QString log = config.filePath(QStringLiteral("memcheck.log"));
    ProgramRun run(
        QStringLiteral("valgrind"), config.path(),
        {QStringLiteral("--tool=memcheck"), QStringLiteral("--leak-check=full"),
         QStringLiteral("--show-leak-kinds=definite"),
         QStringLiteral("--errors-for-leak-kinds=definite"),
         QStringLiteral("--error-exitcode=%1").arg(kErrorStatus),
         // libdbus forks a helper; its copy of the memory is not ours.
         QStringLiteral("--child-silent-after-fork=yes"), QStringLiteral("--num-callers=40"),
         QStringLiteral("--suppressions=") + QStringLiteral(HUERIDDLE_VALGRIND_SUPPRESSIONS),
         QStringLiteral("--log-file=") + log, kProgram});
    const auto memcheckLog = [&] {
        QFile file(log);
        return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll())
                                              : QStringLiteral("(no log)");
    };

    const std::optional<QString> board = run.waitForWindow(kWithReplacement, kSlowMs);
    const std::optional<QString> palette = run.waitForWindow(kPaletteTitle, kSlowMs);
    QVERIFY2(board && palette, qPrintable(run.output() + memcheckLog()));
    QVERIFY(moveWindow(*board, QPoint(50, 50)));
    QVERIFY(moveWindow(*palette, QPoint(600, 100)));
    const QRect boardRect = windowGeometry(*board).value_or(QRect());
    const QRect paletteRect = windowGeometry(*palette).value_or(QRect());
    std::optional<BoardLayout> found;
    QVERIFY(pollUntil([&] { return (found = locateBoard(screenshot(), boardRect)).has_value(); },
                      kSlowMs));
    const BoardLayout layout = *found;

    // Row 7 by hand: red dragged from the palette, then green, blue and
    // yellow from the keyboard (keys 2, 4, 3 in the palette's reading order),
    // committed with Ctrl+C.
    QVERIFY(drag(BoardLayout::centre(palettePeg(paletteRect, 4)),
                 BoardLayout::centre(layout.peg(7, 0))));
    QVERIFY(pollUntil([&] { return codeAt(screenshot(), layout.peg(7, 0)) == 4; }, kSlowMs));
    for (const char *key : {"2", "4", "3"})
        QVERIFY(typeInto(*palette, QString::fromLatin1(key)));
    QVERIFY(pollUntil([&] { return codeAt(screenshot(), layout.peg(7, 3)) == 6; }, kSlowMs));
    QVERIFY(typeInto(*palette, QStringLiteral("ctrl+c")));
    QVERIFY(pollUntil(
        [&] {
            return activeRow(screenshot(), layout) == 6 || run.findWindow(kGameEnd).has_value();
        },
        kSlowMs));

    // "Move" from the menu until the game ends.
    QString ending;
    for (int move = 0; move < 8 && ending.isEmpty(); ++move) {
        if (run.findWindow(kGameEnd)) {
            ending = answerAlert(run, kGameEnd, kSlowMs);
            break;
        }
        const int row = activeRow(screenshot(), layout);
        QVERIFY(row >= 0);
        const QString failure = chooseFromGameMenu(run, boardRect, QStringLiteral("Move"), kSlowMs);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY2(pollUntil(
                     [&] {
                         return activeRow(screenshot(), layout) == row - 1 ||
                                run.findWindow(kGameEnd).has_value();
                     },
                     kSlowMs),
                 "Move played no row");
        if (run.findWindow(kGameEnd))
            ending = answerAlert(run, kGameEnd, kSlowMs);
    }
    QVERIFY2(ending == QStringLiteral("Congratulations!") || ending == QStringLiteral("Game over."),
             qPrintable(ending));
    QVERIFY(pollUntil([&] { return codesAt(screenshot(), layout, -1)[0] != 0; }, kSlowMs));

    // The help window, a new game of the other variant and a move
    // in it.
    QVERIFY(typeInto(*palette, QStringLiteral("ctrl+question")));
    const std::optional<QString> help =
        run.waitForWindow(QStringLiteral("^Hueriddle Help$"), kSlowMs);
    QVERIFY(help);
    QVERIFY(typeInto(*help, QStringLiteral("Escape")));
    QVERIFY(pollUntil([&] { return !run.visibleWindows().contains(*help); }, kSlowMs));
    QVERIFY(typeInto(*palette, QStringLiteral("ctrl+shift+n")));
    QVERIFY(pollUntil(
        [&] { return windowName(*board) == QStringLiteral("Hueriddle (without replacement)"); },
        kSlowMs));
    QVERIFY(pollUntil([&] { return activeRow(screenshot(), layout) == 7; }, kSlowMs));
    const QString failure = chooseFromGameMenu(run, boardRect, QStringLiteral("Move"), kSlowMs);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(pollUntil(
        [&] {
            return activeRow(screenshot(), layout) == 6 || run.findWindow(kGameEnd).has_value();
        },
        kSlowMs));
    if (run.findWindow(kGameEnd))
        QVERIFY(!answerAlert(run, kGameEnd, kSlowMs).isEmpty());

    QVERIFY(typeInto(*board, QStringLiteral("ctrl+q")));
    QVERIFY2(run.process().waitForFinished(kSlowMs), "Ctrl+Q did not end the program");
    const QString report = memcheckLog();
    const bool clean = run.process().exitStatus() == QProcess::NormalExit &&
                       run.process().exitCode() == 0 &&
                       report.contains(QStringLiteral("ERROR SUMMARY: 0 errors"));
    if (!clean)
        std::fputs(qPrintable(report), stderr);
    QVERIFY2(run.process().exitStatus() == QProcess::NormalExit, "the program crashed");
    QVERIFY2(run.process().exitCode() != kErrorStatus, "memcheck found errors (its log is above)");
    QCOMPARE(run.process().exitCode(), 0);
    QVERIFY(report.contains(QStringLiteral("ERROR SUMMARY: 0 errors")));
    for (const QString &line : report.split(u'\n'))
        if (line.contains(QStringLiteral("definitely lost:")) ||
            line.contains(QStringLiteral("ERROR SUMMARY:")))
            qInfo("%s", qPrintable(line));
}

QTEST_MAIN(TestValgrind)
#include "tst_valgrind.moc"
