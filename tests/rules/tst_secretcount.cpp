#include "rules/SecretCount.h"
#include "support/AutoPlay.h"
#include "support/FailOnWarnings.h"
#include "support/RulesTestSupport.h"

#include <QtTest>
#include <algorithm>
#include <random>
#include <vector>

using rules::Combination;
using rules::RowHindsight;
using rules::ScoredRow;

Q_DECLARE_METATYPE(std::vector<ScoredRow>)
Q_DECLARE_METATYPE(std::vector<RowHindsight>)

namespace
{

// Scoring as a player does it by hand: first the pegs in place, then for each
// remaining peg of the guess a matching, not yet used peg of the secret.
rules::Score scoreByHand(const Combination &secret, const Combination &guess)
{
    std::array<bool, 4> secretUsed{};
    std::array<bool, 4> guessUsed{};
    rules::Score result;
    for (int i = 0; i < 4; ++i)
        if (secret[i] == guess[i]) {
            ++result.black;
            secretUsed[i] = guessUsed[i] = true;
        }
    for (int i = 0; i < 4; ++i) {
        if (guessUsed[i])
            continue;
        for (int j = 0; j < 4; ++j)
            if (!secretUsed[j] && secret[j] == guess[i]) {
                ++result.white;
                secretUsed[j] = true;
                break;
            }
    }
    return result;
}

// Every secret of the variant, written out by nested loops.
std::vector<Combination> everySecret(bool unique)
{
    std::vector<Combination> secrets;
    for (int a = 1; a <= 6; ++a)
        for (int b = 1; b <= 6; ++b)
            for (int c = 1; c <= 6; ++c)
                for (int d = 1; d <= 6; ++d) {
                    const Combination secret{a, b, c, d};
                    if (!unique || !rules::hasRepeatedCode(secret))
                        secrets.push_back(secret);
                }
    return secrets;
}

int bruteForceCount(const std::vector<ScoredRow> &rows, std::size_t upTo, bool unique)
{
    int count = 0;
    for (const Combination &secret : everySecret(unique))
        if (std::all_of(
                rows.begin(), rows.begin() + std::ptrdiff_t(upTo),
                [&](const ScoredRow &row) { return scoreByHand(secret, row.guess) == row.score; }))
            ++count;
    return count;
}

} // namespace

class TestSecretCount : public FailOnWarnings
{
    Q_OBJECT
private slots:
    void handWorkedCounts_data();
    void handWorkedCounts();
    void handWorkedLookBack_data();
    void handWorkedLookBack();
    void agreesWithBruteForce_data();
    void agreesWithBruteForce();
};

void TestSecretCount::handWorkedCounts_data()
{
    QTest::addColumn<std::vector<ScoredRow>>("rows");
    QTest::addColumn<bool>("unique");
    QTest::addColumn<int>("count");
    QTest::newRow("no row, with replacement: 6^4") << std::vector<ScoredRow>{} << false << 1296;
    QTest::newRow("no row, without replacement: 6*5*4*3")
        << std::vector<ScoredRow>{} << true << 360;
    // One 1 and one 2 are in the secret, one of them in place: 208.
    QTest::newRow("(1,1,2,2) 1 black 1 white, with replacement")
        << std::vector<ScoredRow>{{{1, 1, 2, 2}, {1, 1}}} << false << 208;
    QTest::newRow("(1,1,1,1) nothing: no 1 anywhere, 5^4")
        << std::vector<ScoredRow>{{{1, 1, 1, 1}, {0, 0}}} << false << 625;
    QTest::newRow("(1,1,1,1) nothing, without replacement: 5*4*3*2")
        << std::vector<ScoredRow>{{{1, 1, 1, 1}, {0, 0}}} << true << 120;
    QTest::newRow("(1,1,1,1) 1 black: one 1, 4 places * 5^3")
        << std::vector<ScoredRow>{{{1, 1, 1, 1}, {1, 0}}} << false << 500;
    QTest::newRow("(1,2,3,4) nothing: only 5 and 6 left, 2^4")
        << std::vector<ScoredRow>{{{1, 2, 3, 4}, {0, 0}}} << false << 16;
    QTest::newRow("(1,2,3,4) nothing, without replacement: four colours from two")
        << std::vector<ScoredRow>{{{1, 2, 3, 4}, {0, 0}}} << true << 0;
    QTest::newRow("(1,2,3,4) 4 white, without replacement: the 9 derangements")
        << std::vector<ScoredRow>{{{1, 2, 3, 4}, {0, 4}}} << true << 9;
    QTest::newRow("(1,2,3,4) 4 black: the guess alone")
        << std::vector<ScoredRow>{{{1, 2, 3, 4}, {4, 0}}} << false << 1;
    QTest::newRow("no 1 and no 2: 4^4")
        << std::vector<ScoredRow>{{{1, 1, 1, 1}, {0, 0}}, {{2, 2, 2, 2}, {0, 0}}} << false << 256;
    // No 1; exactly one 2, not at positions 1 to 3, so at 0; the rest from
    // 3 to 6.
    QTest::newRow("no 1, then (1,2,2,2) 0 black 1 white: 4^3")
        << std::vector<ScoredRow>{{{1, 1, 1, 1}, {0, 0}}, {{1, 2, 2, 2}, {0, 1}}} << false << 64;
}

