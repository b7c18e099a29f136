#include "rules/CandidateSearch.h"
#include "support/AutoPlay.h"
#include "support/FailOnWarnings.h"
#include "support/RulesTestSupport.h"

#include <QtTest>
#include <set>
#include <vector>

using rules::Combination;
using rules::ScoredRow;

Q_DECLARE_METATYPE(std::vector<ScoredRow>)

class TestCandidateSearch : public FailOnWarnings
{
    Q_OBJECT
private slots:
    void candidateOfIndex_data();
    void candidateOfIndex();
    void everyCombinationHasExactlyOneIndex();
    void firstMoveOfAGame_data();
    void firstMoveOfAGame();
    void skipsCandidatesThatDisagree();
    void onlyTheSecondToLastIndexAgrees_data();
    void onlyTheSecondToLastIndexAgrees();
    void takesTheLastIndexWhenNothingAgrees_data();
    void takesTheLastIndexWhenNothingAgrees();
    void knownGames_data();
    void knownGames();
    void secretWithoutCodeOneOpensWithOnesThenTwos();
    void winsEverySecretWithReplacementButSix();
    void winsEverySecretWithoutReplacementWithinSixRows();
};

void TestCandidateSearch::candidateOfIndex_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<Combination>("candidate");
    QTest::newRow("0") << 0 << Combination{1, 1, 1, 1};
    QTest::newRow("1") << 1 << Combination{2, 1, 1, 1};
    QTest::newRow("5") << 5 << Combination{6, 1, 1, 1};
    QTest::newRow("6") << 6 << Combination{1, 2, 1, 1};
    QTest::newRow("51, first without repeats") << 51 << Combination{4, 3, 2, 1};
    QTest::newRow("215") << 215 << Combination{6, 6, 6, 1};
    QTest::newRow("216") << 216 << Combination{1, 1, 1, 2};
    QTest::newRow("1295") << 1295 << Combination{6, 6, 6, 6};
}

void TestCandidateSearch::candidateOfIndex()
{
    QFETCH(int, index);
    QFETCH(Combination, candidate);
    QCOMPARE(rules::candidateAt(index), candidate);
}

void TestCandidateSearch::everyCombinationHasExactlyOneIndex()
{
    std::set<Combination> seen;
    int withoutRepeats = 0;
    int firstWithoutRepeats = -1;
    for (int index = 0; index < rules::kCandidateCount; ++index) {
        const Combination candidate = rules::candidateAt(index);
        for (std::int32_t code : candidate)
            QVERIFY(code >= 1 && code <= 6);
        seen.insert(candidate);
        if (!rules::hasRepeatedCode(candidate)) {
            ++withoutRepeats;
            if (firstWithoutRepeats < 0)
                firstWithoutRepeats = index;
        }
    }
    QCOMPARE(seen.size(), std::size_t{1296});
    QCOMPARE(withoutRepeats, 360);
    QCOMPARE(firstWithoutRepeats, 51);
}

void TestCandidateSearch::firstMoveOfAGame_data()
{
    QTest::addColumn<bool>("unique");
    QTest::addColumn<Combination>("move");
    QTest::newRow("with replacement") << false << Combination{1, 1, 1, 1};
    QTest::newRow("without replacement") << true << Combination{4, 3, 2, 1};
}

void TestCandidateSearch::firstMoveOfAGame()
{
    QFETCH(bool, unique);
    QFETCH(Combination, move);
    QCOMPARE(rules::firstAgreeingCandidate({}, unique), move);
}

void TestCandidateSearch::skipsCandidatesThatDisagree()
{
    // (1,1,1,1) scored nothing, so no candidate holding a 1 can agree.
    const std::vector<ScoredRow> rows{{{1, 1, 1, 1}, {0, 0}}};
    QCOMPARE(rules::firstAgreeingCandidate(rows, false), (Combination{2, 2, 2, 2}));

    // One black for (1,2,3,4): (1,1,1,1) scores 1 black 0 white and agrees.
    const std::vector<ScoredRow> oneBlack{{{1, 2, 3, 4}, {1, 0}}};
    QCOMPARE(rules::firstAgreeingCandidate(oneBlack, false), (Combination{1, 1, 1, 1}));
}

void TestCandidateSearch::onlyTheSecondToLastIndexAgrees_data()
{
    QTest::addColumn<bool>("unique");
    QTest::addColumn<int>("index");
    // 3 black for (6,6,6,6): exactly three 6s. 1 black for (5,5,5,5): exactly
    // one 5. So the candidate is one of (5,6,6,6), (6,5,6,6), (6,6,5,6) and
    // (6,6,6,5). Against (6,1,1,1) the last three score a black for their
    // leading 6; only (5,6,6,6) scores its one common 6 as a white. Its index
    // is 4 + 5*6 + 5*36 + 5*216 = 1294, and (6,6,6,6), index 1295, scores 4
    // black against the first row, so it does not agree.
    QTest::newRow("with replacement, (5,6,6,6) found") << false << 1294;
    // (5,6,6,6) repeats a code, so nothing agrees and the last index is taken.
    QTest::newRow("without replacement, nothing agrees") << true << 1295;
}

