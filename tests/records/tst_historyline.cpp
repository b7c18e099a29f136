// The history's line format, from the bytes alone: a line written once reads
// the same forever, every game the writer gives reads back alike, and a line
// that is damaged, foreign, of a later version or of no game the program can
// play is told apart.

#include "records/HistoryLine.h"
#include "support/FailOnWarnings.h"
#include "support/RecordsTestSupport.h"

#include <QtTest>
#include <cstdio>
#include <string>
#include <vector>

using records::HistoryEntry;
using records::HistoryLineKind;

Q_DECLARE_METATYPE(HistoryLineKind)

namespace
{

std::string line(std::string_view game)
{
    return records::formatHistoryLine(notation::entry(game));
}

// `text` ended by its right checksum, as the writer would end it.
std::string sealed(const std::string &text)
{
    std::uint32_t hash = 2166136261u;
    for (const char byte : text) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 16777619u;
    }
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", hash);
    return text + " #" + hex;
}

QByteArray bytes(const std::string &text)
{
    return QByteArray::fromStdString(text);
}

} // namespace

class TestHistoryLine : public FailOnWarnings
{
    Q_OBJECT
private slots:
    void lineOfAKnownGame();
    void roundTrip_data();
    void roundTrip();
    void linesThatAreNotGames_data();
    void linesThatAreNotGames();
    void scanSkipsAndCounts();
};

// The format is what players keep from one version to the next: a line
// written once must read the same forever.
void TestHistoryLine::lineOfAKnownGame()
{
    QCOMPARE(QString::fromStdString(line("with won 4512: 1122:11m 4512:40")),
             QStringLiteral("hueriddle 1 1765418400 with won 4512 1122:11m 4512:40 #07ef1d9d"));
}

void TestHistoryLine::roundTrip_data()
{
    QTest::addColumn<HistoryEntry>("entry");
    QTest::newRow("won on the first row") << notation::entry("with won 1234: 1234:40");
    QTest::newRow("lost, eight rows by Move")
        << notation::entry("with lost 4565: 1111:00m 2222:00m 3333:00m 4444:10m 5554:12m "
                           "6545:22m 5645:13m 6455:13m");
    QTest::newRow("abandoned after two rows, without replacement")
        << notation::entry("without abandoned 6543: 4321:02 1234:02");
    QTest::newRow("at the epoch") << notation::entry("at 0 without won 1234: 1234:40");
}

void TestHistoryLine::roundTrip()
{
    QFETCH(HistoryEntry, entry);
    QCOMPARE(records::consistencyFault(entry.game), std::string());
    const std::string text = records::formatHistoryLine(entry);
    HistoryEntry read;
    QCOMPARE(records::parseHistoryLine(text, read), HistoryLineKind::Game);
    QCOMPARE(read, entry);
}

