#include "BoardFixture.h"
#include "rules/CandidateSearch.h"
#include "rules/SecretDraw.h"
#include "support/FailOnWarnings.h"
#include "support/RulesTestSupport.h"
#include "views/ColorCodes.h"

#include <QtTest>
#include <cstdlib>
#include <set>

using rules::Combination;

Q_DECLARE_METATYPE(std::vector<rules::Combination>)

namespace
{

const QString kAlert = QStringLiteral("Alert");
const QString kIncomplete = QStringLiteral("All four colors must be set.");
const QString kDouble = QStringLiteral("No double colors, please.");

struct PlayedGame {
    std::vector<rules::ScoredRow> rows;
    bool won = false;
};

// Presses "Move" until the game is over, reading every row back from the views.
PlayedGame playByMoves(BoardFixture &fixture, const Combination &secret, bool unique)
{
    fixture.controller.newGameUnique(unique);
    fixture.controller.combo = secret;
    fixture.controller.alerts.clear();
    PlayedGame game;
    for (int turn = 0; turn < rules::kRows && !fixture.controller.done; ++turn) {
        const int row = fixture.controller.currentRow;
        fixture.controller.move();
        game.rows.push_back({fixture.rowCodes(row), fixture.rowScore(row)});
    }
    game.won = !fixture.controller.alerts.empty() &&
               fixture.controller.alerts.back().message == QStringLiteral("You win.");
    return game;
}

} // namespace

class TestController : public FailOnWarnings
{
    Q_OBJECT
private slots:
    void newGameResetsBoardAndDrawsSecret_data();
    void newGameResetsBoardAndDrawsSecret();
    void newGameMidGameClearsEverything();
    void newGameWithoutViews();
    void commitRefusesAndChangesNothing_data();
    void commitRefusesAndChangesNothing();
    void commitScoresAndMovesDown_data();
    void commitScoresAndMovesDown();
    void winOnTheFirstRow();
    void winOnTheLastRowIsAWin();
    void lossAfterTheEighthRow();
    void whitePlaceComesBeforeBlackPlace();
    void validateMenuItem_data();
    void validateMenuItem();
    void activateRow_data();
    void activateRow();
    void placeAndEmptyOnTheActiveRow_data();
    void placeAndEmptyOnTheActiveRow();
    void commitAndMoveDoNothingOnceOver();
    void moveReplacesPlacedColoursAndHeedsHandPlayedRows();
    void knownMoveSequences_data();
    void knownMoveSequences();
    void moveSweepEverySecret_data();
    void moveSweepEverySecret();
};

void TestController::newGameResetsBoardAndDrawsSecret_data()
{
    QTest::addColumn<bool>("unique");
    QTest::addColumn<QString>("title");
    QTest::newRow("with replacement") << false << "Hueriddle (with replacement)";
    QTest::newRow("without replacement") << true << "Hueriddle (without replacement)";
}

void TestController::newGameResetsBoardAndDrawsSecret()
{
    QFETCH(bool, unique);
    QFETCH(QString, title);

    BoardFixture fixture;
    QSignalSpy stateChanges(&fixture.controller, &Controller::gameStateChanged);
    srand48(424242);
    const Combination expected = rules::drawSecret(unique);
    srand48(424242);
    fixture.controller.newGameUnique(unique);

    QCOMPARE(fixture.controller.combo, expected);
    QCOMPARE(fixture.controller.currentRow, 7);
    QCOMPARE(fixture.controller.done, false);
    QCOMPARE(fixture.controller.unique, unique);
    QCOMPARE(fixture.board->windowTitle(), title);
    QCOMPARE(stateChanges.count(), 1);
    for (int row = 0; row < rules::kRows; ++row) {
        QCOMPARE(fixture.rowScore(row), (rules::Score{0, 0}));
        QCOMPARE(fixture.rowCodes(row), (Combination{0, 0, 0, 0}));
        for (const auto &peg : fixture.controller.pegs[row]) {
            QVERIFY(!peg->color().isValid());
            QCOMPARE(peg->isActive(), row == 7);
        }
    }
    QVERIFY(fixture.answerHidden());
    QVERIFY(fixture.controller.alerts.empty());
}

