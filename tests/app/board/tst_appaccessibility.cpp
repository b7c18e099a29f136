#include "app/commands/KeyboardPlay.h"
#include "dnd/DestinationPeg.h"
#include "dnd/SourcePeg.h"
#include "rules/ColorCode.h"
#include "support/AppFixture.h"
#include "support/FailOnWarnings.h"
#include "views/ColorCodes.h"
#include "views/Peg.h"
#include "views/Result.h"

#include <QAccessible>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QMimeData>
#include <QTest>

namespace
{

const char *const kColorNames[] = {"blue", "green", "cyan", "red", "magenta", "yellow"};

QString nameOf(QObject *object)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QString();
}

// Every name in the accessible tree under `face`, as a screen reader walks it.
void collectNames(QAccessibleInterface *face, QStringList &names)
{
    names << face->text(QAccessible::Name);
    for (int i = 0; i < face->childCount(); ++i)
        if (QAccessibleInterface *child = face->child(i))
            collectNames(child, names);
}

QStringList treeNames(QWidget *window)
{
    QStringList names;
    collectNames(QAccessible::queryAccessibleInterface(window), names);
    return names;
}

QString boardPegName(int row, int position, const QString &shown)
{
    return QStringLiteral("Row %1, position %2: %3").arg(row).arg(position).arg(shown);
}

QString colorName(std::int32_t code)
{
    return code == 0 ? QStringLiteral("empty") : QString::fromLatin1(kColorNames[code - 1]);
}

} // namespace

class TestAppAccessibility : public FailOnWarnings
{
    Q_OBJECT

    void initTest() override;

private slots:
    void cleanup();
    void boardWindowIsNamed();
    void paletteWindowIsNamed();
    void namesFollowTheGame();

private:
    std::unique_ptr<IsolatedSettings> m_settings;
    std::unique_ptr<RecordingAppController> m_controller;
};

void TestAppAccessibility::initTest()
{
    m_settings = std::make_unique<IsolatedSettings>();
    m_controller = std::make_unique<RecordingAppController>();
    m_controller->applicationDidFinishLaunching();
    QVERIFY(QTest::qWaitForWindowExposed(m_controller->palette));
}

void TestAppAccessibility::cleanup()
{
    m_controller.reset();
    m_settings.reset();
}

void TestAppAccessibility::boardWindowIsNamed()
{
    RecordingAppController &controller = *m_controller;
    QWidget *window = controller.window;
    QCOMPARE(nameOf(window), QStringLiteral("Hueriddle board"));

    QStringList boxes;
    for (QGroupBox *box : window->findChildren<QGroupBox *>()) {
        boxes << nameOf(box);
        QCOMPARE(nameOf(box), box->title());
    }
    boxes.sort();
    QCOMPARE(boxes, QStringList({"Answer", "Board"}));
    QCOMPARE(nameOf(controller.pegs[0][0]->parentWidget()), QStringLiteral("Rows and scores"));
    QCOMPARE(nameOf(controller.sol[0]->parentWidget()), QStringLiteral("Answer row"));

    // Rows are numbered from the top, where play starts; positions from the left.
    const QStringList names = treeNames(window);
    for (const char *name :
         {"Main menu", "Board and answer", "Board", "Answer", "Rows and scores", "Answer row"})
        QVERIFY2(names.contains(QLatin1String(name)), name);
    for (int i = 0; i < rules::kRows; ++i) {
        const int row = rules::kRows - i;
        const QString score = QStringLiteral("Row %1: 0 black, 0 white").arg(row);
        QCOMPARE(nameOf(controller.res[i]), score);
        QVERIFY2(names.contains(score), qPrintable(score));
        for (int j = 0; j < rules::kPositions; ++j) {
            const QString peg = boardPegName(row, j + 1, QStringLiteral("empty"));
            QCOMPARE(nameOf(controller.pegs[i][j]), peg);
            QVERIFY2(names.contains(peg), qPrintable(peg));
        }
    }
    // The top row is on top of the window, and its first position on the left.
    QVERIFY(controller.pegs[7][0]->y() < controller.pegs[6][0]->y());
    QVERIFY(controller.pegs[7][0]->x() < controller.pegs[7][1]->x());
    for (int j = 0; j < rules::kPositions; ++j) {
        const QString answer = QStringLiteral("Answer, position %1: empty").arg(j + 1);
        QCOMPARE(nameOf(controller.sol[j]), answer);
        QVERIFY2(names.contains(answer), qPrintable(answer));
    }
}

