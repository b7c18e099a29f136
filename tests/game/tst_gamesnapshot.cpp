// The controller gives out the game as the board shows it and takes it back:
// a game put back on fresh views shows the same board, title and menu state,
// says what changed as play goes on, and plays on exactly as the game it was
// taken from, Move included; and a game that ends is given out whole.

#include "BoardFixture.h"
#include "rules/SecretDraw.h"
#include "support/FailOnWarnings.h"
#include "support/RecordsTestSupport.h"
#include "support/RulesTestSupport.h"

#include <QSignalSpy>
#include <QtTest>
#include <cstdlib>

Q_DECLARE_METATYPE(Controller::Change)

class TestGameSnapshot : public FailOnWarnings
{
    Q_OBJECT
private slots:
    void takenBackGamePlaysOnAlike_data();
    void takenBackGamePlaysOnAlike();
    void refusesWhatIsNoGameInProgress_data();
    void refusesWhatIsNoGameInProgress();
    void saysWhatChanged();
    void anEndedGameIsGivenOut_data();
    void anEndedGameIsGivenOut();
};

void TestGameSnapshot::takenBackGamePlaysOnAlike_data()
{
    QTest::addColumn<bool>("unique");
    QTest::addColumn<int>("moves");
    QTest::addColumn<rules::Combination>("secret");
    // Move loses the game of (4, 5, 6, 5) after eight rows, and wins that of
    // (1, 2, 3, 4) without replacement on the fourth.
    QTest::newRow("with replacement, no row yet") << false << 0 << rules::Combination{4, 5, 6, 5};
    QTest::newRow("with replacement, three rows") << false << 3 << rules::Combination{4, 5, 6, 5};
    QTest::newRow("with replacement, seven rows") << false << 7 << rules::Combination{4, 5, 6, 5};
    QTest::newRow("without replacement, two rows") << true << 2 << rules::Combination{1, 2, 3, 4};
    QTest::newRow("without replacement, three rows") << true << 3 << rules::Combination{1, 2, 3, 4};
}

// A game played by Move for some rows, with two pegs placed, is taken and put
// back on a second board; both then play Move to the end alike.
void TestGameSnapshot::takenBackGamePlaysOnAlike()
{
    QFETCH(bool, unique);
    QFETCH(int, moves);
    QFETCH(rules::Combination, secret);

    BoardFixture original;
    original.controller.newGameUnique(unique);
    original.controller.combo = secret;
    for (int move = 0; move < moves; ++move)
        original.controller.move();
    QVERIFY(original.controller.isPlaying());
    original.controller.placeColor(unique ? 3 : 6);
    original.controller.placeColor(unique ? 5 : 6);
    const records::PlayedGame game = original.controller.snapshot();
    QCOMPARE(game.rows.size(), std::size_t(moves));
    QCOMPARE(records::consistencyFault(game), std::string());
    // The history of games learns from these which rows Move played.
    for (const records::PlayedRow &row : game.rows)
        QVERIFY(row.byMove);

    BoardFixture resumed;
    resumed.controller.newGameUnique(!unique);
    QVERIFY(resumed.controller.restore(game));
    QCOMPARE(resumed.controller.snapshot(), game);
    QCOMPARE(resumed.controller.currentRow, original.controller.currentRow);
    QCOMPARE(resumed.board->windowTitle(), original.board->windowTitle());
    for (int row = 0; row < rules::kRows; ++row) {
        QCOMPARE(resumed.rowCodes(row), original.rowCodes(row));
        QCOMPARE(resumed.rowScore(row), original.rowScore(row));
        QCOMPARE(resumed.rowActive(row), original.rowActive(row));
        QCOMPARE(resumed.rowInactive(row), original.rowInactive(row));
    }
    QVERIFY(resumed.answerHidden());

    while (original.controller.isPlaying()) {
        QVERIFY(resumed.controller.isPlaying());
        original.controller.move();
        resumed.controller.move();
        QCOMPARE(resumed.controller.snapshot(), original.controller.snapshot());
    }
    QVERIFY(!resumed.controller.isPlaying());
    for (int tag : {Controller::CommitTag, Controller::MoveTag})
        QCOMPARE(resumed.controller.validateMenuItem(tag), false);
    for (int position = 0; position < rules::kPositions; ++position)
        QCOMPARE(resumed.controller.sol[position]->cvalue(), game.secret[position]);
}

void TestGameSnapshot::refusesWhatIsNoGameInProgress_data()
{
    QTest::addColumn<records::PlayedGame>("game");
    QTest::newRow("a won game") << notation::game("with won 1234: 1234:40");
    QTest::newRow("a score that is not the secret's") << notation::game("with 1234: 1111:01!");
    QTest::newRow("a repeated secret without replacement") << notation::game("without 1134:");
}

