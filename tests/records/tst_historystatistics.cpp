// The numbers the statistics window shows, worked out from a history: counts,
// streaks, the win rate, the average rows of a win, wins by rows and without
// Move, the last game, and the lines the reading skipped.

#include "records/HistoryLine.h"
#include "records/HistoryStatistics.h"
#include "support/FailOnWarnings.h"
#include "support/RecordsTestSupport.h"

#include <QtTest>
#include <string>

using records::HistoryEntry;
using records::HistoryStatistics;
using records::VariantStatistics;

Q_DECLARE_METATYPE(VariantStatistics)

namespace QTest
{
template <> inline char *toString(const VariantStatistics &numbers)
{
    QString byRows;
    for (std::int64_t wins : numbers.winsByRows)
        byRows += QString::number(wins) + u' ';
    return qstrdup(qPrintable(QStringLiteral("won %1, lost %2, abandoned %3, streak %4, best %5, "
                                             "wins by rows %6, without Move %7")
                                  .arg(numbers.won)
                                  .arg(numbers.lost)
                                  .arg(numbers.abandoned)
                                  .arg(numbers.currentStreak)
                                  .arg(numbers.bestStreak)
                                  .arg(byRows.trimmed())
                                  .arg(numbers.winsWithoutMove)));
}
} // namespace QTest

