#include "app/commands/HelpWindow.h"
#include "support/AppFixture.h"
#include "support/FailOnWarnings.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace
{

struct Row {
    QString keys;
    QString action;
};

// The rows of the help's key table, as the reader sees them.
QList<Row> keyRows(const QTextDocument &document)
{
    QList<Row> rows;
    for (QTextFrame *frame : document.rootFrame()->childFrames()) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table || table->columns() != 2)
            continue;
        for (int r = 0; r < table->rows(); ++r) {
            const auto text = [&](int column) {
                const QTextTableCell cell = table->cellAt(r, column);
                QTextCursor cursor = cell.firstCursorPosition();
                cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
                return cursor.selectedText().trimmed();
            };
            rows.append({text(0), text(1)});
        }
    }
    return rows;
}

// A key of the running program: the text the player reads for its first
// shortcut, and where it is found.
struct ProgramKey {
    QString keys;
    QString where; // a menu path, or "key of play <n>"
};

void collectMenuKeys(const QList<QAction *> &actions, const QString &prefix,
                     QList<ProgramKey> &keys)
{
    for (QAction *action : actions) {
        const QString path = prefix.isEmpty() ? action->text() : prefix + " > " + action->text();
        if (!action->shortcut().isEmpty())
            keys.append({action->shortcut().toString(QKeySequence::NativeText), path});
        if (QMenu *menu = action->menu())
            collectMenuKeys(menu->actions(), path, keys);
    }
}

// Every key the running program answers: those of the board window's real
// menu, then its keys of play (the actions of the window itself).
QList<ProgramKey> programKeys(const AppController &controller)
{
    QList<ProgramKey> keys;
    if (auto *bar = controller.window->findChild<QMenuBar *>())
        collectMenuKeys(bar->actions(), QString(), keys);
    int index = 0;
    for (QAction *action : controller.window->actions())
        keys.append({action->shortcut().toString(QKeySequence::NativeText),
                     QStringLiteral("key of play %1").arg(index++)});
    return keys;
}

} // namespace

class TestHelpWindow : public FailOnWarnings
{
    Q_OBJECT

private slots:
    void menuAndHelpNameTheSameKeys();
    void listsEveryKey_data();
    void listsEveryKey();
    void explainsHowToPlay_data();
    void explainsHowToPlay();
    void showForKeepsOneWindow();
};

void TestHelpWindow::menuAndHelpNameTheSameKeys()
{
    IsolatedSettings settings;
    RecordingAppController controller;
    controller.applicationDidFinishLaunching();
    HelpWindow *window = HelpWindow::showFor(controller.window);
    QVERIFY(window);

    const QList<ProgramKey> keys = programKeys(controller);
    const QList<Row> rows = keyRows(*window->browser()->document());
    QVERIFY(!keys.isEmpty());
    QVERIFY(!rows.isEmpty());
    QStringList missingFromHelp;
    for (const ProgramKey &key : keys) {
        const auto named = [&](const Row &row) { return row.keys == key.keys; };
        if (std::count_if(rows.begin(), rows.end(), named) != 1)
            missingFromHelp << key.keys + " (" + key.where + ")";
    }
    QStringList missingFromProgram;
    for (const Row &row : rows) {
        const auto answered = [&](const ProgramKey &key) { return key.keys == row.keys; };
        if (std::count_if(keys.begin(), keys.end(), answered) != 1)
            missingFromProgram << row.keys + " (" + row.action + ")";
    }
    QVERIFY2(missingFromHelp.isEmpty(),
             qPrintable("not once in the help: " + missingFromHelp.join(", ")));
    QVERIFY2(missingFromProgram.isEmpty(),
             qPrintable("not once in the program: " + missingFromProgram.join(", ")));
}

void TestHelpWindow::listsEveryKey_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("action");

    QTest::newRow("Ctrl+N starts a game with replacement") << "Game > New game > With replacement"
                                                           << "new game with replacement";
    QTest::newRow("Ctrl+Shift+N starts a game without replacement")
        << "Game > New game > Without replacement"
        << "new game without replacement";
    QTest::newRow("Ctrl+C commits") << "Game > Commit"
                                    << "commit the active row";
    QTest::newRow("Ctrl+H hides") << "Hide"
                                  << "hide";
    QTest::newRow("Ctrl+Q quits") << "Quit"
                                  << "quit";
    QTest::newRow("Ctrl+? shows the help") << "Info > Help..."
                                           << "help";
    QTest::newRow("1 puts red") << "key of play 0"
                                << "put red on the first empty peg of the active row";
    QTest::newRow("2 puts green") << "key of play 1"
                                  << "put green on the first empty peg";
    QTest::newRow("3 puts yellow") << "key of play 2"
                                   << "put yellow on the first empty peg";
    QTest::newRow("4 puts blue") << "key of play 3"
                                 << "put blue on the first empty peg";
    QTest::newRow("5 puts magenta") << "key of play 4"
                                    << "put magenta on the first empty peg";
    QTest::newRow("6 puts cyan") << "key of play 5"
                                 << "put cyan on the first empty peg";
    QTest::newRow("Backspace empties the rightmost filled peg")
        << "key of play 6"
        << "empty the rightmost filled peg of the active row";
}

