// Thousands of random player actions on the real controller and views, each
// followed by a comparison with a model of the game built on the window-free
// rules. A failure names the seed; HUERIDDLE_RANDOM_SEED=<seed> replays it.

#include "BoardFixture.h"
#include "rules/CandidateSearch.h"
#include "rules/ColorCode.h"
#include "rules/Scoring.h"
#include "support/FailOnWarnings.h"
#include "support/RulesTestSupport.h"
#include "support/TestSeed.h"
#include "views/ColorCodes.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QMimeData>
#include <QRandomGenerator>
#include <QtTest>
#include <cstdlib>
#include <memory>
#include <optional>

using rules::Combination;

namespace
{

// A board peg whose drags are captured instead of run, so a drag from any peg
// of the board can be dropped where the test chooses.
class CapturingPeg : public DestinationPeg
{
public:
    using DestinationPeg::DestinationPeg;
    static inline std::unique_ptr<QMimeData> captured;

protected:
    void execDrag(QMimeData *mimeData, const QImage &, QPoint) override
    {
        captured.reset(mimeData);
    }
};

// What a player or another program may drop: the six colours, in RGB and in
// other models, and a spread of colours the board must refuse.
QColor randomDropColor(QRandomGenerator &random)
{
    switch (random.bounded(13)) {
    case 0:
        return Qt::black;
    case 1:
        return Qt::white;
    case 2:
        return QColor::fromRgbF(0.5f, 0.5f, 0.5f);
    case 3:
        return QColor::fromRgbF(1.0f, 0.0f, 0.0f, 0.5f);
    case 4:
        return QColor::fromRgbF(0.5f, 0.0f, 0.0f);
    case 5:
        return QColor::fromHsvF(0.0f, 1.0f, 1.0f);
    case 6:
        return QColor::fromRgbF(float(random.generateDouble()), float(random.generateDouble()),
                                float(random.generateDouble()));
    case 7:
        return QColor::fromHsvF(0.0f, 1.0f, 0.9f);
    default:
        return ColorCodes::colorOfCode(static_cast<std::int32_t>(random.bounded(1, 7)));
    }
}

struct Model {
    Combination secret{};
    std::array<Combination, rules::kRows> rows{};
    std::array<rules::Score, rules::kRows> scores{};
    int currentRow = 7;
    bool done = false;
    bool unique = false;
};

} // namespace

class TestRandomPlay : public FailOnWarnings
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void randomActionsKeepTheGameSound();

private:
    void newGame(bool unique);
    void drop(int row, int position, QMimeData &mimeData, Qt::DropActions actions);
    void dragFromBoard(int fromRow, int fromPosition, int toRow, int toPosition);
    void commit();
    void move();
    void checkAgainstModel(const char *action);
    std::optional<QString> expectedCommitAlert() const;
    void applyScoredRow(const Combination &guess);

    quint32 m_seed = 0;
    std::unique_ptr<BoardFixture> m_fixture;
    Model m_model;
    int m_action = 0;
};

void TestRandomPlay::initTestCase()
{
    m_seed = static_cast<quint32>(testSeed("tst_randomplay", "HUERIDDLE_RANDOM_SEED"));
}

void TestRandomPlay::cleanup()
{
    if (QTest::currentTestFailed())
        qWarning("failed after action %d; replay with HUERIDDLE_RANDOM_SEED=%u", m_action, m_seed);
}

void TestRandomPlay::newGame(bool unique)
{
    m_fixture->controller.newGameUnique(unique);
    m_model = Model{};
    m_model.secret = m_fixture->controller.combo;
    m_model.unique = unique;
}

