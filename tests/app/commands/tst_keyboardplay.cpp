#include "app/commands/HelpWindow.h"
#include "app/commands/KeyboardPlay.h"
#include "dnd/DestinationPeg.h"
#include "support/AppFixture.h"
#include "support/FailOnWarnings.h"
#include "views/ColorCodes.h"
#include "views/Peg.h"
#include "views/Result.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QTest>
#include <QWindow>

namespace
{

using Codes = QList<int>;

constexpr int kTopRow = rules::kRows - 1;

// Presses `keys` on `target`: the digits as themselves, '<' as Backspace and
// 'k' before a digit for the numeric keypad's one.
void press(QWidget *target, const QString &keys)
{
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    for (const QChar key : keys) {
        if (key == QLatin1Char('k')) {
            modifiers = Qt::KeypadModifier;
            continue;
        }
        if (key == QLatin1Char('<'))
            QTest::keyClick(target, Qt::Key_Backspace, modifiers);
        else
            QTest::keyClick(target, key.toLatin1(), modifiers);
        modifiers = Qt::NoModifier;
    }
}

void commitFrom(QWidget *target)
{
    QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
}

// Every board peg's code, the top row first, then the answer row's.
Codes boardCodes(const Controller &controller)
{
    Codes codes;
    for (int row = kTopRow; row >= 0; --row)
        for (const auto &peg : controller.pegs[row])
            codes << peg->cvalue();
    for (const auto &peg : controller.sol)
        codes << peg->cvalue();
    return codes;
}

Codes rowCodes(const Controller &controller, int row)
{
    Codes codes;
    for (const auto &peg : controller.pegs[row])
        codes << peg->cvalue();
    return codes;
}

bool rowIsEmpty(const Controller &controller, int row)
{
    return rowCodes(controller, row) == Codes(rules::kPositions, 0);
}

} // namespace

class TestKeyboardPlay : public FailOnWarnings
{
    Q_OBJECT

    void initTest() override;

private slots:
    void cleanup();
    void keysPlayTheActiveRow_data();
    void keysPlayTheActiveRow();
    void committedRowIsNeverTouched_data();
    void committedRowIsNeverTouched();
    void nothingOnceTheGameIsOver_data();
    void nothingOnceTheGameIsOver();
    void onlyTheGameWindowsTakeTheKeys_data();
    void onlyTheGameWindowsTakeTheKeys();
    void keysReadThePaletteLikeText_data();
    void keysReadThePaletteLikeText();

private:
    QWidget *activate(bool palette);

    std::unique_ptr<IsolatedSettings> m_settings;
    std::unique_ptr<RecordingAppController> m_controller;
};

void TestKeyboardPlay::initTest()
{
    m_settings = std::make_unique<IsolatedSettings>();
    m_controller = std::make_unique<RecordingAppController>();
    m_controller->applicationDidFinishLaunching();
    QVERIFY(QTest::qWaitForWindowActive(m_controller->palette));
}

void TestKeyboardPlay::cleanup()
{
    m_controller.reset();
    m_settings.reset();
}

QWidget *TestKeyboardPlay::activate(bool palette)
{
    QWidget *target = palette ? m_controller->palette.data() : m_controller->window.data();
    // As a click on the window does: QWidget::activateWindow() does nothing
    // for a window that Qt counts active already, as it counts every window
    // of the board's family while one of them has the focus.
    target->windowHandle()->requestActivate();
    if (!QTest::qWaitForWindowActive(target) ||
        !QTest::qWaitFor([&] { return QApplication::activeWindow() == target; }))
        return nullptr;
    return target;
}

void TestKeyboardPlay::keysPlayTheActiveRow_data()
{
    QTest::addColumn<bool>("fromPalette");
    QTest::addColumn<Codes>("before");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<Codes>("after");

    const struct {
        const char *name;
        Codes before;
        const char *keys;
        Codes after;
    } cases[] = {
        // 1 red (4), 2 green (2), 3 yellow (6), 4 blue (1), 5 magenta (5),
        // 6 cyan (3): the palette's upper row, then its lower row.
        {"each digit its colour", {0, 0, 0, 0}, "1234", {4, 2, 6, 1}},
        {"the other two colours", {0, 0, 0, 0}, "56", {5, 3, 0, 0}},
        {"a colour may repeat", {0, 0, 0, 0}, "4444", {1, 1, 1, 1}},
        {"a fifth key finds no empty peg", {0, 0, 0, 0}, "12345", {4, 2, 6, 1}},
        {"keys outside 1 to 6 do nothing", {0, 0, 0, 0}, "0789", {0, 0, 0, 0}},
        {"the keypad's digits", {0, 0, 0, 0}, "k3k6", {6, 3, 0, 0}},
        {"backspace empties the last filled peg", {0, 0, 0, 0}, "123<", {4, 2, 0, 0}},
        {"backspace then a colour", {0, 0, 0, 0}, "1234<<6", {4, 2, 3, 0}},
        {"backspace on an empty row", {0, 0, 0, 0}, "<<5", {5, 0, 0, 0}},
        {"gaps left by the mouse are filled first", {4, 0, 6, 0}, "12", {4, 4, 6, 2}},
        {"backspace skips a gap", {4, 0, 6, 0}, "<", {4, 0, 0, 0}},
        {"backspace down to nothing", {4, 0, 6, 0}, "<<<", {0, 0, 0, 0}},
    };
    for (bool fromPalette : {true, false})
        for (const auto &each : cases)
            QTest::addRow("%s, in the %s", each.name, fromPalette ? "palette" : "board window")
                << fromPalette << each.before << QString::fromLatin1(each.keys) << each.after;
}