// Each key of the running program has one row in the help, which says what the
// key does there.
void TestHelpWindow::listsEveryKey()
{
    QFETCH(QString, where);
    QFETCH(QString, action);

    IsolatedSettings settings;
    RecordingAppController controller;
    controller.applicationDidFinishLaunching();
    QString keys;
    for (const ProgramKey &key : programKeys(controller))
        if (key.where == where)
            keys = key.keys;
    QVERIFY2(!keys.isEmpty(), qPrintable("no key at " + where));

    HelpWindow window;
    const QList<Row> rows = keyRows(*window.browser()->document());
    QList<Row> matching;
    for (const Row &row : rows) {
        if (row.keys == keys)
            matching.append(row);
    }
    QVERIFY2(matching.size() == 1,
             qPrintable(QStringLiteral("%1 rows for %2").arg(matching.size()).arg(keys)));
    QVERIFY2(matching.first().action.contains(action, Qt::CaseInsensitive),
             qPrintable(keys + QStringLiteral(": ") + matching.first().action));
}

void TestHelpWindow::explainsHowToPlay_data()
{
    QTest::addColumn<QString>("passage");

    QTest::newRow("the secret") << "secret row of four colors out of six";
    QTest::newRow("dragging from the palette") << "Drag a color from the Palette window";
    QTest::newRow("committing through the menu") << "choose Game > Commit";
    QTest::newRow("the score") << "a white key peg for every further color";
    QTest::newRow("the variant with replacement")
        << "With replacement: colors may repeat in the secret";
    QTest::newRow("the variant without replacement")
        << "Without replacement: the secret has four different colors";
    QTest::newRow("starting a game") << "Start a game of either kind from Game > New game";
    QTest::newRow("the computer's move") << "Game > Move plays the active row for you";
    QTest::newRow("where the preferences are") << "Info > Preferences... has the options below";
    QTest::newRow("colour marks, with every shape")
        << "Color marks: every colored peg carries a black or white mark whose shape tells its "
           "color, for players who tell some of the colors apart poorly. Red has a triangle "
           "pointing up, green a cross, yellow a triangle pointing down, blue two horizontal "
           "bars, magenta a ring and cyan two vertical bars.";
    QTest::newRow("outlined key pegs")
        << "Outlined key pegs: every white key peg gets a dark outline";
    QTest::newRow("the count of possible secrets")
        << "Show how many secrets are still possible: during a game, the title of the board's "
           "box tells how many secrets still agree";
    QTest::newRow("resuming an unfinished game")
        << "Resume an unfinished game: a game left unfinished when the program ends, even by a "
           "logout or a crash, comes back as it was at the next start. This option alone is on "
           "at first.";
    QTest::newRow("the statistics window") << "Info > Statistics... shows, for each variant";
    QTest::newRow("the reset keeps the history") << "moves the history aside";
    QTest::newRow("the scores explain a finished game")
        << "each score's tooltip tells how many secrets were still possible";
}

void TestHelpWindow::explainsHowToPlay()
{
    QFETCH(QString, passage);

    HelpWindow window;
    const QString text = window.browser()->toPlainText().simplified();
    QVERIFY2(text.contains(passage), qPrintable(passage));
    // A placeholder left unfilled would show as "%1" to the reader.
    QVERIFY2(!text.contains(QLatin1Char('%')), qPrintable(text));
}

void TestHelpWindow::showForKeepsOneWindow()
{
    QWidget board;
    QPointer<HelpWindow> first = HelpWindow::showFor(&board);
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QCOMPARE(first->windowTitle(), QStringLiteral("Hueriddle Help"));
    QCOMPARE(first->isModal(), false);

    QCOMPARE(HelpWindow::showFor(&board), first.data());

    first->close();
    QTRY_VERIFY(first.isNull());

    QPointer<HelpWindow> second = HelpWindow::showFor(&board);
    QVERIFY(second);
    QVERIFY(second->isVisible());
    delete second;
}

QTEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"
