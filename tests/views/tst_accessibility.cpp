#include "support/FailOnWarnings.h"
#include "views/Peg.h"
#include "views/Result.h"

#include <QAccessible>
#include <QtTest>

namespace
{

QString accessibleText(QWidget &view, QAccessible::Text which)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(&view);
    return face ? face->text(which) : QString();
}

} // namespace

class TestAccessibility : public FailOnWarnings
{
    Q_OBJECT
private slots:
    void pegSaysWhatItShows_data();
    void pegSaysWhatItShows();
    void pegFollowsCodeChanges();
    void resultSaysTheScore_data();
    void resultSaysTheScore();
};

void TestAccessibility::pegSaysWhatItShows_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::newRow("empty board peg")
        << "Row 3, position 2" << QColor() << "Row 3, position 2: empty"
        << "An empty hole";
    QTest::newRow("red board peg")
        << "Row 3, position 2" << QColor::fromRgbF(1, 0, 0) << "Row 3, position 2: red"
        << "A red peg";
    QTest::newRow("palette magenta") << "Palette" << QColor::fromRgbF(1, 0, 1) << "Palette: magenta"
                                     << "A magenta peg";
    QTest::newRow("no label") << QString() << QColor::fromRgbF(0, 1, 1) << "cyan"
                              << "A cyan peg";
    QTest::newRow("a colour outside the game")
        << "Answer, position 1" << QColor::fromRgbF(1, 0.5, 0)
        << "Answer, position 1: color #ffff8000"
        << "A color #ffff8000 peg";
}

void TestAccessibility::pegSaysWhatItShows()
{
    QFETCH(QString, label);
    QFETCH(QColor, color);
    QFETCH(QString, name);
    QFETCH(QString, description);

    Peg peg(QPointF(0, 0));
    peg.setAccessibleLabel(label);
    peg.setColor(color);
    QCOMPARE(accessibleText(peg, QAccessible::Name), name);
    QCOMPARE(accessibleText(peg, QAccessible::Description), description);
}

void TestAccessibility::pegFollowsCodeChanges()
{
    Peg peg(QPointF(0, 0));
    peg.setAccessibleLabel(QStringLiteral("Row 1, position 4"));
    QCOMPARE(accessibleText(peg, QAccessible::Name), QStringLiteral("Row 1, position 4: empty"));
    peg.setCValue(6);
    QCOMPARE(accessibleText(peg, QAccessible::Name), QStringLiteral("Row 1, position 4: yellow"));
    peg.setCValue(0);
    QCOMPARE(accessibleText(peg, QAccessible::Name), QStringLiteral("Row 1, position 4: empty"));
}

void TestAccessibility::resultSaysTheScore_data()
{
    QTest::addColumn<int>("black");
    QTest::addColumn<int>("white");
    QTest::addColumn<QString>("name");
    QTest::newRow("no score") << 0 << 0 << "Row 3: 0 black, 0 white";
    QTest::newRow("two black one white") << 2 << 1 << "Row 3: 2 black, 1 white";
    QTest::newRow("win") << 4 << 0 << "Row 3: 4 black, 0 white";
}

void TestAccessibility::resultSaysTheScore()
{
    QFETCH(int, black);
    QFETCH(int, white);
    QFETCH(QString, name);

    Result result(QPointF(0, 0));
    result.setAccessibleLabel(QStringLiteral("Row 3"));
    result.setBlackAndWhite(black, white);
    QCOMPARE(accessibleText(result, QAccessible::Name), name);
    QVERIFY(accessibleText(result, QAccessible::Description)
                .startsWith(QString::number(black) + QStringLiteral(" in the right place")));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