void TestController::newGameMidGameClearsEverything()
{
    BoardFixture fixture;
    fixture.controller.newGameUnique(false);
    fixture.controller.combo = {1, 2, 3, 4};
    fixture.placeRow(7, {5, 5, 6, 6});
    fixture.controller.commit();
    fixture.placeRow(6, {1, 2, 3, 5});
    fixture.controller.commit();
    fixture.placeRow(5, {1, 1, 0, 0});
    QCOMPARE(fixture.controller.currentRow, 5);

    fixture.controller.newGameUnique(true);
    QCOMPARE(fixture.controller.currentRow, 7);
    QVERIFY(!rules::hasRepeatedCode(fixture.controller.combo));
    QCOMPARE(fixture.board->windowTitle(), QStringLiteral("Hueriddle (without replacement)"));
    for (int row = 0; row < rules::kRows; ++row) {
        QCOMPARE(fixture.rowScore(row), (rules::Score{0, 0}));
        QCOMPARE(fixture.rowCodes(row), (Combination{0, 0, 0, 0}));
        QCOMPARE(fixture.rowActive(row), row == 7);
    }
}

void TestController::newGameWithoutViews()
{
    RecordingController controller;
    for (long seed = 1; seed <= 50; ++seed) {
        srand48(seed);
        controller.newGameUnique(seed % 2 == 0);
        QCOMPARE(controller.currentRow, 7);
        QCOMPARE(controller.done, false);
        for (std::int32_t code : controller.combo)
            QVERIFY(code >= 1 && code <= 6);
        if (controller.unique)
            QVERIFY(!rules::hasRepeatedCode(controller.combo));
    }
    // A commit with no board reads no colours, so it is refused like an empty row.
    controller.commit();
    QCOMPARE(controller.alerts.size(), std::size_t{1});
    QCOMPARE(controller.alerts[0].message, kIncomplete);
    QCOMPARE(controller.currentRow, 7);
}

void TestController::commitRefusesAndChangesNothing_data()
{
    QTest::addColumn<bool>("unique");
    QTest::addColumn<Combination>("row");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty at position 0") << false << Combination{0, 2, 3, 4} << kIncomplete;
    QTest::newRow("empty at position 1") << false << Combination{1, 0, 3, 4} << kIncomplete;
    QTest::newRow("empty at position 2") << true << Combination{1, 2, 0, 4} << kIncomplete;
    QTest::newRow("empty at position 3") << true << Combination{1, 2, 3, 0} << kIncomplete;
    QTest::newRow("all empty") << false << Combination{0, 0, 0, 0} << kIncomplete;
    QTest::newRow("empty and repeat, without replacement: only the empty peg")
        << true << Combination{1, 0, 1, 3} << kIncomplete;
    QTest::newRow("repeat without replacement") << true << Combination{1, 2, 1, 3} << kDouble;
    QTest::newRow("repeat at the ends without replacement")
        << true << Combination{6, 2, 3, 6} << kDouble;
}

void TestController::commitRefusesAndChangesNothing()
{
    QFETCH(bool, unique);
    QFETCH(Combination, row);
    QFETCH(QString, message);

    BoardFixture fixture;
    fixture.controller.newGameUnique(unique);
    fixture.placeRow(7, row);
    QSignalSpy stateChanges(&fixture.controller, &Controller::gameStateChanged);

    fixture.controller.commit();

    QCOMPARE(fixture.controller.alerts.size(), std::size_t{1});
    QCOMPARE(fixture.controller.alerts[0].title, kAlert);
    QCOMPARE(fixture.controller.alerts[0].message, message);
    QCOMPARE(fixture.controller.alerts[0].button, QStringLiteral("OK"));
    QCOMPARE(fixture.controller.currentRow, 7);
    QCOMPARE(fixture.rowCodes(7), row);
    QVERIFY(fixture.rowActive(7));
    QCOMPARE(fixture.rowScore(7), (rules::Score{0, 0}));
    QVERIFY(fixture.rowInactive(6));
    QCOMPARE(fixture.controller.done, false);
    QVERIFY(fixture.answerHidden());
    QCOMPARE(stateChanges.count(), 0);
}

