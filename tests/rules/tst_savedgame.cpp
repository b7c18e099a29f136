// The saved game's reader and writer, from the bytes alone: what the writer
// gives back is read as the same game, and a hand-made damaged, foreign or
// later file is refused with its reason.

#include "rules/SavedGame.h"
#include "rules/Scoring.h"
#include "support/FailOnWarnings.h"

#include <QtTest>

using rules::SavedGame;

namespace
{

// Secret (1, 2, 3, 4) with replacement, two rows scored, the second by Move,
// two pegs placed.
const QByteArray kGood = "Hueriddle saved game\n"
                         "version 2\n"
                         "variant with-replacement\n"
                         "secret 1 2 3 4\n"
                         "row 1 1 1 1 1 0 player\n"
                         "row 4 3 2 1 0 4 move\n"
                         "placed 5 0 6 0\n"
                         "state playing\n"
                         "end\n";

// The same game as the first version wrote it, which kept no player.
const QByteArray kVersion1 = "Hueriddle saved game\n"
                             "version 1\n"
                             "variant with-replacement\n"
                             "secret 1 2 3 4\n"
                             "row 1 1 1 1 1 0\n"
                             "row 4 3 2 1 0 4\n"
                             "placed 5 0 6 0\n"
                             "state playing\n"
                             "end\n";

SavedGame scoredGame(bool unique, rules::Combination secret,
                     std::initializer_list<rules::Combination> guesses, rules::Combination placed)
{
    SavedGame game;
    game.unique = unique;
    game.secret = secret;
    for (const rules::Combination &guess : guesses)
        game.rows.push_back({guess, rules::score(secret, guess)});
    game.placed = placed;
    game.done = !game.rows.empty() && (game.rows.back().score.black == 4 || game.rows.size() == 8);
    return game;
}

QByteArray replaced(QByteArray bytes, const QByteArray &from, const QByteArray &to)
{
    return bytes.replace(from, to);
}

} // namespace

Q_DECLARE_METATYPE(rules::SavedGame)

class TestSavedGame : public FailOnWarnings
{
    Q_OBJECT
private slots:
    void readsTheWritersGames_data();
    void readsTheWritersGames();
    void readsAHandWrittenFile_data();
    void readsAHandWrittenFile();
    void aMoveMarkBeyondTheRowsIsNoGame();
    void refusesDamagedFiles_data();
    void refusesDamagedFiles();
    void refusesEveryCutOfAGoodFile();
};

void TestSavedGame::readsTheWritersGames_data()
{
    QTest::addColumn<SavedGame>("game");
    QTest::newRow("new game with replacement") << scoredGame(false, {6, 6, 1, 2}, {}, {});
    QTest::newRow("new game without replacement, pegs placed")
        << scoredGame(true, {4, 1, 6, 2}, {}, {3, 0, 0, 5});
    QTest::newRow("seven rows scored, a repeated colour placed without replacement")
        << scoredGame(true, {1, 2, 3, 4},
                      {{4, 3, 2, 1},
                       {3, 4, 1, 2},
                       {2, 1, 4, 3},
                       {5, 6, 1, 2},
                       {1, 5, 6, 3},
                       {2, 3, 5, 6},
                       {6, 5, 4, 1}},
                      {2, 2, 0, 6});
    SavedGame partlyMoved = scoredGame(false, {5, 5, 2, 1}, {{1, 1, 1, 1}, {2, 2, 2, 2}}, {});
    partlyMoved.rowsByMove[1] = true;
    QTest::newRow("second row played by Move") << partlyMoved;
    QTest::newRow("won on the third row")
        << scoredGame(false, {5, 5, 2, 1}, {{1, 1, 1, 1}, {2, 2, 2, 2}, {5, 5, 2, 1}}, {});
    QTest::newRow("lost after eight rows") << scoredGame(false, {4, 5, 6, 5},
                                                         {{1, 1, 1, 1},
                                                          {2, 2, 2, 2},
                                                          {3, 3, 3, 3},
                                                          {4, 4, 4, 4},
                                                          {5, 5, 5, 4},
                                                          {6, 5, 4, 5},
                                                          {5, 6, 4, 5},
                                                          {6, 4, 5, 5}},
                                                         {});
}