void TestRandomPlay::drop(int row, int position, QMimeData &mimeData, Qt::DropActions actions)
{
    DestinationPeg *peg = m_fixture->controller.pegs[row][position];
    const QPoint centre(24, 24);
    QDragEnterEvent enter(centre, actions, &mimeData, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(peg, &enter);
    const bool acceptedOnEntry = enter.isAccepted();
    QDropEvent dropEvent(QPointF(centre), actions, &mimeData, Qt::LeftButton, Qt::NoModifier);
    if (acceptedOnEntry)
        QCoreApplication::sendEvent(peg, &dropEvent);

    bool playable = false;
    if (mimeData.hasColor()) {
        // Judged once converted to RGB, whatever the model it came in.
        const QColor color = qvariant_cast<QColor>(mimeData.colorData()).toRgb();
        float r = 0, g = 0, b = 0, a = 0;
        color.getRgbF(&r, &g, &b, &a);
        playable = color.isValid() && rules::isPlayableColor(r, g, b, a);
    }
    const bool expectAccepted =
        !m_model.done && row == m_model.currentRow && playable && (actions & Qt::CopyAction);
    QCOMPARE(acceptedOnEntry, expectAccepted);
    if (expectAccepted) {
        QVERIFY(dropEvent.isAccepted());
        const QColor color = qvariant_cast<QColor>(mimeData.colorData());
        m_model.rows[row][position] = ColorCodes::codeOfColor(color);
    }
}

void TestRandomPlay::dragFromBoard(int fromRow, int fromPosition, int toRow, int toPosition)
{
    DestinationPeg *source = m_fixture->controller.pegs[fromRow][fromPosition];
    const QColor before = source->color();
    CapturingPeg::captured.reset();
    QTest::mousePress(source, Qt::LeftButton, Qt::NoModifier, QPoint(24, 24));
    QTest::mouseRelease(source, Qt::LeftButton, Qt::NoModifier, QPoint(24, 24));
    QCOMPARE(source->color(), before);
    QCOMPARE(CapturingPeg::captured != nullptr, before.isValid());
    if (CapturingPeg::captured)
        drop(toRow, toPosition, *CapturingPeg::captured, Qt::CopyAction);
}

std::optional<QString> TestRandomPlay::expectedCommitAlert() const
{
    const Combination &row = m_model.rows[m_model.currentRow];
    for (std::int32_t code : row)
        if (code == 0)
            return QStringLiteral("All four colors must be set.");
    if (m_model.unique && rules::hasRepeatedCode(row))
        return QStringLiteral("No double colors, please.");
    return std::nullopt;
}

void TestRandomPlay::applyScoredRow(const Combination &guess)
{
    const int row = m_model.currentRow;
    m_model.rows[row] = guess;
    m_model.scores[row] = rules::score(m_model.secret, guess);
    --m_model.currentRow;
    m_model.done = m_model.scores[row].black == 4 || m_model.currentRow < 0;
}

void TestRandomPlay::commit()
{
    RecordingController &controller = m_fixture->controller;
    controller.alerts.clear();
    controller.commit();
    if (m_model.done) {
        QVERIFY(controller.alerts.empty());
        return;
    }
    if (const std::optional<QString> refusal = expectedCommitAlert()) {
        QCOMPARE(controller.alerts.size(), std::size_t{1});
        QCOMPARE(controller.alerts[0].message, *refusal);
        return;
    }
    const int row = m_model.currentRow;
    applyScoredRow(m_model.rows[row]);
    QCOMPARE(controller.alerts.size(), std::size_t{m_model.done ? 1u : 0u});
}

void TestRandomPlay::move()
{
    RecordingController &controller = m_fixture->controller;
    controller.alerts.clear();
    controller.move();
    if (m_model.done) {
        QVERIFY(controller.alerts.empty());
        return;
    }
    std::vector<rules::ScoredRow> scored;
    for (int row = 7; row > m_model.currentRow; --row)
        scored.push_back({m_model.rows[row], m_model.scores[row]});
    applyScoredRow(rules::firstAgreeingCandidate(scored, m_model.unique));
    QCOMPARE(controller.alerts.size(), std::size_t{m_model.done ? 1u : 0u});
}

void TestRandomPlay::checkAgainstModel(const char *action)
{
    const RecordingController &controller = m_fixture->controller;
    const QByteArray where =
        QByteArray("after action ") + QByteArray::number(m_action) + " (" + action + ")";
    QVERIFY2(controller.combo == m_model.secret, where);
    QVERIFY2(controller.currentRow == m_model.currentRow, where);
    QVERIFY2(controller.done == m_model.done, where);
    QVERIFY2(controller.unique == m_model.unique, where);
    for (std::int32_t code : controller.combo)
        QVERIFY2(code >= 1 && code <= 6, where);
    if (controller.unique)
        QVERIFY2(!rules::hasRepeatedCode(controller.combo), where);

    for (int row = 0; row < rules::kRows; ++row) {
        QVERIFY2(m_fixture->rowCodes(row) == m_model.rows[row],
                 where + " row " + QByteArray::number(row));
        const rules::Score shown = m_fixture->rowScore(row);
        QVERIFY2(shown == m_model.scores[row], where);
        const bool scored = row > controller.currentRow;
        if (scored)
            QVERIFY2(shown == rules::score(controller.combo, m_fixture->rowCodes(row)), where);
        const bool active = !controller.done && row == controller.currentRow;
        QVERIFY2(active ? m_fixture->rowActive(row) : m_fixture->rowInactive(row), where);
        if (!controller.done && row < controller.currentRow) {
            QVERIFY2(m_fixture->rowCodes(row) == (Combination{0, 0, 0, 0}), where);
            QVERIFY2(shown == (rules::Score{0, 0}), where);
        }
    }
    for (int position = 0; position < rules::kPositions; ++position) {
        const std::int32_t shown = controller.sol[position]->cvalue();
        QVERIFY2(shown == (controller.done ? controller.combo[position] : 0), where);
    }
}

void TestRandomPlay::randomActionsKeepTheGameSound()
{
    QRandomGenerator random(m_seed);
    srand48(static_cast<long>(m_seed));
    m_fixture = std::make_unique<BoardFixture>(
        [](QPointF lowerLeft, QWidget *parent) { return new CapturingPeg(lowerLeft, parent); });
    newGame(false);

    const int actionCount = 20000;
    int gamesEnded = 0;
    QElapsedTimer clock;
    clock.start();
    for (m_action = 0; m_action < actionCount && clock.elapsed() < 60'000; ++m_action) {
        const bool wasDone = m_model.done;
        const int row = static_cast<int>(random.bounded(rules::kRows));
        const int position = static_cast<int>(random.bounded(rules::kPositions));
        // Drops mostly aim at the active row, so games get played to the end.
        const int aimedRow =
            (random.bounded(4) != 0 && m_model.currentRow >= 0) ? m_model.currentRow : row;
        const char *name = nullptr;
        switch (random.bounded(20)) {
        case 0:
            name = "new game";
            newGame(random.bounded(2) == 1);
            break;
        case 1:
        case 2:
            name = "move";
            move();
            break;
        case 3:
        case 4:
        case 5:
            name = "commit";
            commit();
            break;
        case 6:
        case 7:
        case 8: {
            name = "drag from the board";
            const int fromRow = static_cast<int>(random.bounded(rules::kRows));
            dragFromBoard(fromRow, static_cast<int>(random.bounded(rules::kPositions)), aimedRow,
                          position);
            break;
        }
        case 9: {
            name = "drop without copy";
            QMimeData data;
            data.setColorData(randomDropColor(random));
            drop(aimedRow, position, data, Qt::MoveAction);
            break;
        }
        case 10: {
            name = "drop of text";
            QMimeData data;
            data.setText(QStringLiteral("red"));
            drop(aimedRow, position, data, Qt::CopyAction);
            break;
        }
        default: {
            name = "drop";
            QMimeData data;
            data.setColorData(randomDropColor(random));
            drop(aimedRow, position, data, Qt::CopyAction | Qt::MoveAction);
            break;
        }
        }
        if (QTest::currentTestFailed())
            return;
        checkAgainstModel(name);
        if (QTest::currentTestFailed())
            return;
        if (!wasDone && m_model.done)
            ++gamesEnded;
    }
    qInfo("%d actions, %d games played to the end", m_action, gamesEnded);
    QVERIFY(m_action >= 1000);
    QVERIFY(gamesEnded > 0);
}

QTEST_MAIN(TestRandomPlay)
#include "tst_randomplay.moc"