void TestController::commitScoresAndMovesDown_data()
{
    QTest::addColumn<bool>("unique");
    QTest::addColumn<Combination>("secret");
    QTest::addColumn<Combination>("row");
    QTest::addColumn<int>("black");
    QTest::addColumn<int>("white");
    QTest::newRow("repeat with replacement is scored")
        << false << Combination{1, 3, 2, 4} << Combination{1, 2, 1, 3} << 1 << 2;
    QTest::newRow("two colours elsewhere")
        << true << Combination{1, 2, 3, 4} << Combination{5, 6, 1, 2} << 0 << 2;
    QTest::newRow("three black") << false << Combination{6, 6, 6, 5} << Combination{6, 6, 6, 6} << 3
                                 << 0;
}

void TestController::commitScoresAndMovesDown()
{
    QFETCH(bool, unique);
    QFETCH(Combination, secret);
    QFETCH(Combination, row);
    QFETCH(int, black);
    QFETCH(int, white);

    BoardFixture fixture;
    fixture.controller.newGameUnique(unique);
    fixture.controller.combo = secret;
    fixture.placeRow(7, row);

    fixture.controller.commit();

    QVERIFY(fixture.controller.alerts.empty());
    QCOMPARE(fixture.rowScore(7), (rules::Score{black, white}));
    QCOMPARE(fixture.rowCodes(7), row);
    QVERIFY(fixture.rowInactive(7));
    QCOMPARE(fixture.controller.currentRow, 6);
    QVERIFY(fixture.rowActive(6));
    QVERIFY(fixture.rowInactive(5));
    QVERIFY(fixture.answerHidden());
    QCOMPARE(fixture.controller.done, false);
}

void TestController::winOnTheFirstRow()
{
    BoardFixture fixture;
    fixture.controller.newGameUnique(false);
    fixture.controller.combo = {2, 4, 6, 1};
    fixture.placeRow(7, {2, 4, 6, 1});

    bool checkedDuringAlert = false;
    fixture.controller.whileAlertIsUp = [&](const RecordedAlert &) {
        QCOMPARE(fixture.rowScore(7), (rules::Score{4, 0}));
        QVERIFY(fixture.controller.done);
        QVERIFY(!fixture.controller.validateMenuItem(Controller::CommitTag));
        QVERIFY(!fixture.controller.validateMenuItem(Controller::MoveTag));
        QVERIFY(fixture.answerHidden());
        checkedDuringAlert = true;
    };
    fixture.controller.commit();

    QVERIFY(checkedDuringAlert);
    QCOMPARE(fixture.controller.alerts.size(), std::size_t{1});
    QCOMPARE(fixture.controller.alerts[0].title, QStringLiteral("Congratulations!"));
    QCOMPARE(fixture.controller.alerts[0].message, QStringLiteral("You win."));
    QCOMPARE(fixture.controller.alerts[0].button, QStringLiteral("OK"));
    QCOMPARE(fixture.controller.currentRow, 6);
    QVERIFY(fixture.rowInactive(6));
    QCOMPARE(fixture.rowCodes(6), (Combination{0, 0, 0, 0}));

    // The secret (2, 4, 6, 1) in device RGB, alpha 1.
    const float expected[4][3] = {{0, 1, 0}, {1, 0, 0}, {1, 1, 0}, {0, 0, 1}};
    for (int position = 0; position < 4; ++position) {
        const QColor color = fixture.controller.sol[position]->color();
        QVERIFY(color.isValid());
        float red = -1, green = -1, blue = -1, alpha = -1;
        color.getRgbF(&red, &green, &blue, &alpha);
        QCOMPARE(red, expected[position][0]);
        QCOMPARE(green, expected[position][1]);
        QCOMPARE(blue, expected[position][2]);
        QCOMPARE(alpha, 1.0f);
    }
}

void TestController::winOnTheLastRowIsAWin()
{
    BoardFixture fixture;
    fixture.controller.newGameUnique(false);
    fixture.controller.combo = {3, 3, 5, 1};
    for (int row = 7; row >= 1; --row) {
        fixture.placeRow(row, {6, 6, 6, 6});
        fixture.controller.commit();
    }
    QVERIFY(fixture.controller.alerts.empty());
    QCOMPARE(fixture.controller.currentRow, 0);
    QVERIFY(fixture.rowActive(0));

    fixture.placeRow(0, {3, 3, 5, 1});
    fixture.controller.commit();
    QCOMPARE(fixture.controller.alerts.size(), std::size_t{1});
    QCOMPARE(fixture.controller.alerts[0].message, QStringLiteral("You win."));
    QCOMPARE(fixture.controller.currentRow, -1);
    QCOMPARE(fixture.rowScore(0), (rules::Score{4, 0}));
    QVERIFY(fixture.controller.done);
    QCOMPARE(fixture.controller.sol[2]->cvalue(), 5);
}

