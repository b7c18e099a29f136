#include "rules/CandidateSearch.h"
#include "rules/SecretDraw.h"
#include "support/FailOnWarnings.h"
#include "support/RulesTestSupport.h"

#include <QtTest>
#include <cstdlib>
#include <set>

using rules::Combination;

class TestSecretDraw : public FailOnWarnings
{
    Q_OBJECT
private slots:
    void codeComesFromTheHighBits_data();
    void codeComesFromTheHighBits();
    void drawsOneCallPerPositionInOrder();
    void withoutReplacementRedrawsWholeSecrets();
    void sameSeedSameSecret();
    void consecutiveSeedsReachEveryCombination_data();
    void consecutiveSeedsReachEveryCombination();
};

void TestSecretDraw::codeComesFromTheHighBits_data()
{
    QTest::addColumn<qint64>("draw");
    QTest::addColumn<int>("code");
    const qint64 top = (qint64{1} << 31) - 1;
    QTest::newRow("zero") << qint64{0} << 1;
    QTest::newRow("largest") << top << 6;
    QTest::newRow("just below one sixth") << (qint64{1} << 31) / 6 << 1;
    QTest::newRow("one sixth") << (qint64{1} << 31) / 6 + 1 << 2;
    QTest::newRow("half") << (qint64{1} << 30) << 4;
    QTest::newRow("odd low bits do not matter") << qint64{1} << 1;
    QTest::newRow("six does not wrap") << qint64{6} << 1;
}

void TestSecretDraw::codeComesFromTheHighBits()
{
    QFETCH(qint64, draw);
    QFETCH(int, code);
    QCOMPARE(rules::codeFromDraw(static_cast<long>(draw)), code);
}

void TestSecretDraw::drawsOneCallPerPositionInOrder()
{
    srand48(20261210);
    Combination expected{};
    for (std::int32_t &code : expected)
        code =
            static_cast<std::int32_t>((static_cast<qint64>(lrand48()) * 6) / (qint64{1} << 31)) + 1;
    const long nextAfterFour = lrand48();

    srand48(20261210);
    QCOMPARE(rules::drawSecret(false), expected);
    QCOMPARE(lrand48(), nextAfterFour);
}

void TestSecretDraw::withoutReplacementRedrawsWholeSecrets()
{
    // Replays the generator by hand: whole four-code draws until one has no
    // repeat, and the secret is that draw.
    for (long seed = 1; seed <= 200; ++seed) {
        srand48(seed);
        Combination expected{};
        do {
            for (std::int32_t &code : expected)
                code = rules::codeFromDraw(lrand48());
        } while (rules::hasRepeatedCode(expected));

        srand48(seed);
        const Combination secret = rules::drawSecret(true);
        QCOMPARE(secret, expected);
        QVERIFY(!rules::hasRepeatedCode(secret));
    }
}

void TestSecretDraw::sameSeedSameSecret()
{
    srand48(1765340000);
    const Combination first = rules::drawSecret(false);
    srand48(1765340000);
    QCOMPARE(rules::drawSecret(false), first);
}

void TestSecretDraw::consecutiveSeedsReachEveryCombination_data()
{
    QTest::addColumn<bool>("unique");
    QTest::addColumn<int>("combinations");
    QTest::newRow("with replacement") << false << 1296;
    QTest::newRow("without replacement") << true << 360;
}

void TestSecretDraw::consecutiveSeedsReachEveryCombination()
{
    QFETCH(bool, unique);
    QFETCH(int, combinations);

    // Start seconds of a run of consecutive launches, as srand48(time()) sees them.
    const long firstSecond = 1767225600; // 2026-01-01T00:00:00Z
    std::set<Combination> seen;
    for (long second = firstSecond; second < firstSecond + 40000; ++second) {
        srand48(second);
        const Combination secret = rules::drawSecret(unique);
        for (std::int32_t code : secret)
            QVERIFY(code >= 1 && code <= 6);
        seen.insert(secret);
    }
    QCOMPARE(static_cast<int>(seen.size()), combinations);
}

QTEST_GUILESS_MAIN(TestSecretDraw)
#include "tst_secretdraw.moc"
