#include "rules/GameRecord.h"
#include "support/FailOnWarnings.h"
#include "support/RulesTestSupport.h"

#include <QtTest>
#include <cstdio>
#include <string>
#include <vector>

using rules::GameRecord;
using rules::GameResult;
using rules::HistoryLineKind;

Q_DECLARE_METATYPE(GameRecord)
Q_DECLARE_METATYPE(HistoryLineKind)

namespace
{

// A game of `rows` against `secret`, each row scored as the rules score it.
GameRecord game(bool unique, GameResult result, rules::Combination secret,
                std::vector<rules::Combination> guesses, std::vector<bool> byMove = {})
{
    GameRecord record;
    record.endedAt = 1765418400; // 2025-12-11 02:00 UTC
    record.unique = unique;
    record.result = result;
    record.secret = secret;
    for (const rules::Combination &guess : guesses) {
        rules::PlayedRow &row = record.rows[std::size_t(record.rowCount)];
        row.scored = {guess, rules::score(secret, guess)};
        row.byMove =
            std::size_t(record.rowCount) < byMove.size() && byMove[std::size_t(record.rowCount)];
        ++record.rowCount;
    }
    return record;
}

std::string line(const GameRecord &record)
{
    return rules::formatHistoryLine(record);
}

} // namespace

class TestGameRecord : public FailOnWarnings
{
    Q_OBJECT
private slots:
    void lineOfAKnownGame();
    void roundTrip_data();
    void roundTrip();
    void linesThatAreNotGames_data();
    void linesThatAreNotGames();
    void consistency_data();
    void consistency();
    void scanSkipsAndCounts();
};

// The format is what players keep from one version to the next: a line
// written once must read the same forever.
void TestGameRecord::lineOfAKnownGame()
{
    const GameRecord record =
        game(false, GameResult::Won, {4, 5, 1, 2}, {{1, 1, 2, 2}, {4, 5, 1, 2}}, {true, false});
    QCOMPARE(QString::fromStdString(line(record)),
             QStringLiteral("hueriddle 1 1765418400 with won 4512 1122:11m 4512:40 #07ef1d9d"));
}

void TestGameRecord::roundTrip_data()
{
    QTest::addColumn<GameRecord>("record");
    QTest::newRow("won on the first row")
        << game(false, GameResult::Won, {1, 2, 3, 4}, {{1, 2, 3, 4}});
    QTest::newRow("lost, eight rows by Move") << game(false, GameResult::Lost, {4, 5, 6, 5},
                                                      {{1, 1, 1, 1},
                                                       {2, 2, 2, 2},
                                                       {3, 3, 3, 3},
                                                       {4, 4, 4, 4},
                                                       {5, 5, 5, 4},
                                                       {6, 5, 4, 5},
                                                       {5, 6, 4, 5},
                                                       {6, 4, 5, 5}},
                                                      std::vector<bool>(8, true));
    QTest::newRow("abandoned after two rows, without replacement")
        << game(true, GameResult::Abandoned, {6, 5, 4, 3}, {{4, 3, 2, 1}, {1, 2, 3, 4}});
    GameRecord epoch = game(true, GameResult::Won, {1, 2, 3, 4}, {{1, 2, 3, 4}});
    epoch.endedAt = 0;
    QTest::newRow("at the epoch") << epoch;
}

void TestGameRecord::roundTrip()
{
    QFETCH(GameRecord, record);
    QVERIFY(rules::isConsistent(record));
    const std::string text = line(record);
    GameRecord read;
    QCOMPARE(rules::parseHistoryLine(text, read), HistoryLineKind::Game);
    QVERIFY(read == record);
}

void TestGameRecord::linesThatAreNotGames_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<HistoryLineKind>("kind");
    const std::string good =
        line(game(false, GameResult::Won, {4, 5, 1, 2}, {{1, 1, 2, 2}, {4, 5, 1, 2}}));
    const auto bytes = [](const std::string &text) { return QByteArray::fromStdString(text); };

    QTest::newRow("the line itself") << bytes(good) << HistoryLineKind::Game;
    QTest::newRow("empty") << QByteArray() << HistoryLineKind::Unreadable;
    QTest::newRow("foreign text") << QByteArray("[General]") << HistoryLineKind::Unreadable;
    QTest::newRow("cut short") << bytes(good.substr(0, good.size() / 2))
                               << HistoryLineKind::Unreadable;
    QTest::newRow("checksum cut short")
        << bytes(good.substr(0, good.size() - 1)) << HistoryLineKind::Unreadable;
    std::string flipped = good;
    flipped[good.find("4512:40")] = '3';
    QTest::newRow("a digit changed") << bytes(flipped) << HistoryLineKind::Unreadable;
    std::string upper = good;
    for (std::size_t at = good.size() - 8; at < good.size(); ++at)
        upper[at] = char(std::toupper(static_cast<unsigned char>(upper[at])));
    if (upper != good)
        QTest::newRow("checksum in capitals") << bytes(upper) << HistoryLineKind::Unreadable;
    QTest::newRow("carriage return kept at the end")
        << bytes(good + "\r") << HistoryLineKind::Unreadable;
    std::string spaced = good.substr(0, good.size() - 10) + " ";
    spaced += good.substr(good.size() - 10);
    QTest::newRow("two blanks before the checksum, sealed again")
        << bytes(spaced.substr(0, spaced.size() - 8) +
                 [&] {
                     // The right checksum of the line with the extra blank.
                     std::uint32_t hash = 2166136261u;
                     for (const char byte : spaced.substr(0, spaced.size() - 10)) {
                         hash ^= static_cast<unsigned char>(byte);
                         hash *= 16777619u;
                     }
                     char hex[9];
                     std::snprintf(hex, sizeof hex, "%08x", hash);
                     return std::string(hex);
                 }())
        << HistoryLineKind::Unreadable;
    QTest::newRow("a later version")
        << QByteArray("hueriddle 2 anything at all") << HistoryLineKind::LaterVersion;
    QTest::newRow("a much later version")
        << QByteArray("hueriddle 999999999") << HistoryLineKind::LaterVersion;
    QTest::newRow("version 0") << QByteArray("hueriddle 0 1 with won 1234 1234:40 #00000000")
                               << HistoryLineKind::Unreadable;
    QTest::newRow("version with a leading zero")
        << QByteArray("hueriddle 02 x") << HistoryLineKind::Unreadable;
    // Whole and with a right checksum, but no game the program can play.
    QTest::newRow("a score that does not match the secret") << bytes(line([] {
        GameRecord record = game(false, GameResult::Abandoned, {1, 2, 3, 4}, {{1, 1, 1, 1}});
        record.rows[0].scored.score = {0, 0};
        return record;
    }())) << HistoryLineKind::Unreadable;
    QTest::newRow("a repeat without replacement")
        << bytes(line(game(true, GameResult::Abandoned, {1, 2, 3, 4}, {{1, 1, 2, 2}})))
        << HistoryLineKind::Unreadable;
}