void TestController::lossAfterTheEighthRow()
{
    BoardFixture fixture;
    fixture.controller.newGameUnique(false);
    fixture.controller.combo = {2, 4, 6, 1};
    bool checkedDuringAlert = false;
    fixture.controller.whileAlertIsUp = [&](const RecordedAlert &) {
        QCOMPARE(fixture.rowScore(0), (rules::Score{3, 0}));
        QVERIFY(fixture.controller.done);
        QVERIFY(fixture.answerHidden());
        checkedDuringAlert = true;
    };
    for (int row = 7; row >= 0; --row) {
        fixture.placeRow(row, {2, 4, 6, 2});
        fixture.controller.commit();
    }
    QVERIFY(checkedDuringAlert);
    QCOMPARE(fixture.controller.alerts.size(), std::size_t{1});
    QCOMPARE(fixture.controller.alerts[0].title, QStringLiteral("Game over."));
    QCOMPARE(fixture.controller.alerts[0].message, QStringLiteral("You lose."));
    QCOMPARE(fixture.controller.currentRow, -1);
    for (int row = 0; row < rules::kRows; ++row) {
        QVERIFY(fixture.rowInactive(row));
        QCOMPARE(fixture.rowScore(row), (rules::Score{3, 0}));
    }
    for (int position = 0; position < 4; ++position)
        QCOMPARE(fixture.controller.sol[position]->cvalue(), fixture.controller.combo[position]);
}

void TestController::validateMenuItem_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<bool>("enabledWhilePlaying");
    QTest::addColumn<bool>("enabledWhenOver");
    QTest::newRow("With replacement") << 500 << true << true;
    QTest::newRow("Without replacement") << 501 << true << true;
    QTest::newRow("Commit") << 502 << true << false;
    QTest::newRow("Move") << 503 << true << false;
    QTest::newRow("untagged item") << 0 << true << true;
}

void TestController::validateMenuItem()
{
    QFETCH(int, tag);
    QFETCH(bool, enabledWhilePlaying);
    QFETCH(bool, enabledWhenOver);

    BoardFixture fixture;
    fixture.controller.newGameUnique(false);
    QCOMPARE(fixture.controller.validateMenuItem(tag), enabledWhilePlaying);

    fixture.controller.combo = {1, 1, 2, 2};
    fixture.placeRow(7, {1, 1, 2, 2});
    QSignalSpy stateChanges(&fixture.controller, &Controller::gameStateChanged);
    fixture.controller.commit();
    QVERIFY(fixture.controller.done);
    QCOMPARE(stateChanges.count(), 1);
    QCOMPARE(fixture.controller.validateMenuItem(tag), enabledWhenOver);

    fixture.controller.newGameUnique(true);
    QCOMPARE(fixture.controller.validateMenuItem(tag), enabledWhilePlaying);
}

void TestController::whitePlaceComesBeforeBlackPlace()
{
    const RecordingController controller;
    std::int32_t white = -1;
    std::int32_t black = -1;
    controller.evalCombos({1, 2, 3, 4}, {1, 3, 5, 5}, white, black);
    QCOMPARE(black, 1);
    QCOMPARE(white, 1);

    controller.evalCombos({1, 2, 3, 4}, {4, 4, 4, 4}, white, black);
    QCOMPARE(black, 1);
    QCOMPARE(white, 0);
}

void TestController::activateRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("gameOver");
    QTest::addColumn<int>("activeRow"); // -1: none

    QTest::newRow("the top row") << 7 << false << 7;
    QTest::newRow("a middle row") << 3 << false << 3;
    QTest::newRow("the bottom row") << 0 << false << 0;
    QTest::newRow("below the board") << -1 << false << -1;
    QTest::newRow("a row once the game is over") << 4 << true << -1;
}