void TestKeyboardPlay::keysPlayTheActiveRow()
{
    QFETCH(bool, fromPalette);
    QFETCH(Codes, before);
    QFETCH(QString, keys);
    QFETCH(Codes, after);

    RecordingAppController &controller = *m_controller;
    QWidget *target = activate(fromPalette);
    QVERIFY(target);
    // As drops would have left them.
    for (int position = 0; position < rules::kPositions; ++position)
        controller.pegs[kTopRow][position]->setColor(ColorCodes::colorOfCode(before[position]));

    press(target, keys);

    QCOMPARE(rowCodes(controller, kTopRow), after);
    // The colours are the palette's own, as a drop gives them.
    for (int position = 0; position < rules::kPositions; ++position)
        QCOMPARE(controller.pegs[kTopRow][position]->color(),
                 ColorCodes::colorOfCode(after[position]));
    for (int row = 0; row < kTopRow; ++row)
        QVERIFY(rowIsEmpty(controller, row));
    QCOMPARE(controller.currentRow, kTopRow);
    QVERIFY(controller.alerts.empty());
}

void TestKeyboardPlay::committedRowIsNeverTouched_data()
{
    QTest::addColumn<bool>("fromPalette");
    QTest::newRow("in the palette") << true;
    QTest::newRow("in the board window") << false;
}

void TestKeyboardPlay::committedRowIsNeverTouched()
{
    QFETCH(bool, fromPalette);

    RecordingAppController &controller = *m_controller;
    QWidget *target = activate(fromPalette);
    QVERIFY(target);
    controller.combo = {1, 1, 1, 1};

    press(target, QStringLiteral("1234"));
    commitFrom(target);
    QVERIFY(controller.alerts.empty());
    QCOMPARE(controller.currentRow, kTopRow - 1);
    QCOMPARE(controller.res[kTopRow]->black(), 1);
    QCOMPARE(controller.res[kTopRow]->white(), 0);

    // More Backspaces than the new row has pegs, then colours: only the new
    // row changes.
    press(target, QStringLiteral("<<<<<"));
    QCOMPARE(rowCodes(controller, kTopRow), Codes({4, 2, 6, 1}));
    press(target, QStringLiteral("65"));
    QCOMPARE(rowCodes(controller, kTopRow), Codes({4, 2, 6, 1}));
    QCOMPARE(rowCodes(controller, kTopRow - 1), Codes({3, 5, 0, 0}));

    // An incomplete row is still refused by Ctrl+C.
    commitFrom(target);
    QCOMPARE(controller.alerts.size(), std::size_t(1));
    QCOMPARE(controller.alerts.front().message, QStringLiteral("All four colors must be set."));
    QCOMPARE(controller.currentRow, kTopRow - 1);
}

void TestKeyboardPlay::nothingOnceTheGameIsOver_data()
{
    QTest::addColumn<bool>("fromPalette");
    QTest::addColumn<bool>("win");
    for (bool fromPalette : {true, false}) {
        const char *where = fromPalette ? "palette" : "board window";
        QTest::addRow("won in the %s", where) << fromPalette << true;
        QTest::addRow("lost in the %s", where) << fromPalette << false;
    }
}