void TestGameRecord::linesThatAreNotGames()
{
    QFETCH(QByteArray, text);
    QFETCH(HistoryLineKind, kind);
    GameRecord read;
    read.endedAt = 42;
    const HistoryLineKind actual =
        rules::parseHistoryLine(std::string_view(text.constData(), std::size_t(text.size())), read);
    QCOMPARE(int(actual), int(kind));
    if (kind != HistoryLineKind::Game)
        QCOMPARE(read.endedAt, 42); // untouched
}

void TestGameRecord::consistency_data()
{
    QTest::addColumn<GameRecord>("record");
    QTest::addColumn<bool>("consistent");
    QTest::newRow("won on the last row played")
        << game(false, GameResult::Won, {1, 2, 3, 4}, {{1, 1, 1, 1}, {1, 2, 3, 4}}) << true;
    QTest::newRow("won, but the last row is not four black")
        << game(false, GameResult::Won, {1, 2, 3, 4}, {{1, 1, 1, 1}}) << false;
    QTest::newRow("a row after four black")
        << game(false, GameResult::Won, {1, 2, 3, 4}, {{1, 2, 3, 4}, {1, 2, 3, 4}}) << false;
    QTest::newRow("lost after seven rows") << game(false, GameResult::Lost, {1, 2, 3, 4},
                                                   std::vector<rules::Combination>(7, {5, 5, 5, 5}))
                                           << false;
    QTest::newRow("lost after eight rows") << game(false, GameResult::Lost, {1, 2, 3, 4},
                                                   std::vector<rules::Combination>(8, {5, 5, 5, 5}))
                                           << true;
    QTest::newRow("abandoned with four black")
        << game(false, GameResult::Abandoned, {1, 2, 3, 4}, {{1, 2, 3, 4}}) << false;
    QTest::newRow("abandoned before any row")
        << game(false, GameResult::Abandoned, {1, 2, 3, 4}, {}) << false;
    QTest::newRow("abandoned after eight rows")
        << game(false, GameResult::Abandoned, {1, 2, 3, 4},
                std::vector<rules::Combination>(8, {5, 5, 5, 5}))
        << false;
    QTest::newRow("a code 7 in the secret")
        << game(false, GameResult::Abandoned, {1, 2, 3, 7}, {{1, 1, 1, 1}}) << false;
    QTest::newRow("a repeated secret without replacement")
        << game(true, GameResult::Abandoned, {1, 2, 3, 3}, {{4, 3, 2, 1}}) << false;
}

void TestGameRecord::consistency()
{
    QFETCH(GameRecord, record);
    QFETCH(bool, consistent);
    QCOMPARE(rules::isConsistent(record), consistent);
}

void TestGameRecord::scanSkipsAndCounts()
{
    const GameRecord first = game(false, GameResult::Won, {1, 2, 3, 4}, {{1, 2, 3, 4}});
    const GameRecord second = game(true, GameResult::Lost, {6, 5, 4, 3},
                                   std::vector<rules::Combination>(8, {1, 2, 3, 4}));
    const std::string third =
        line(game(false, GameResult::Abandoned, {1, 1, 1, 1}, {{2, 2, 2, 2}}));
    // A torn line, ended by the next write; a foreign line; an empty line; a
    // later version's line; and at the end a line torn by a kill.
    const std::string bytes = line(first) + "\n" + third.substr(0, 20) + "\n" + "foreign\n" + "\n" +
                              "hueriddle 2 a later line\n" + line(second) + "\n" +
                              third.substr(0, third.size() - 3);
    std::vector<GameRecord> games;
    const rules::HistoryScan scan =
        rules::scanHistory(bytes, [&](const GameRecord &record) { games.push_back(record); });
    QCOMPARE(games.size(), std::size_t{2});
    QVERIFY(games[0] == first);
    QVERIFY(games[1] == second);
    QCOMPARE(scan.games, 2);
    QCOMPARE(scan.unreadable, 2);
    QCOMPARE(scan.laterVersion, 1);
    QVERIFY(scan.tornEnd);

    const rules::HistoryScan whole =
        rules::scanHistory(line(first) + "\n", [](const GameRecord &) {});
    QVERIFY(!whole.tornEnd);
    QCOMPARE(whole.unreadable, 0);
}

QTEST_APPLESS_MAIN(TestGameRecord)
#include "tst_gamerecord.moc"
