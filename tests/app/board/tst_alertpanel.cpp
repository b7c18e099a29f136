// The real alert of the game: what the controller says, shown by the
// program's AlertPanel as a message box on top of the board window, read while
// it is up, then answered with Enter as a player would.

#include "app/board/AlertPanel.h"
#include "dnd/DestinationPeg.h"
#include "game/Controller.h"
#include "support/FailOnWarnings.h"
#include "support/RulesTestSupport.h"
#include "views/ColorCodes.h"
#include "views/Peg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QtTest>
#include <functional>

using rules::Combination;

namespace
{

// What the box showed while it was up.
struct SeenBox {
    bool seen = false;
    QString title;
    QString text;
    QString informativeText;
    QString detailedText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    bool enterAndEscapeMeanTheButton = false;
    bool visible = false;
    Qt::WindowModality modality = Qt::NonModal;
    bool activeModal = false;
    bool onTopOfTheBoard = false;
};

// The game's controller speaking through the program's alert, as
// AppController::runAlertPanel does, on a board of the test's own.
class AlertingController : public Controller
{
protected:
    void runAlertPanel(const QString &title, const QString &message, const QString &button) override
    {
        AlertPanel::run(window, title, message, button);
    }
};

} // namespace

class TestAlertPanel : public FailOnWarnings
{
    Q_OBJECT
private slots:
    void alertShowsItsTextsWithOneButton_data();
    void alertShowsItsTextsWithOneButton();

private:
    // Reads the box that is up once the event loop runs, then answers it.
    void readAndAnswerTheBox(const QWidget *board, SeenBox &seen, int attemptsLeft = 100);
};

void TestAlertPanel::readAndAnswerTheBox(const QWidget *board, SeenBox &seen, int attemptsLeft)
{
    QTimer::singleShot(0, this, [this, board, &seen, attemptsLeft] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            if (attemptsLeft > 0)
                readAndAnswerTheBox(board, seen, attemptsLeft - 1);
            return;
        }
        seen.seen = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.informativeText = box->informativeText();
        seen.detailedText = box->detailedText();
        seen.icon = box->icon();
        for (const QAbstractButton *button : box->buttons())
            seen.buttons << button->text();
        seen.enterAndEscapeMeanTheButton = box->buttons().size() == 1 &&
                                           box->defaultButton() == box->buttons().first() &&
                                           box->escapeButton() == box->buttons().first();
        seen.visible = box->isVisible();
        seen.modality = box->windowModality();
        seen.activeModal = QApplication::activeModalWidget() == box;
        seen.onTopOfTheBoard = box->parentWidget() == board && box->windowHandle() &&
                               box->windowHandle()->transientParent() == board->windowHandle();
        QTest::keyClick(box, Qt::Key_Return);
    });
}

void TestAlertPanel::alertShowsItsTextsWithOneButton_data()
{
    QTest::addColumn<bool>("unique");
    QTest::addColumn<int>("row");
    QTest::addColumn<Combination>("guess");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");

    QTest::newRow("a row with an empty peg") << false << 7 << Combination{1, 2, 0, 4} << "Alert"
                                             << "All four colors must be set.";
    QTest::newRow("a repeated colour without replacement")
        << true << 7 << Combination{1, 2, 1, 4} << "Alert"
        << "No double colors, please.";
    QTest::newRow("the secret found") << false << 7 << Combination{5, 1, 6, 3} << "Congratulations!"
                                      << "You win.";
    QTest::newRow("the eighth row misses") << false << 0 << Combination{1, 2, 3, 4} << "Game over."
                                           << "You lose.";
}

void TestAlertPanel::alertShowsItsTextsWithOneButton()
{
    QFETCH(bool, unique);
    QFETCH(int, row);
    QFETCH(Combination, guess);
    QFETCH(QString, title);
    QFETCH(QString, text);

    QWidget board;
    board.resize(308, 392);
    AlertingController controller;
    controller.window = &board;
    for (int position = 0; position < rules::kPositions; ++position)
        controller.pegs[row][position] =
            new DestinationPeg(QPointF(8 + 48 * position, 8 + 48 * row), &board);
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));

    controller.newGameUnique(unique);
    controller.combo = {5, 1, 6, 3};
    controller.currentRow = row;
    for (int position = 0; position < rules::kPositions; ++position)
        controller.pegs[row][position]->setColor(ColorCodes::colorOfCode(guess[position]));

    SeenBox seen;
    readAndAnswerTheBox(&board, seen);
    controller.commit();

    QVERIFY2(seen.seen, "no message box came up");
    QCOMPARE(seen.title, title);
    QCOMPARE(seen.text, text);
    QVERIFY(seen.informativeText.isEmpty());
    QVERIFY(seen.detailedText.isEmpty());
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
    QVERIFY(seen.enterAndEscapeMeanTheButton);
    QVERIFY(seen.visible);
    QVERIFY(seen.modality != Qt::NonModal);
    QVERIFY(seen.activeModal);
    QVERIFY(seen.onTopOfTheBoard);
    // Answered, the box is gone and the board takes input again.
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestAlertPanel)
#include "tst_alertpanel.moc"
