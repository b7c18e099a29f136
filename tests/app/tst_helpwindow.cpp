#include "FailOnWarnings.h"
#include "app/HelpWindow.h"

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

} // namespace

class TestHelpWindow : public FailOnWarnings
{
    Q_OBJECT

private slots:
    void listsEveryKey_data();
    void listsEveryKey();
    void explainsHowToPlay_data();
    void explainsHowToPlay();
    void showForKeepsOneWindow();
};

void TestHelpWindow::listsEveryKey_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("action");

    QTest::newRow("Ctrl+N starts a game with replacement") << "Ctrl+N"
                                                           << "new game with replacement";
    QTest::newRow("Ctrl+Shift+N starts a game without replacement")
        << "Ctrl+Shift+N"
        << "new game without replacement";
    QTest::newRow("Ctrl+C commits") << "Ctrl+C"
                                    << "commit the active row";
    QTest::newRow("Ctrl+H hides") << "Ctrl+H"
                                  << "hide";
    QTest::newRow("Ctrl+Q quits") << "Ctrl+Q"
                                  << "quit";
    QTest::newRow("Ctrl+? shows the help") << "Ctrl+?"
                                           << "help";
    QTest::newRow("1 puts red") << "1"
                                << "put red on the first empty peg of the active row";
    QTest::newRow("2 puts green") << "2"
                                  << "put green on the first empty peg";
    QTest::newRow("3 puts yellow") << "3"
                                   << "put yellow on the first empty peg";
    QTest::newRow("4 puts blue") << "4"
                                 << "put blue on the first empty peg";
    QTest::newRow("5 puts magenta") << "5"
                                    << "put magenta on the first empty peg";
    QTest::newRow("6 puts cyan") << "6"
                                 << "put cyan on the first empty peg";
    QTest::newRow("Backspace empties the last filled peg")
        << "Backspace"
        << "empty the last filled peg of the active row";
}

void TestHelpWindow::listsEveryKey()
{
    QFETCH(QString, keys);
    QFETCH(QString, action);

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
    QTest::newRow("where the preferences are")
        << "Info > Preferences... has two options, both off at first";
    QTest::newRow("colour marks, with every shape")
        << "Color marks: every colored peg carries a black or white mark whose shape tells its "
           "color, for players who tell some of the colors apart poorly. Red has a triangle "
           "pointing up, green a cross, yellow a triangle pointing down, blue two horizontal "
           "bars, magenta a ring and cyan two vertical bars.";
    QTest::newRow("outlined key pegs")
        << "Outlined key pegs: every white key peg gets a dark outline";
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
