// The game notation the tests build their games with reads every part of a
// game, and writes a game back as the line it reads again.

#include "support/FailOnWarnings.h"
#include "support/RecordsTestSupport.h"

#include <QtTest>
#include <string>

class TestGameNotation : public FailOnWarnings
{
    Q_OBJECT
private slots:
    void readsEveryPart();
    void writesWhatItReads_data();
    void writesWhatItReads();
};

// The one game of the tests built field by field, to check the notation by.
void TestGameNotation::readsEveryPart()
{
    records::HistoryEntry expected;
    expected.endedAt = 42;
    expected.game.unique = true;
    expected.game.secret = {1, 2, 3, 4};
    expected.game.rows.push_back({{4, 3, 2, 1}, {0, 4}, true});
    expected.game.rows.push_back({{1, 2, 4, 3}, {2, 2}, false});
    expected.game.rows.push_back({{1, 5, 6, 4}, {3, 0}, false});
    expected.game.placed = {6, 0, 2, 0};
    expected.game.over = false;
    QCOMPARE(notation::entry("at 42 without abandoned 1234: 4321:04m 1243:22 1564:30! "
                             "placed 6020"),
             expected);

    QCOMPARE(notation::entry("with 1234:").endedAt, notation::kEndedAt);
    QCOMPARE(notation::game("with 1234: 1234:40").over, true);
    QCOMPARE(notation::game("with playing 1234: 1234:40").over, false);
    QCOMPARE(notation::game("with over 1234:").over, true);
}

void TestGameNotation::writesWhatItReads_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("a new game") << "with abandoned 6612:";
    QTest::newRow("pegs placed") << "without abandoned 4162: placed 3005";
    QTest::newRow("won, a row by Move") << "with won 4512: 1122:11m 4512:40";
    QTest::newRow("lost") << "with lost 4565: 1111:00m 2222:00m 3333:00m 4444:10m 5554:12m "
                             "6545:22m 5645:13m 6455:13m";
    QTest::newRow("a score not the secret's, by Move") << "with abandoned 1234: 1111:00m!";
    QTest::newRow("over too early") << "with over 1234: 1111:10";
    QTest::newRow("not over after a win") << "with playing 1234: 1234:40";
    QTest::newRow("codes out of range") << "with abandoned 1237: 7111:01 placed 0090";
}

void TestGameNotation::writesWhatItReads()
{
    QFETCH(QString, text);
    const records::PlayedGame game = notation::game(text.toStdString());
    QCOMPARE(QString::fromStdString(notation::text(game)), text);
    QCOMPARE(notation::game(notation::text(game)), game);
}

QTEST_APPLESS_MAIN(TestGameNotation)
#include "tst_gamenotation.moc"