void TestSavedGame::readsTheWritersGames()
{
    QFETCH(SavedGame, game);
    QCOMPARE(rules::consistencyFault(game), std::string());
    const std::string bytes = rules::writeSavedGame(game);
    QVERIFY(bytes.size() <= rules::kSavedGameMaxBytes);
    const rules::SavedGameReading reading = rules::readSavedGame(bytes);
    QVERIFY2(reading.game.has_value(), reading.reason.c_str());
    QVERIFY(*reading.game == game);
    QCOMPARE(rules::writeSavedGame(*reading.game), bytes);
}

void TestSavedGame::readsAHandWrittenFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("secondByMove");
    QTest::newRow("version 2, the second row by Move") << kGood << true;
    QTest::newRow("version 1: every row the player's") << kVersion1 << false;
}

void TestSavedGame::readsAHandWrittenFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, secondByMove);
    const rules::SavedGameReading reading = rules::readSavedGame(bytes.toStdString());
    QVERIFY2(reading.game.has_value(), reading.reason.c_str());
    const SavedGame &game = *reading.game;
    QCOMPARE(game.unique, false);
    QCOMPARE(game.secret, (rules::Combination{1, 2, 3, 4}));
    QCOMPARE(game.rows.size(), std::size_t(2));
    QCOMPARE(game.rows[0].guess, (rules::Combination{1, 1, 1, 1}));
    QCOMPARE(game.rows[1].score, (rules::Score{0, 4}));
    QCOMPARE(game.placed, (rules::Combination{5, 0, 6, 0}));
    QCOMPARE(game.done, false);
    std::array<bool, rules::kRows> byMove{};
    byMove[1] = secondByMove;
    QVERIFY(game.rowsByMove == byMove);
}

// A row that was never played cannot have been played by Move; a snapshot
// that says so is not a game.
void TestSavedGame::aMoveMarkBeyondTheRowsIsNoGame()
{
    SavedGame game = scoredGame(false, {1, 2, 3, 4}, {{1, 1, 1, 1}}, {});
    game.rowsByMove[0] = true;
    QCOMPARE(rules::consistencyFault(game), std::string());
    game.rowsByMove[1] = true;
    QCOMPARE(rules::consistencyFault(game),
             std::string("a row not played is marked as played by Move"));
}