void TestController::activateRow()
{
    QFETCH(int, row);
    QFETCH(bool, gameOver);
    QFETCH(int, activeRow);

    BoardFixture fixture;
    fixture.controller.newGameUnique(false);
    fixture.controller.done = gameOver;
    fixture.controller.activateRow(row);

    QCOMPARE(fixture.controller.currentRow, row);
    for (int each = 0; each < rules::kRows; ++each) {
        if (each == activeRow)
            QVERIFY2(fixture.rowActive(each), qPrintable(QString::number(each)));
        else
            QVERIFY2(fixture.rowInactive(each), qPrintable(QString::number(each)));
    }
    QVERIFY(fixture.controller.alerts.empty());
}

void TestController::placeAndEmptyOnTheActiveRow_data()
{
    QTest::addColumn<Combination>("before");
    QTest::addColumn<QString>("intents"); // a digit places its code, '-' empties
    QTest::addColumn<Combination>("after");
    QTest::addColumn<bool>("lastChanged");

    QTest::newRow("fill an empty row")
        << Combination{0, 0, 0, 0} << "6514" << Combination{6, 5, 1, 4} << true;
    QTest::newRow("fill a gap first")
        << Combination{2, 0, 3, 0} << "5" << Combination{2, 5, 3, 0} << true;
    QTest::newRow("a full row takes no more")
        << Combination{1, 2, 3, 4} << "6" << Combination{1, 2, 3, 4} << false;
    QTest::newRow("empty the last filled peg")
        << Combination{1, 0, 3, 0} << "-" << Combination{1, 0, 0, 0} << true;
    QTest::newRow("empty the whole row, then nothing to empty")
        << Combination{1, 2, 0, 4} << "----" << Combination{0, 0, 0, 0} << false;
    QTest::newRow("place after emptying")
        << Combination{1, 2, 3, 4} << "-6" << Combination{1, 2, 3, 6} << true;
}

void TestController::placeAndEmptyOnTheActiveRow()
{
    QFETCH(Combination, before);
    QFETCH(QString, intents);
    QFETCH(Combination, after);
    QFETCH(bool, lastChanged);

    BoardFixture fixture;
    fixture.controller.newGameUnique(false);
    fixture.controller.activateRow(5);
    fixture.placeRow(5, before);

    bool changed = false;
    for (const QChar intent : intents)
        changed = intent == u'-' ? fixture.controller.emptyLastPeg()
                                 : fixture.controller.placeColor(intent.digitValue());
    QCOMPARE(fixture.rowCodes(5), after);
    QCOMPARE(changed, lastChanged);
    for (int row = 0; row < rules::kRows; ++row)
        if (row != 5)
            QCOMPARE(fixture.rowCodes(row), (Combination{0, 0, 0, 0}));

    // Once the game is over, neither changes anything.
    fixture.controller.done = true;
    QVERIFY(!fixture.controller.placeColor(1));
    QVERIFY(!fixture.controller.emptyLastPeg());
    QCOMPARE(fixture.rowCodes(5), after);
}

void TestController::commitAndMoveDoNothingOnceOver()
{
    BoardFixture fixture;
    fixture.controller.newGameUnique(false);
    fixture.controller.combo = {4, 4, 4, 4};
    fixture.placeRow(7, {4, 4, 4, 4});
    fixture.controller.commit();
    QVERIFY(fixture.controller.done);
    fixture.controller.alerts.clear();

    fixture.controller.commit();
    fixture.controller.move();

    QVERIFY(fixture.controller.alerts.empty());
    QCOMPARE(fixture.controller.currentRow, 6);
    QCOMPARE(fixture.rowCodes(6), (Combination{0, 0, 0, 0}));
    QCOMPARE(fixture.rowScore(6), (rules::Score{0, 0}));
    QVERIFY(fixture.rowInactive(6));
}