// A whole game played with the keys alone, then the keys once it is over.
void TestKeyboardPlay::nothingOnceTheGameIsOver()
{
    QFETCH(bool, fromPalette);
    QFETCH(bool, win);

    RecordingAppController &controller = *m_controller;
    QWidget *target = activate(fromPalette);
    QVERIFY(target);
    controller.combo = {3, 1, 4, 1};

    // Won on the third row, with rows left below it; lost on the last.
    const int lastRow = win ? kTopRow - 2 : 0;
    for (int row = kTopRow; row > lastRow; --row) {
        press(target, QStringLiteral("2256"));
        commitFrom(target);
        QCOMPARE(controller.currentRow, row - 1);
    }
    // Cyan, blue, red, blue.
    press(target, win ? QStringLiteral("6414") : QStringLiteral("1314"));
    commitFrom(target);
    QVERIFY(controller.done);
    QCOMPARE(controller.alerts.size(), std::size_t(1));
    QCOMPARE(controller.alerts.front().title,
             win ? QStringLiteral("Congratulations!") : QStringLiteral("Game over."));

    const Codes over = boardCodes(controller);
    QCOMPARE(over.mid(rules::kRows * rules::kPositions), Codes({3, 1, 4, 1}));
    press(target, QStringLiteral("<1<6k2<<"));
    QCOMPARE(boardCodes(controller), over);
    QVERIFY(!controller.placeColor(1));
    QVERIFY(!controller.emptyLastPeg());
    QCOMPARE(boardCodes(controller), over);

    // A new game takes the keys again, on its top row.
    QTest::keyClick(target, Qt::Key_N, Qt::ControlModifier);
    QVERIFY(!controller.done);
    press(target, QStringLiteral("5"));
    QCOMPARE(rowCodes(controller, kTopRow), Codes({5, 0, 0, 0}));
}

void TestKeyboardPlay::onlyTheGameWindowsTakeTheKeys_data()
{
    QTest::addColumn<bool>("helpWindow");
    QTest::newRow("the help window") << true;
    QTest::newRow("a window of another part of the program") << false;
}

void TestKeyboardPlay::onlyTheGameWindowsTakeTheKeys()
{
    QFETCH(bool, helpWindow);

    RecordingAppController &controller = *m_controller;
    std::unique_ptr<QWidget> other;
    QWidget *target = nullptr;
    if (helpWindow) {
        controller.orderFrontHelpPanel();
        target = controller.window->findChild<HelpWindow *>();
        QVERIFY(target);
    } else {
        other = std::make_unique<QWidget>();
        other->show();
        other->activateWindow();
        target = other.get();
    }
    QVERIFY(QTest::qWaitForWindowActive(target));
    // Qt counts every window of the board's family active while the palette,
    // the board's own window, has the focus: the help window's activation is
    // awaited itself.
    QTRY_COMPARE(QApplication::activeWindow(), target);
    QWidget *focused = target->focusWidget() ? target->focusWidget() : target;

    press(focused, QStringLiteral("12"));
    QVERIFY(rowIsEmpty(controller, kTopRow));

    // Back in the palette, the same keys play.
    QVERIFY(activate(true));
    press(controller.palette.data(), QStringLiteral("12"));
    QCOMPARE(rowCodes(controller, kTopRow), Codes({4, 2, 0, 0}));
    if (helpWindow)
        target->close();
}

void TestKeyboardPlay::keysReadThePaletteLikeText_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("digit");
    QTest::newRow("upper left, red: 1") << 0 << 0 << "red" << 1;
    QTest::newRow("upper middle, green: 2") << 1 << 0 << "green" << 2;
    QTest::newRow("upper right, yellow: 3") << 2 << 0 << "yellow" << 3;
    QTest::newRow("lower left, blue: 4") << 0 << 1 << "blue" << 4;
    QTest::newRow("lower middle, magenta: 5") << 1 << 1 << "magenta" << 5;
    QTest::newRow("lower right, cyan: 6") << 2 << 1 << "cyan" << 6;
}

// The peg the player sees at each place of the palette (rows counted from
// the top) tells its colour and key on hovering and to a screen reader, and
// that key, on the digit row or the keypad, places that very colour.
void TestKeyboardPlay::keysReadThePaletteLikeText()
{
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QString, name);
    QFETCH(int, digit);

    RecordingAppController &controller = *m_controller;
    const QPoint centre(Peg::kSize * column + Peg::kSize / 2, Peg::kSize * row + Peg::kSize / 2);
    auto *peg = qobject_cast<SourcePeg *>(controller.palette->childAt(centre));
    QVERIFY(peg);
    QCOMPARE(Peg::describeColor(peg->color()), name);
    QCOMPARE(peg->toolTip(), QStringLiteral("Key %1: %2").arg(digit).arg(name));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(peg);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Description),
             QStringLiteral("A %1 peg, key %2").arg(name).arg(digit));

    QWidget *target = activate(true);
    QVERIFY(target);
    press(target, QString::number(digit) + QStringLiteral("k") + QString::number(digit));
    QCOMPARE(rowCodes(controller, kTopRow), Codes({peg->cvalue(), peg->cvalue(), 0, 0}));
}

QTEST_MAIN(TestKeyboardPlay)
#include "tst_keyboardplay.moc"