// Nothing changes on the board.
void TestGameSnapshot::refusesWhatIsNoGameInProgress()
{
    QFETCH(records::PlayedGame, game);
    BoardFixture fixture;
    srand48(5);
    fixture.controller.newGameUnique(false);
    fixture.controller.placeColor(4);
    const records::PlayedGame before = fixture.controller.snapshot();
    QVERIFY(!fixture.controller.restore(game));
    QCOMPARE(fixture.controller.snapshot(), before);
}

// Placed and emptied pegs are changes of Pegs; a scored row, the end of the
// game and a new game are changes of Game, told before the end's alert.
void TestGameSnapshot::saysWhatChanged()
{
    BoardFixture fixture;
    QSignalSpy changes(&fixture.controller, &Controller::boardChanged);
    srand48(21);
    fixture.controller.newGameUnique(false);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.takeFirst().at(0).value<Controller::Change>(), Controller::Change::Game);
    QVERIFY(fixture.controller.placeColor(2));
    QVERIFY(fixture.controller.emptyLastPeg());
    QCOMPARE(changes.size(), 2);
    for (const QList<QVariant> &change : changes)
        QCOMPARE(change.at(0).value<Controller::Change>(), Controller::Change::Pegs);
    changes.clear();
    fixture.controller.commit(); // refused: the row is empty
    QCOMPARE(changes.size(), 0);

    int changesAtTheEnd = -1;
    fixture.controller.whileAlertIsUp = [&](const RecordedAlert &) {
        changesAtTheEnd = int(changes.size());
    };
    fixture.placeRow(7, fixture.controller.combo);
    fixture.controller.commit();
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.first().at(0).value<Controller::Change>(), Controller::Change::Game);
    QCOMPARE(changesAtTheEnd, 1);
    QVERIFY(fixture.controller.snapshot().over);
}

void TestGameSnapshot::anEndedGameIsGivenOut_data()
{
    QTest::addColumn<bool>("unique");
    QTest::addColumn<rules::Combination>("secret");
    QTest::addColumn<int>("moves");
    QTest::addColumn<rules::Combination>("played");
    QTest::addColumn<rules::Combination>("placed");
    QTest::addColumn<records::PlayedGame>("ended");
    // Move loses against (4, 5, 6, 5) after eight rows.
    QTest::newRow("lost by Move")
        << false << rules::Combination{4, 5, 6, 5} << 8 << rules::Combination{}
        << rules::Combination{}
        << notation::game("with lost 4565: 1111:00m 2222:00m 3333:00m 4444:10m 5554:12m "
                          "6545:22m 5645:13m 6455:13m");
    QTest::newRow("won by the player after a row by Move")
        << true << rules::Combination{1, 2, 3, 4} << 1 << rules::Combination{1, 2, 3, 4}
        << rules::Combination{} << notation::game("without won 1234: 4321:04m 1234:40");
    QTest::newRow("abandoned for a new game, pegs placed")
        << false << rules::Combination{4, 5, 6, 5} << 2 << rules::Combination{}
        << rules::Combination{6, 2, 0, 0}
        << notation::game("with abandoned 4565: 1111:00m 2222:00m placed 6200");
}

// The game gameEnded() carries is the board's as it ended, read once: rows,
// scores, who played them, the pegs placed on a game abandoned.
void TestGameSnapshot::anEndedGameIsGivenOut()
{
    QFETCH(bool, unique);
    QFETCH(rules::Combination, secret);
    QFETCH(int, moves);
    QFETCH(rules::Combination, played);
    QFETCH(rules::Combination, placed);
    QFETCH(records::PlayedGame, ended);

    BoardFixture fixture;
    std::vector<records::PlayedGame> given;
    QObject::connect(&fixture.controller, &Controller::gameEnded,
                     [&](const records::PlayedGame &game) { given.push_back(game); });
    fixture.controller.newGameUnique(unique);
    fixture.controller.combo = secret;
    for (int move = 0; move < moves; ++move)
        fixture.controller.move();
    if (played != rules::Combination{}) {
        fixture.placeRow(fixture.controller.currentRow, played);
        fixture.controller.commit();
    }
    for (std::int32_t code : placed)
        if (code != 0)
            QVERIFY(fixture.controller.placeColor(code));
    if (fixture.controller.isPlaying())
        fixture.controller.newGameUnique(unique);
    QCOMPARE(given.size(), std::size_t(1));
    QCOMPARE(given.front(), ended);
}

QTEST_MAIN(TestGameSnapshot)
#include "tst_gamesnapshot.moc"