namespace
{

// The history of `games`, in the game notation, one whole line each.
QByteArray history(const QStringList &games)
{
    QByteArray bytes;
    for (const QString &game : games)
        bytes += QByteArray::fromStdString(
                     records::formatHistoryLine(notation::entry(game.toStdString()))) +
                 '\n';
    return bytes;
}

VariantStatistics numbers(std::int64_t won, std::int64_t lost, std::int64_t abandoned,
                          std::int64_t currentStreak, std::int64_t bestStreak,
                          std::array<std::int64_t, rules::kRows> winsByRows,
                          std::int64_t winsWithoutMove)
{
    VariantStatistics expected;
    expected.won = won;
    expected.lost = lost;
    expected.abandoned = abandoned;
    expected.currentStreak = currentStreak;
    expected.bestStreak = bestStreak;
    expected.winsByRows = winsByRows;
    expected.winsWithoutMove = winsWithoutMove;
    return expected;
}

HistoryStatistics fromBytes(const QByteArray &bytes)
{
    return HistoryStatistics::fromHistory(
        std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

const char *const kWinOnRow1 = "with won 1234: 1234:40";
const char *const kWinOnRow3 = "with won 1234: 1111:10 2222:10 1234:40";
const char *const kLoss =
    "with lost 1234: 5555:00 5555:00 5555:00 5555:00 5555:00 5555:00 5555:00 5555:00";
const char *const kAbandoned = "with abandoned 1234: 1111:10";

} // namespace

class TestHistoryStatistics : public FailOnWarnings
{
    Q_OBJECT
private slots:
    void numbersOfAVariant_data();
    void numbersOfAVariant();
    void rates_data();
    void rates();
    void readingSkipsWhatIsNoGame_data();
    void readingSkipsWhatIsNoGame();
};

void TestHistoryStatistics::numbersOfAVariant_data()
{
    QTest::addColumn<QStringList>("games");
    QTest::addColumn<bool>("unique");
    QTest::addColumn<VariantStatistics>("expected");

    QTest::newRow("no game") << QStringList{} << false << VariantStatistics{};
    QTest::newRow("one win on the third row")
        << QStringList{kWinOnRow3} << false << numbers(1, 0, 0, 1, 1, {0, 0, 1}, 1);
    QTest::newRow("a loss ends the streak, the best is kept")
        << QStringList{kWinOnRow1, kWinOnRow1, kLoss, kWinOnRow3} << false
        << numbers(3, 1, 0, 1, 2, {2, 0, 1}, 3);
    QTest::newRow("an abandoned game ends the streak")
        << QStringList{kWinOnRow1, kWinOnRow1, kAbandoned} << false
        << numbers(2, 0, 1, 0, 2, {2}, 2);
    const QStringList mixed{kWinOnRow1,
                            "without lost 6543: 1234:02 1234:02 1234:02 1234:02 "
                            "1234:02 1234:02 1234:02 1234:02",
                            "without abandoned 6543: 1234:02", kWinOnRow3};
    QTest::newRow("games of the other variant do not break a streak")
        << mixed << false << numbers(2, 0, 0, 2, 2, {1, 0, 1}, 2);
    QTest::newRow("the other variant counts its own games")
        << mixed << true << numbers(0, 1, 1, 0, 0, {}, 0);
    QTest::newRow("wins by the rows they took")
        << QStringList{kWinOnRow1, "with won 1234: 1111:10 2222:10 3333:10 1234:40",
                       "with won 1234: 5555:00 5555:00 5555:00 5555:00 5555:00 5555:00 "
                       "5555:00 1234:40",
                       kWinOnRow1}
        << false << numbers(4, 0, 0, 4, 4, {2, 0, 0, 1, 0, 0, 0, 1}, 4);
    QTest::newRow("a win with a row by Move is no win without Move")
        << QStringList{"with won 1234: 1111:10 2222:10m 1234:40", "with won 1234: 1234:40m",
                       "with lost 1234: 5555:00 5555:00 5555:00 5555:00 5555:00 5555:00 "
                       "5555:00 5555:00",
                       kWinOnRow3}
        << false << numbers(3, 1, 0, 1, 2, {1, 0, 2}, 1);
    QTest::newRow("without replacement")
        << QStringList{"without won 1234: 4321:04 1234:40", "without abandoned 6543: 1234:02",
                       "without won 1234: 1234:40m"}
        << true << numbers(2, 0, 1, 1, 1, {1, 1}, 1);
}

// The history read from its bytes counts as adding its games one by one.
void TestHistoryStatistics::numbersOfAVariant()
{
    QFETCH(QStringList, games);
    QFETCH(bool, unique);
    QFETCH(VariantStatistics, expected);

    const HistoryStatistics read = fromBytes(history(games));
    QCOMPARE(read.variant(unique), expected);
    QCOMPARE(read.variant(unique).played(), expected.won + expected.lost + expected.abandoned);

    HistoryStatistics added;
    for (const QString &game : games)
        added.add(notation::entry(game.toStdString()));
    QCOMPARE(added.variant(unique), expected);
    QCOMPARE(added.lastGame(), read.lastGame());
}

void TestHistoryStatistics::rates_data()
{
    QTest::addColumn<VariantStatistics>("numbers");
    QTest::addColumn<double>("winRate");
    QTest::addColumn<double>("averageWinRows");
    QTest::newRow("before any game") << VariantStatistics{} << 0.0 << 0.0;
    QTest::newRow("lost games only") << numbers(0, 3, 0, 0, 0, {}, 0) << 0.0 << 0.0;
    QTest::newRow("three won of four, on rows 1, 3 and 5")
        << numbers(3, 1, 0, 0, 0, {1, 0, 1, 0, 1}, 0) << 0.75 << 3.0;
    QTest::newRow("an abandoned game is played")
        << numbers(1, 0, 1, 0, 0, {0, 0, 0, 1}, 0) << 0.5 << 4.0;
    QTest::newRow("on rows 1, 2 and 4")
        << numbers(3, 0, 0, 0, 0, {1, 1, 0, 1}, 0) << 1.0 << 7.0 / 3.0;
}

void TestHistoryStatistics::rates()
{
    QFETCH(VariantStatistics, numbers);
    QFETCH(double, winRate);
    QFETCH(double, averageWinRows);
    QCOMPARE(numbers.winRate(), winRate);
    QCOMPARE(numbers.averageWinRows(), averageWinRows);
}

void TestHistoryStatistics::readingSkipsWhatIsNoGame_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("played");
    QTest::addColumn<qint64>("unreadable");
    QTest::addColumn<qint64>("laterVersion");
    QTest::addColumn<QString>("lastGame");

    const QString first = QStringLiteral("at 1765418400 with won 1234: 1234:40");
    const QString second = QStringLiteral("at 1765418500 without abandoned 6543: 1234:02");
    const QString third = QStringLiteral("at 1765418600 with won 1234: 1111:10 1234:40");
    QTest::newRow("an empty file") << QByteArray() << 0LL << 0LL << 0LL << QString();
    QTest::newRow("the last game is the last line, of either variant")
        << history({first, second}) << 2LL << 0LL << 0LL << second;
    QTest::newRow("damaged, foreign and later lines are counted, not played")
        << history({first}) + history({second}).replace("without", "wihtout") + "[General]\n" +
               "hueriddle 2 1765418400 a line of a later version\n" + history({third})
        << 2LL << 2LL << 1LL << third;
    QTest::newRow("a torn last line is neither a game nor unreadable")
        << history({first, second}) + history({third}).left(30) << 2LL << 0LL << 0LL << second;
    QTest::newRow("a later version's line last")
        << history({first}) + "hueriddle 3 whatever it writes\n"
        << 1LL << 0LL << 1LL << first;
    QTest::newRow("empty lines are nothing") << QByteArray("\n\n") + history({first}) + "\n"
                                             << 1LL << 0LL << 0LL << first;
}

void TestHistoryStatistics::readingSkipsWhatIsNoGame()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, played);
    QFETCH(qint64, unreadable);
    QFETCH(qint64, laterVersion);
    QFETCH(QString, lastGame);

    const HistoryStatistics statistics = fromBytes(bytes);
    QCOMPARE(statistics.variant(false).played() + statistics.variant(true).played(), played);
    QCOMPARE(statistics.unreadableLines(), unreadable);
    QCOMPARE(statistics.laterVersionLines(), laterVersion);
    if (lastGame.isEmpty())
        QVERIFY(!statistics.lastGame());
    else
        QCOMPARE(statistics.lastGame(), std::optional(notation::entry(lastGame.toStdString())));
}

QTEST_APPLESS_MAIN(TestHistoryStatistics)
#include "tst_historystatistics.moc"