void TestController::moveReplacesPlacedColoursAndHeedsHandPlayedRows()
{
    BoardFixture fixture;
    fixture.controller.newGameUnique(false);
    fixture.controller.combo = {5, 1, 6, 3};
    fixture.placeRow(7, {1, 2, 3, 4});
    fixture.controller.commit();
    QCOMPARE(fixture.rowScore(7), (rules::Score{0, 2}));

    fixture.placeRow(6, {6, 6, 0, 2});
    fixture.controller.move();

    // The first candidate that scores 0 black and 2 white against (1,2,3,4):
    // (1,1,1,1) scores a black for its leading 1; the next, (2,1,1,1), holds
    // the guess's 1 and 2, neither in its place. Against the secret
    // (5,1,6,3) it scores the black of its second 1 and nothing more.
    const Combination expected{2, 1, 1, 1};
    QCOMPARE(fixture.rowCodes(6), expected);
    QCOMPARE(rules::score(expected, Combination{1, 2, 3, 4}), (rules::Score{0, 2}));
    QVERIFY(fixture.rowInactive(6));
    QCOMPARE(fixture.rowScore(6), (rules::Score{1, 0}));
    QCOMPARE(fixture.controller.currentRow, 5);
    // The colours written by the move read back as the same codes.
    for (const auto &peg : fixture.controller.pegs[6])
        QCOMPARE(ColorCodes::codeOfColor(peg->color()), peg->cvalue());
}

void TestController::knownMoveSequences_data()
{
    QTest::addColumn<Combination>("secret");
    QTest::addColumn<bool>("unique");
    QTest::addColumn<std::vector<Combination>>("guesses");
    QTest::addColumn<bool>("won");
    QTest::newRow("(4,5,6,5) with replacement")
        << Combination{4, 5, 6, 5} << false
        << std::vector<Combination>{{1, 1, 1, 1}, {2, 2, 2, 2}, {3, 3, 3, 3}, {4, 4, 4, 4},
                                    {5, 5, 5, 4}, {6, 5, 4, 5}, {5, 6, 4, 5}, {6, 4, 5, 5}}
        << false;
    QTest::newRow("(1,2,3,4) without replacement")
        << Combination{1, 2, 3, 4} << true
        << std::vector<Combination>{{4, 3, 2, 1}, {3, 4, 1, 2}, {2, 1, 4, 3}, {1, 2, 3, 4}} << true;
}

void TestController::knownMoveSequences()
{
    QFETCH(Combination, secret);
    QFETCH(bool, unique);
    QFETCH(std::vector<Combination>, guesses);
    QFETCH(bool, won);

    BoardFixture fixture;
    const PlayedGame game = playByMoves(fixture, secret, unique);
    QCOMPARE(game.won, won);
    QCOMPARE(game.rows.size(), guesses.size());
    for (std::size_t i = 0; i < guesses.size(); ++i) {
        QCOMPARE(game.rows[i].guess, guesses[i]);
        QCOMPARE(game.rows[i].score, rules::score(secret, guesses[i]));
    }
    QCOMPARE(fixture.controller.alerts.size(), std::size_t{1});
}

void TestController::moveSweepEverySecret_data()
{
    QTest::addColumn<bool>("unique");
    QTest::newRow("with replacement") << false;
    QTest::newRow("without replacement") << true;
}

void TestController::moveSweepEverySecret()
{
    QFETCH(bool, unique);
    const std::set<Combination> expectedLosses =
        unique ? std::set<Combination>{}
               : std::set<Combination>{{4, 5, 6, 5}, {5, 3, 4, 6}, {5, 5, 5, 6},
                                       {6, 5, 5, 6}, {4, 5, 6, 6}, {5, 6, 6, 6}};
    BoardFixture fixture;
    std::set<Combination> losses;
    std::size_t longestWin = 0;
    for (int index = 0; index < rules::kCandidateCount; ++index) {
        const Combination secret = rules::candidateAt(index);
        if (unique && rules::hasRepeatedCode(secret))
            continue;
        const PlayedGame game = playByMoves(fixture, secret, unique);
        QVERIFY(fixture.controller.done);
        if (!game.won)
            losses.insert(secret);
        else
            longestWin = std::max(longestWin, game.rows.size());
        // Every score shown on the board is the true score of its row.
        for (const rules::ScoredRow &row : game.rows)
            QCOMPARE(row.score, rules::score(secret, row.guess));
    }
    QCOMPARE(losses, expectedLosses);
    if (unique)
        QVERIFY2(longestWin <= 6, qPrintable(QString::number(longestWin)));
}

QTEST_MAIN(TestController)
#include "tst_controller.moc"
