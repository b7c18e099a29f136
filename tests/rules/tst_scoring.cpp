#include "rules/CandidateSearch.h"
#include "rules/Scoring.h"
#include "support/FailOnWarnings.h"
#include "support/RulesTestSupport.h"

#include <QtTest>

using rules::Combination;

class TestScoring : public FailOnWarnings
{
    Q_OBJECT
private slots:
    void scoresGuessAgainstSecret_data();
    void scoresGuessAgainstSecret();
    void codesOutsideTheGameAreNotTallied();
    void isSymmetricOverEveryPair();
};

void TestScoring::scoresGuessAgainstSecret_data()
{
    QTest::addColumn<Combination>("first");
    QTest::addColumn<Combination>("second");
    QTest::addColumn<int>("black");
    QTest::addColumn<int>("white");

    QTest::newRow("equal combinations")
        << Combination{3, 5, 1, 6} << Combination{3, 5, 1, 6} << 4 << 0;
    QTest::newRow("pairs swapped") << Combination{1, 1, 2, 2} << Combination{2, 2, 1, 1} << 0 << 4;
    QTest::newRow("code counts only as often as in both")
        << Combination{1, 1, 1, 1} << Combination{1, 2, 3, 4} << 1 << 0;
    QTest::newRow("repeats on both sides")
        << Combination{1, 1, 2, 3} << Combination{1, 2, 1, 1} << 1 << 2;
    QTest::newRow("nothing in common")
        << Combination{1, 2, 3, 4} << Combination{5, 6, 5, 6} << 0 << 0;
    QTest::newRow("rotated all different")
        << Combination{1, 2, 3, 4} << Combination{4, 1, 2, 3} << 0 << 4;
    QTest::newRow("two black two white")
        << Combination{1, 2, 3, 4} << Combination{1, 2, 4, 3} << 2 << 2;
    QTest::newRow("three black") << Combination{6, 6, 6, 5} << Combination{6, 6, 6, 6} << 3 << 0;
}

void TestScoring::scoresGuessAgainstSecret()
{
    QFETCH(Combination, first);
    QFETCH(Combination, second);
    QFETCH(int, black);
    QFETCH(int, white);

    const rules::Score score = rules::score(first, second);
    QCOMPARE(score.black, black);
    QCOMPARE(score.white, white);
}

void TestScoring::codesOutsideTheGameAreNotTallied()
{
    // An empty (0) or white (7) code in the second combination shares nothing.
    QCOMPARE(rules::score({1, 2, 3, 4}, {0, 7, 0, 7}), (rules::Score{0, 0}));
    QCOMPARE(rules::score({1, 2, 3, 4}, {1, 0, 7, 2}), (rules::Score{1, 1}));
}

void TestScoring::isSymmetricOverEveryPair()
{
    for (std::int32_t i = 0; i < rules::kCandidateCount; ++i) {
        const Combination a = rules::candidateAt(i);
        for (std::int32_t j = i; j < rules::kCandidateCount; ++j) {
            const Combination b = rules::candidateAt(j);
            const rules::Score ab = rules::score(a, b);
            const rules::Score ba = rules::score(b, a);
            if (ab != ba || ab.black + ab.white > 4 || ab.white < 0 || (i == j && ab.black != 4))
                QFAIL(qPrintable(QStringLiteral("%1 vs %2: %3/%4, reversed %5/%6")
                                     .arg(describe(a), describe(b))
                                     .arg(ab.black)
                                     .arg(ab.white)
                                     .arg(ba.black)
                                     .arg(ba.white)));
        }
    }
}

QTEST_GUILESS_MAIN(TestScoring)
#include "tst_scoring.moc"