void TestHistoryLine::linesThatAreNotGames_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<HistoryLineKind>("kind");
    const std::string good = line("with won 4512: 1122:11 4512:40");

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
    QTest::newRow("two blanks before the checksum, sealed again")
        << bytes(sealed(good.substr(0, good.size() - 10) + " ")) << HistoryLineKind::Unreadable;
    QTest::newRow("a later version")
        << QByteArray("hueriddle 2 anything at all") << HistoryLineKind::LaterVersion;
    QTest::newRow("a much later version")
        << QByteArray("hueriddle 999999999") << HistoryLineKind::LaterVersion;
    QTest::newRow("version 0") << QByteArray("hueriddle 0 1 with won 1234 1234:40 #00000000")
                               << HistoryLineKind::Unreadable;
    QTest::newRow("version with a leading zero")
        << QByteArray("hueriddle 02 x") << HistoryLineKind::Unreadable;
    // Whole and with a right checksum, but no game the program can play.
    QTest::newRow("a score that does not match the secret")
        << bytes(line("with abandoned 1234: 1111:00!")) << HistoryLineKind::Unreadable;
    QTest::newRow("a repeat without replacement")
        << bytes(line("without abandoned 1234: 1122:11")) << HistoryLineKind::Unreadable;
    QTest::newRow("abandoned before any row")
        << bytes(line("with abandoned 1234:")) << HistoryLineKind::Unreadable;
    const std::string start = "hueriddle 1 1765418400 with ";
    const std::string eightMisses = " 5555:00 5555:00 5555:00 5555:00 5555:00 5555:00 5555:00";
    QTest::newRow("won on the eighth row, as written")
        << bytes(sealed(start + "won 1234" + eightMisses + " 1234:40")) << HistoryLineKind::Game;
    QTest::newRow("named won, eight rows without a win")
        << bytes(sealed(start + "won 1234" + eightMisses + " 5555:00"))
        << HistoryLineKind::Unreadable;
    QTest::newRow("named lost, won on the eighth row")
        << bytes(sealed(start + "lost 1234" + eightMisses + " 1234:40"))
        << HistoryLineKind::Unreadable;
    QTest::newRow("named won, the last row not four black")
        << bytes(sealed(start + "won 1234 1111:10")) << HistoryLineKind::Unreadable;
    QTest::newRow("named lost after seven rows")
        << bytes(sealed(start + "lost 1234" + eightMisses)) << HistoryLineKind::Unreadable;
    QTest::newRow("named abandoned after eight rows")
        << bytes(sealed(start + "abandoned 1234" + eightMisses + " 5555:00"))
        << HistoryLineKind::Unreadable;
    QTest::newRow("named abandoned with four black")
        << bytes(sealed(start + "abandoned 1234 1234:40")) << HistoryLineKind::Unreadable;
}

void TestHistoryLine::linesThatAreNotGames()
{
    QFETCH(QByteArray, text);
    QFETCH(HistoryLineKind, kind);
    HistoryEntry read;
    read.endedAt = 42;
    const HistoryLineKind actual = records::parseHistoryLine(
        std::string_view(text.constData(), std::size_t(text.size())), read);
    QCOMPARE(int(actual), int(kind));
    if (kind != HistoryLineKind::Game)
        QCOMPARE(read.endedAt, 42); // untouched
}

void TestHistoryLine::scanSkipsAndCounts()
{
    const HistoryEntry first = notation::entry("with won 1234: 1234:40");
    const HistoryEntry second = notation::entry(
        "without lost 6543: 1234:02 1234:02 1234:02 1234:02 1234:02 1234:02 1234:02 1234:02");
    const std::string third = line("with abandoned 1111: 2222:00");
    // A torn line, ended by the next write; a foreign line; an empty line; a
    // later version's line; and at the end a line torn by a kill.
    const std::string history = records::formatHistoryLine(first) + "\n" + third.substr(0, 20) +
                                "\n" + "foreign\n" + "\n" + "hueriddle 2 a later line\n" +
                                records::formatHistoryLine(second) + "\n" +
                                third.substr(0, third.size() - 3);
    std::vector<HistoryEntry> games;
    const records::HistoryScan scan =
        records::scanHistory(history, [&](const HistoryEntry &entry) { games.push_back(entry); });
    QCOMPARE(games.size(), std::size_t{2});
    QCOMPARE(games[0], first);
    QCOMPARE(games[1], second);
    QCOMPARE(scan.games, 2);
    QCOMPARE(scan.unreadable, 2);
    QCOMPARE(scan.laterVersion, 1);
    QVERIFY(scan.tornEnd);

    const records::HistoryScan whole =
        records::scanHistory(records::formatHistoryLine(first) + "\n", [](const HistoryEntry &) {});
    QVERIFY(!whole.tornEnd);
    QCOMPARE(whole.unreadable, 0);
}

QTEST_APPLESS_MAIN(TestHistoryLine)
#include "tst_historyline.moc"
