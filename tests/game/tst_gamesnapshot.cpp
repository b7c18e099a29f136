// The controller gives out the game as the board shows it and takes it back:
// a game put back on fresh views shows the same board, title and menu state,
// says what changed as play goes on, and plays on exactly as the game it was
// taken from, Move included.

#include "BoardFixture.h"
#include "rules/SavedGame.h"
#include "rules/SecretDraw.h"
#include "support/FailOnWarnings.h"
#include "support/RulesTestSupport.h"

#include <QSignalSpy>
#include <QtTest>
#include <cstdlib>

Q_DECLARE_METATYPE(Controller::Change)
Q_DECLARE_METATYPE(rules::SavedGame)

class TestGameSnapshot : public FailOnWarnings
{
    Q_OBJECT
private slots:
    void takenBackGamePlaysOnAlike_data();
    void takenBackGamePlaysOnAlike();
    void refusesWhatIsNoGameInProgress_data();
    void refusesWhatIsNoGameInProgress();
    void saysWhatChanged();
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
    const rules::SavedGame game = original.controller.snapshot();
    QCOMPARE(game.rows.size(), std::size_t(moves));
    QCOMPARE(rules::consistencyFault(game), std::string());

    BoardFixture resumed;
    resumed.controller.newGameUnique(!unique);
    QVERIFY(resumed.controller.restore(game));
    QVERIFY(resumed.controller.snapshot() == game);
    // The history of games learns from these which rows Move played.
    QVERIFY(resumed.controller.committedRows() == original.controller.committedRows());
    for (const rules::PlayedRow &row : resumed.controller.committedRows())
        QVERIFY(row.byMove);
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
        QVERIFY(resumed.controller.snapshot() == original.controller.snapshot());
    }
    QVERIFY(!resumed.controller.isPlaying());
    for (int tag : {Controller::CommitTag, Controller::MoveTag})
        QCOMPARE(resumed.controller.validateMenuItem(tag), false);
    for (int position = 0; position < rules::kPositions; ++position)
        QCOMPARE(resumed.controller.sol[position]->cvalue(), game.secret[position]);
}

void TestGameSnapshot::refusesWhatIsNoGameInProgress_data()
{
    QTest::addColumn<rules::SavedGame>("game");
    rules::SavedGame won;
    won.secret = {1, 2, 3, 4};
    won.rows.push_back({{1, 2, 3, 4}, {4, 0}});
    won.done = true;
    QTest::newRow("a won game") << won;
    rules::SavedGame wrongScore;
    wrongScore.secret = {1, 2, 3, 4};
    wrongScore.rows.push_back({{1, 1, 1, 1}, {0, 1}});
    QTest::newRow("a score that is not the secret's") << wrongScore;
    rules::SavedGame repeated;
    repeated.unique = true;
    repeated.secret = {1, 1, 3, 4};
    QTest::newRow("a repeated secret without replacement") << repeated;
}

// Nothing changes on the board.
void TestGameSnapshot::refusesWhatIsNoGameInProgress()
{
    QFETCH(rules::SavedGame, game);
    BoardFixture fixture;
    srand48(5);
    fixture.controller.newGameUnique(false);
    fixture.controller.placeColor(4);
    const rules::SavedGame before = fixture.controller.snapshot();
    QVERIFY(!fixture.controller.restore(game));
    QVERIFY(fixture.controller.snapshot() == before);
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
    QVERIFY(fixture.controller.snapshot().done);
}

QTEST_MAIN(TestGameSnapshot)
#include "tst_gamesnapshot.moc"
