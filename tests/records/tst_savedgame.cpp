// The saved game's reader and writer, from the bytes alone: what the writer
// gives back is read as the same game, and a hand-made damaged, foreign or
// later file is refused with its reason.

#include "records/SavedGameFormat.h"
#include "support/FailOnWarnings.h"
#include "support/RecordsTestSupport.h"

#include <QtTest>

using records::PlayedGame;

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

QByteArray replaced(QByteArray bytes, const QByteArray &from, const QByteArray &to)
{
    return bytes.replace(from, to);
}

} // namespace

class TestSavedGame : public FailOnWarnings
{
    Q_OBJECT
private slots:
    void readsTheWritersGames_data();
    void readsTheWritersGames();
    void readsAHandWrittenFile_data();
    void readsAHandWrittenFile();
    void refusesDamagedFiles_data();
    void refusesDamagedFiles();
    void refusesEveryCutOfAGoodFile();
};

void TestSavedGame::readsTheWritersGames_data()
{
    QTest::addColumn<PlayedGame>("game");
    QTest::newRow("new game with replacement") << notation::game("with 6612:");
    QTest::newRow("new game without replacement, pegs placed")
        << notation::game("without 4162: placed 3005");
    QTest::newRow("seven rows scored, a repeated colour placed without replacement")
        << notation::game("without 1234: 4321:04 3412:04 2143:04 5612:02 1563:11 2356:02 6541:02 "
                          "placed 2206");
    QTest::newRow("second row played by Move") << notation::game("with 5521: 1111:10 2222:10m");
    QTest::newRow("won on the third row")
        << notation::game("with won 5521: 1111:10 2222:10 5521:40");
    QTest::newRow("lost after eight rows")
        << notation::game("with lost 4565: 1111:00 2222:00 3333:00 4444:10 5554:12 6545:22 "
                          "5645:13 6455:13");
}

void TestSavedGame::readsTheWritersGames()
{
    QFETCH(PlayedGame, game);
    QCOMPARE(records::consistencyFault(game), std::string());
    const std::string bytes = records::writeSavedGame(game);
    QVERIFY(bytes.size() <= records::kSavedGameMaxBytes);
    const records::SavedGameReading reading = records::readSavedGame(bytes);
    QVERIFY2(reading.game.has_value(), reading.reason.c_str());
    QCOMPARE(*reading.game, game);
    QCOMPARE(records::writeSavedGame(*reading.game), bytes);
}

void TestSavedGame::readsAHandWrittenFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<PlayedGame>("game");
    QTest::newRow("version 2, the second row by Move")
        << kGood << notation::game("with 1234: 1111:10 4321:04m placed 5060");
    QTest::newRow("version 1: every row the player's")
        << kVersion1 << notation::game("with 1234: 1111:10 4321:04 placed 5060");
}

void TestSavedGame::readsAHandWrittenFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(PlayedGame, game);
    const records::SavedGameReading reading = records::readSavedGame(bytes.toStdString());
    QVERIFY2(reading.game.has_value(), reading.reason.c_str());
    QCOMPARE(*reading.game, game);
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
    const records::SavedGameReading reading = records::readSavedGame(bytes.toStdString());
    QVERIFY(!reading.game.has_value());
    QVERIFY2(QString::fromStdString(reading.reason).contains(reason), reading.reason.c_str());
}

// A write cut at any byte, as a torn write would leave it, is never read as
// a game.
void TestSavedGame::refusesEveryCutOfAGoodFile()
{
    for (qsizetype length = 0; length < kGood.size(); ++length) {
        const records::SavedGameReading reading =
            records::readSavedGame(kGood.left(length).toStdString());
        QVERIFY2(!reading.game.has_value(), qPrintable(QString::number(length)));
        QVERIFY(!reading.reason.empty());
    }
}

QTEST_APPLESS_MAIN(TestSavedGame)
#include "tst_savedgame.moc"