void TestSecretCount::handWorkedCounts()
{
    QFETCH(std::vector<ScoredRow>, rows);
    QFETCH(bool, unique);
    QFETCH(int, count);
    QCOMPARE(rules::countPossibleSecrets(rows, unique), count);
}

void TestSecretCount::handWorkedLookBack_data()
{
    QTest::addColumn<std::vector<ScoredRow>>("rows");
    QTest::addColumn<bool>("unique");
    QTest::addColumn<std::vector<RowHindsight>>("expected");
    QTest::newRow("no row") << std::vector<ScoredRow>{} << false << std::vector<RowHindsight>{};
    QTest::newRow("two rows that could each have won")
        << std::vector<ScoredRow>{{{1, 1, 1, 1}, {0, 0}}, {{2, 2, 2, 2}, {0, 0}}} << false
        << std::vector<RowHindsight>{{1296, 625, true}, {625, 256, true}};
    QTest::newRow("a second row played with a colour known to be absent")
        << std::vector<ScoredRow>{{{1, 1, 1, 1}, {0, 0}}, {{1, 2, 2, 2}, {0, 1}}} << false
        << std::vector<RowHindsight>{{1296, 625, true}, {625, 64, false}};
    QTest::newRow("without replacement, a winning row after the derangements")
        << std::vector<ScoredRow>{{{1, 2, 3, 4}, {0, 4}}, {{2, 1, 4, 3}, {4, 0}}} << true
        << std::vector<RowHindsight>{{360, 9, true}, {9, 1, true}};
    QTest::newRow("a repeated guess cannot be a secret without replacement")
        << std::vector<ScoredRow>{{{1, 1, 2, 2}, {1, 1}}} << true
        << std::vector<RowHindsight>{{360, 48, false}};
}

void TestSecretCount::handWorkedLookBack()
{
    QFETCH(std::vector<ScoredRow>, rows);
    QFETCH(bool, unique);
    QFETCH(std::vector<RowHindsight>, expected);
    const std::vector<RowHindsight> actual = rules::lookBack(rows, unique);
    QCOMPARE(actual.size(), expected.size());
    for (std::size_t row = 0; row < expected.size(); ++row) {
        QCOMPARE(actual[row].before, expected[row].before);
        QCOMPARE(actual[row].after, expected[row].after);
        QCOMPARE(actual[row].couldBeSecret, expected[row].couldBeSecret);
    }
}

void TestSecretCount::agreesWithBruteForce_data()
{
    QTest::addColumn<bool>("unique");
    QTest::addColumn<bool>("byMove");
    QTest::newRow("with replacement, rows by Move") << false << true;
    QTest::newRow("without replacement, rows by Move") << true << true;
    QTest::newRow("with replacement, random rows") << false << false;
    QTest::newRow("without replacement, random rows") << true << false;
}

// Games against random secrets, played by Move or with random guesses, each
// prefix counted by the rules and by brute force over every secret.
void TestSecretCount::agreesWithBruteForce()
{
    QFETCH(bool, unique);
    QFETCH(bool, byMove);
    std::mt19937 random(20261211u + unsigned(unique) * 2u + unsigned(byMove));
    const std::vector<Combination> secrets = everySecret(unique);
    for (int game = 0; game < 12; ++game) {
        const Combination secret = secrets[random() % secrets.size()];
        std::vector<ScoredRow> rows;
        if (byMove) {
            const rules::AutoPlayedGame played = rules::autoPlay(secret, unique);
            rows.assign(played.rows.begin(), played.rows.begin() + played.rowCount);
        } else {
            for (int row = 0; row < 8; ++row) {
                const Combination guess = secrets[random() % secrets.size()];
                rows.push_back({guess, scoreByHand(secret, guess)});
            }
        }
        const std::vector<RowHindsight> hindsight = rules::lookBack(rows, unique);
        QCOMPARE(hindsight.size(), rows.size());
        for (std::size_t row = 0; row < rows.size(); ++row) {
            QCOMPARE(hindsight[row].before, bruteForceCount(rows, row, unique));
            QCOMPARE(hindsight[row].after, bruteForceCount(rows, row + 1, unique));
            QCOMPARE(rules::countPossibleSecrets(std::span(rows.data(), row + 1), unique),
                     hindsight[row].after);
            const bool agrees = std::all_of(
                rows.begin(), rows.begin() + std::ptrdiff_t(row), [&](const ScoredRow &earlier) {
                    return scoreByHand(rows[row].guess, earlier.guess) == earlier.score;
                });
            QCOMPARE(hindsight[row].couldBeSecret, agrees);
            // The secret itself is always among the possible ones.
            QVERIFY(hindsight[row].after >= 1);
        }
    }
}

QTEST_APPLESS_MAIN(TestSecretCount)
#include "tst_secretcount.moc"