void TestCandidateSearch::onlyTheSecondToLastIndexAgrees()
{
    QFETCH(bool, unique);
    QFETCH(int, index);
    const std::vector<ScoredRow> rows{
        {{6, 6, 6, 6}, {3, 0}}, {{5, 5, 5, 5}, {1, 0}}, {{6, 1, 1, 1}, {0, 1}}};
    QCOMPARE(rules::firstAgreeingIndex(rows, unique), index);
    QCOMPARE(rules::candidateAt(1294), (Combination{5, 6, 6, 6}));
}

void TestCandidateSearch::takesTheLastIndexWhenNothingAgrees_data()
{
    QTest::addColumn<bool>("unique");
    QTest::newRow("with replacement") << false;
    QTest::newRow("without replacement") << true;
}

void TestCandidateSearch::takesTheLastIndexWhenNothingAgrees()
{
    QFETCH(bool, unique);
    // No combination scores 3 black and 1 white against anything.
    const std::vector<ScoredRow> impossible{{{1, 2, 3, 4}, {3, 1}}};
    QCOMPARE(rules::firstAgreeingIndex(impossible, unique), 1295);
    QCOMPARE(rules::firstAgreeingCandidate(impossible, unique), (Combination{6, 6, 6, 6}));
}

void TestCandidateSearch::knownGames_data()
{
    QTest::addColumn<Combination>("secret");
    QTest::addColumn<bool>("unique");
    QTest::addColumn<std::vector<ScoredRow>>("expected");
    QTest::addColumn<bool>("won");

    QTest::newRow("(4,5,6,5) with replacement is lost")
        << Combination{4, 5, 6, 5} << false
        << std::vector<ScoredRow>{{{1, 1, 1, 1}, {0, 0}}, {{2, 2, 2, 2}, {0, 0}},
                                  {{3, 3, 3, 3}, {0, 0}}, {{4, 4, 4, 4}, {1, 0}},
                                  {{5, 5, 5, 4}, {1, 2}}, {{6, 5, 4, 5}, {2, 2}},
                                  {{5, 6, 4, 5}, {1, 3}}, {{6, 4, 5, 5}, {1, 3}}}
        << false;
    QTest::newRow("(1,2,3,4) without replacement wins on the fourth row")
        << Combination{1, 2, 3, 4} << true
        << std::vector<ScoredRow>{{{4, 3, 2, 1}, {0, 4}},
                                  {{3, 4, 1, 2}, {0, 4}},
                                  {{2, 1, 4, 3}, {0, 4}},
                                  {{1, 2, 3, 4}, {4, 0}}}
        << true;
}

void TestCandidateSearch::knownGames()
{
    QFETCH(Combination, secret);
    QFETCH(bool, unique);
    QFETCH(std::vector<ScoredRow>, expected);
    QFETCH(bool, won);

    const rules::AutoPlayedGame game = rules::autoPlay(secret, unique);
    QCOMPARE(game.won, won);
    QCOMPARE(game.rowCount, static_cast<int>(expected.size()));
    for (int row = 0; row < game.rowCount; ++row) {
        const ScoredRow &played = game.rows[static_cast<std::size_t>(row)];
        const ScoredRow &wanted = expected[static_cast<std::size_t>(row)];
        QCOMPARE(played.guess, wanted.guess);
        QCOMPARE(played.score.black, wanted.score.black);
        QCOMPARE(played.score.white, wanted.score.white);
    }
}

void TestCandidateSearch::secretWithoutCodeOneOpensWithOnesThenTwos()
{
    const rules::AutoPlayedGame game = rules::autoPlay({2, 3, 3, 3}, false);
    QVERIFY(game.rowCount >= 2);
    QCOMPARE(game.rows[0].guess, (Combination{1, 1, 1, 1}));
    QCOMPARE(game.rows[0].score, (rules::Score{0, 0}));
    QCOMPARE(game.rows[1].guess, (Combination{2, 2, 2, 2}));
}

void TestCandidateSearch::winsEverySecretWithReplacementButSix()
{
    const std::set<Combination> expectedLosses{{4, 5, 6, 5}, {5, 3, 4, 6}, {5, 5, 5, 6},
                                               {6, 5, 5, 6}, {4, 5, 6, 6}, {5, 6, 6, 6}};
    std::set<Combination> losses;
    for (int index = 0; index < rules::kCandidateCount; ++index) {
        const Combination secret = rules::candidateAt(index);
        const rules::AutoPlayedGame game = rules::autoPlay(secret, false);
        if (!game.won)
            losses.insert(secret);
        else
            QCOMPARE(game.rows[static_cast<std::size_t>(game.rowCount - 1)].guess, secret);
    }
    QCOMPARE(losses, expectedLosses);
}

void TestCandidateSearch::winsEverySecretWithoutReplacementWithinSixRows()
{
    int secrets = 0;
    int longest = 0;
    for (int index = 0; index < rules::kCandidateCount; ++index) {
        const Combination secret = rules::candidateAt(index);
        if (rules::hasRepeatedCode(secret))
            continue;
        ++secrets;
        const rules::AutoPlayedGame game = rules::autoPlay(secret, true);
        QVERIFY2(game.won, qPrintable(describe(secret)));
        longest = std::max(longest, game.rowCount);
        for (int row = 0; row < game.rowCount; ++row)
            QVERIFY(!rules::hasRepeatedCode(game.rows[static_cast<std::size_t>(row)].guess));
    }
    QCOMPARE(secrets, 360);
    QVERIFY2(longest <= 6, qPrintable(QString::number(longest)));
}

QTEST_GUILESS_MAIN(TestCandidateSearch)
#include "tst_candidatesearch.moc"