void TestSavedGame::refusesDamagedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");

    QTest::newRow("empty file") << QByteArray() << "the file is empty";
    QTest::newRow("cut inside the first line") << QByteArray("Hueriddle sav") << "cut short";
    QTest::newRow("cut after the rows") << kGood.left(kGood.indexOf("placed")) << "cut short";
    QTest::newRow("last line feed missing") << kGood.chopped(1) << "cut short";
    QTest::newRow("later version")
        << replaced(kGood, "version 2", "version 3") << "later version of Hueriddle";
    QTest::newRow("later version with a format of its own")
        << QByteArray("Hueriddle saved game\nversion 7\n{\"rows\": []}\n")
        << "later version of Hueriddle";
    QTest::newRow("version zero") << replaced(kGood, "version 2", "version 0") << "no version";
    QTest::newRow("a row without who played it")
        << replaced(kGood, "1 0 player\n", "1 0\n") << "not four codes and a score";
    QTest::newRow("a row played by someone else")
        << replaced(kGood, "0 4 move\n", "0 4 robot\n") << "not four codes and a score";
    QTest::newRow("who played a row, in a version 1 file")
        << replaced(kVersion1, "0 4\n", "0 4 move\n") << "not four codes and a score";
    QTest::newRow("foreign program's file")
        << QByteArray("[General]\nHueRiddlesMain=@ByteArray(x)\n") << "not a Hueriddle saved game";
    QTest::newRow("binary garbage")
        << QByteArray("\x00\xff\x13\x37", 4) << "not a Hueriddle saved game";
    QTest::newRow("far too large") << kGood + QByteArray(5000, '\n') << "too large";
    QTest::newRow("unknown variant")
        << replaced(kGood, "with-replacement", "with-jokers") << "no variant";
    QTest::newRow("secret with a code 7") << replaced(kGood, "secret 1 2 3 4", "secret 1 2 3 7")
                                          << "the secret holds a code outside 1 to 6";
    QTest::newRow("secret of three codes")
        << replaced(kGood, "secret 1 2 3 4", "secret 1 2 3") << "no secret";
    QTest::newRow("repeated secret without replacement")
        << replaced(replaced(kGood, "with-replacement", "without-replacement"), "secret 1 2 3 4",
                    "secret 1 2 3 3")
        << "the secret repeats a colour";
    QTest::newRow("score not the secret's (one digit flipped)")
        << replaced(kGood, "row 1 1 1 1 1 0", "row 1 1 1 1 0 0") << "score is not the secret's";
    QTest::newRow("guess changed under its score")
        << replaced(kGood, "row 4 3 2 1 0 4", "row 4 3 2 5 0 4") << "score is not the secret's";
    QTest::newRow("negative count")
        << replaced(kGood, "row 1 1 1 1 1 0", "row 1 1 1 1 -1 0") << "not four codes and a score";
    QTest::newRow("leading zero") << replaced(kGood, "row 1 1 1 1 1 0", "row 01 1 1 1 1 0")
                                  << "not four codes and a score";
    QTest::newRow("two blanks") << replaced(kGood, "row 1 1 1 1 1 0", "row 1  1 1 1 1 0")
                                << "not four codes and a score";
    QTest::newRow("carriage returns")
        << replaced(kGood, "\n", "\r\n") << "not a Hueriddle saved game";
    QTest::newRow("placed code 7")
        << replaced(kGood, "placed 5 0 6 0", "placed 5 0 7 0") << "placed peg holds a code outside";
    QTest::newRow("marked over while playing")
        << replaced(kGood, "state playing", "state over") << "marked over too early";
    QTest::newRow("unknown state")
        << replaced(kGood, "state playing", "state paused") << "no state";
    QTest::newRow("a line after the end") << kGood + "row 1 1 1 1 1 0\nend\n"
                                          << "more lines than a saved game has";
    QTest::newRow("row after a win") << replaced(kGood, "row 1 1 1 1 1 0 player\n",
                                                 "row 1 2 3 4 4 0 player\nrow 1 1 1 1 1 0 player\n")
                                     << "a row follows a win";
    QTest::newRow("win not marked over")
        << replaced(kGood, "row 4 3 2 1 0 4 move\n", "row 1 2 3 4 4 0 move\n")
        << "over but not marked so";
    QByteArray nine = kGood;
    nine.replace("row 4 3 2 1 0 4 move\n", QByteArray("row 5 5 5 5 0 0 move\n").repeated(8));
    QTest::newRow("nine rows") << nine << "more than eight rows";
}

void TestSavedGame::refusesDamagedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const rules::SavedGameReading reading = rules::readSavedGame(bytes.toStdString());
    QVERIFY(!reading.game.has_value());
    QVERIFY2(QString::fromStdString(reading.reason).contains(reason), reading.reason.c_str());
}

// A write cut at any byte, as a torn write would leave it, is never read as
// a game.
void TestSavedGame::refusesEveryCutOfAGoodFile()
{
    for (qsizetype length = 0; length < kGood.size(); ++length) {
        const rules::SavedGameReading reading =
            rules::readSavedGame(kGood.left(length).toStdString());
        QVERIFY2(!reading.game.has_value(), qPrintable(QString::number(length)));
        QVERIFY(!reading.reason.empty());
    }
}

QTEST_APPLESS_MAIN(TestSavedGame)
#include "tst_savedgame.moc"