void TestAppAccessibility::paletteWindowIsNamed()
{
    QWidget *palette = m_controller->palette;
    QCOMPARE(nameOf(palette), QStringLiteral("Hueriddle palette"));
    const QStringList names = treeNames(palette);
    QVERIFY(names.contains(QStringLiteral("Colors")));

    // Each peg's name and description; the keys 1 to 6 read the palette like
    // text: red, green, yellow on the upper row, blue, magenta, cyan below.
    QStringList pegs;
    for (SourcePeg *peg : palette->findChildren<SourcePeg *>()) {
        QVERIFY(names.contains(nameOf(peg)));
        pegs << nameOf(peg) + QStringLiteral(" / ") +
                    QAccessible::queryAccessibleInterface(peg)->text(QAccessible::Description);
    }
    pegs.sort();
    QCOMPARE(pegs,
             QStringList(
                 {"Palette: blue / A blue peg, key 4", "Palette: cyan / A cyan peg, key 6",
                  "Palette: green / A green peg, key 2", "Palette: magenta / A magenta peg, key 5",
                  "Palette: red / A red peg, key 1", "Palette: yellow / A yellow peg, key 3"}));
}

void TestAppAccessibility::namesFollowTheGame()
{
    RecordingAppController &controller = *m_controller;
    controller.combo = {4, 2, 2, 1};
    DestinationPeg *second = controller.pegs[7][1];

    // A red peg dragged onto the second position of the top row and dropped.
    QMimeData data;
    data.setColorData(ColorCodes::colorOfCode(4));
    const QPoint centre(24, 24);
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(second, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(second, &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(nameOf(second), boardPegName(1, 2, "red"));

    // The other three from the keyboard, then the row is committed.
    for (std::int32_t code : {3, 6, 6})
        QVERIFY(controller.placeColor(code));
    QCOMPARE(nameOf(controller.pegs[7][0]), boardPegName(1, 1, "cyan"));
    QCOMPARE(nameOf(controller.pegs[7][3]), boardPegName(1, 4, "yellow"));
    controller.commit();
    QVERIFY(controller.alerts.empty());
    // Secret red green green blue, guess cyan red yellow yellow: red elsewhere.
    QCOMPARE(nameOf(controller.res[7]), QStringLiteral("Row 1: 0 black, 1 white"));

    // The next row starts empty; its names follow the keys too.
    QVERIFY(!controller.emptyLastPeg());
    QVERIFY(controller.placeColor(5));
    QCOMPARE(nameOf(controller.pegs[6][0]), boardPegName(2, 1, "magenta"));
    QVERIFY(controller.emptyLastPeg());
    QCOMPARE(nameOf(controller.pegs[6][0]), boardPegName(2, 1, "empty"));

    // The computer plays on to the end; the answer row then says the secret.
    while (!controller.done)
        controller.move();
    for (int j = 0; j < rules::kPositions; ++j)
        QCOMPARE(nameOf(controller.sol[j]), QStringLiteral("Answer, position %1: %2")
                                                .arg(j + 1)
                                                .arg(colorName(controller.combo[j])));

    // A new game empties every name again.
    controller.newGameWithRep();
    QCOMPARE(nameOf(second), boardPegName(1, 2, "empty"));
    QCOMPARE(nameOf(controller.res[7]), QStringLiteral("Row 1: 0 black, 0 white"));
    QCOMPARE(nameOf(controller.sol[0]), QStringLiteral("Answer, position 1: empty"));
}

QTEST_MAIN(TestAppAccessibility)
#include "tst_appaccessibility.moc"
