// The one model of a game: what can come from play and what cannot, and what
// the rows make of a game.

#include "records/PlayedGame.h"
#include "support/FailOnWarnings.h"
#include "support/RecordsTestSupport.h"

#include <QtTest>
#include <string>
#include <vector>

using records::GameResult;
using records::PlayedGame;

Q_DECLARE_METATYPE(GameResult)

class TestPlayedGame : public FailOnWarnings
{
    Q_OBJECT
private slots:
    void consistencyFault_data();
    void consistencyFault();
    void result_data();
    void result();
    void scoredRowsKeepTheOrderOfPlay();
};

void TestPlayedGame::consistencyFault_data()
{
    QTest::addColumn<PlayedGame>("game");
    QTest::addColumn<QString>("fault");
    const auto row = [](const char *name, const char *game, const char *fault) {
        QTest::newRow(name) << notation::game(game) << QString::fromUtf8(fault);
    };
    const std::string sevenMisses = "5555:00 5555:00 5555:00 5555:00 5555:00 5555:00 5555:00";
    const std::string eightMisses = sevenMisses + " 5555:00";

    row("a new game", "with 1234:", "");
    row("a new game, pegs placed", "without 4162: placed 3005", "");
    row("won on the last row played", "with won 1234: 1111:10 1234:40", "");
    row("lost after eight rows", ("with lost 1234: " + eightMisses).c_str(), "");
    row("won on the eighth row", ("with won 1234: " + sevenMisses + " 1234:40").c_str(), "");
    row("a code 7 in the secret", "with 1237: 1111:10", "the secret holds a code outside 1 to 6");
    row("a code 0 in the secret", "with 1230: 1111:10", "the secret holds a code outside 1 to 6");
    row("a repeated secret without replacement", "without 1233: 4321:03",
        "the secret repeats a colour in a game without replacement");
    row("a repeated secret with replacement", "with 1233: 4321:03", "");
    row("a code 7 in a row", "with 1234: 1117:10", "a row holds a code outside 1 to 6");
    row("a repeated row without replacement", "without 1234: 1122:11",
        "a row repeats a colour in a game without replacement");
    row("a score that is not the secret's", "with 1234: 1111:00!",
        "a row's score is not the secret's");
    row("a row after four black", "with 1234: 1234:40 1234:40", "a row follows a win");
    row("over, but the last row is not four black", "with over 1234: 1111:10",
        "the game is marked over too early");
    row("over after seven rows", ("with over 1234: " + sevenMisses).c_str(),
        "the game is marked over too early");
    row("playing after four black", "with playing 1234: 1234:40",
        "the game is over but not marked so");
    row("playing after eight rows", ("with playing 1234: " + eightMisses).c_str(),
        "the game is over but not marked so");
    row("a placed code 7", "with 1234: 1111:10 placed 0070",
        "a placed peg holds a code outside 1 to 6");
    row("a repeat placed without replacement", "without 1234: placed 2200", "");
    row("a peg placed after a win", "with won 1234: 1234:40 placed 1000",
        "a peg is placed after the end of the game");
}

void TestPlayedGame::consistencyFault()
{
    QFETCH(PlayedGame, game);
    QFETCH(QString, fault);
    QCOMPARE(QString::fromStdString(records::consistencyFault(game)), fault);
}

void TestPlayedGame::result_data()
{
    QTest::addColumn<PlayedGame>("game");
    QTest::addColumn<bool>("won");
    QTest::addColumn<GameResult>("result");
    QTest::newRow("no row yet") << notation::game("with playing 1234:") << false
                                << GameResult::Abandoned;
    QTest::newRow("left after a row")
        << notation::game("with 1234: 1111:10") << false << GameResult::Abandoned;
    QTest::newRow("won") << notation::game("with over 1234: 1111:10 1234:40") << true
                         << GameResult::Won;
    QTest::newRow("lost after eight rows")
        << notation::game("with over 1234: 5555:00 5555:00 5555:00 5555:00 5555:00 5555:00 "
                          "5555:00 5555:00")
        << false << GameResult::Lost;
    // Not over is abandoned, whatever the rows: the result is the state's.
    QTest::newRow("four black, not over")
        << notation::game("with playing 1234: 1234:40") << true << GameResult::Abandoned;
    QTest::newRow("over without four black")
        << notation::game("with over 1234: 1111:10") << false << GameResult::Lost;
}

void TestPlayedGame::result()
{
    QFETCH(PlayedGame, game);
    QFETCH(bool, won);
    QFETCH(GameResult, result);
    QCOMPARE(game.won(), won);
    QCOMPARE(int(game.result()), int(result));
}

void TestPlayedGame::scoredRowsKeepTheOrderOfPlay()
{
    const PlayedGame game = notation::game("with 1234: 1111:10 4321:04m 1243:22");
    const std::vector<rules::ScoredRow> expected{
        {{1, 1, 1, 1}, {1, 0}}, {{4, 3, 2, 1}, {0, 4}}, {{1, 2, 4, 3}, {2, 2}}};
    QVERIFY(game.scoredRows() == expected);
}

QTEST_APPLESS_MAIN(TestPlayedGame)
#include "tst_playedgame.moc"
