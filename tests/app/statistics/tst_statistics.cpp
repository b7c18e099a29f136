#include "app/board/BoardWindow.h"
#include "app/board/Hindsight.h"
#include "app/commands/MainMenu.h"
#include "app/statistics/StatisticsWindow.h"
#include "app/statistics/WinsChart.h"
#include "dnd/DestinationPeg.h"
#include "records/HistoryLine.h"
#include "support/AppFixture.h"
#include "support/CapturedStderr.h"
#include "support/FailOnWarnings.h"
#include "support/GameNotation.h"
#include "support/TestFiles.h"
#include "views/Result.h"
#include "views/ViewOptions.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <memory>

using rules::Combination;

using BarCounts = std::array<std::int64_t, 9>;
using BarHeights = std::array<int, 9>;
Q_DECLARE_METATYPE(BarCounts)
Q_DECLARE_METATYPE(BarHeights)

namespace
{

// The history line of `game`, in the game notation, with its line feed.
QByteArray line(std::string_view game)
{
    return QByteArray::fromStdString(records::formatHistoryLine(notation::entry(game))) + '\n';
}

QByteArray fileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString description(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Description) : QString();
}

} // namespace

class TestStatistics : public FailOnWarnings
{
    Q_OBJECT

protected:
    void initTest() override;

private slots:
    void cleanup();
    void statisticsOfAHandMadeHistory_data();
    void statisticsOfAHandMadeHistory();
    void chartBarsReadFromPixels_data();
    void chartBarsReadFromPixels();
    void windowFollowsTheGamesThatEnd();
    void scoreViewsExplainTheFinishedGame();
    void possibleSecretsPreference();
    void resetAsksAndKeepsTheOldFile();
    void unwritableHistoryLetsTheGameGoOn();

private:
    void launch();
    StatisticsWindow *openStatistics();
    // Starts a game and puts `secret` behind the board.
    void startGame(bool unique, const Combination &secret);
    // Plays Move until the game is over, and lets the event loop write the
    // game down and its notes.
    void playToTheEnd();

    std::unique_ptr<IsolatedSettings> m_settings;
    std::unique_ptr<RecordingAppController> m_controller;
};

void TestStatistics::initTest()
{
    m_settings = std::make_unique<IsolatedSettings>();
}

void TestStatistics::cleanup()
{
    m_controller.reset();
    m_settings.reset();
    ViewOptions::instance().set(ViewOptions::PossibleSecrets, false);
}

void TestStatistics::launch()
{
    m_controller = std::make_unique<RecordingAppController>();
    m_controller->applicationDidFinishLaunching();
    QVERIFY(QTest::qWaitForWindowExposed(m_controller->window));
}

StatisticsWindow *TestStatistics::openStatistics()
{
    for (QAction *menu : m_controller->mainMenu()->actions()) {
        if (!menu->menu())
            continue;
        for (QAction *item : menu->menu()->actions()) {
            if (item->text() == QStringLiteral("Statistics...")) {
                item->trigger();
                return m_controller->window->findChild<StatisticsWindow *>();
            }
        }
    }
    return nullptr;
}

void TestStatistics::startGame(bool unique, const Combination &secret)
{
    m_controller->newGameUnique(unique);
    m_controller->combo = secret;
}

void TestStatistics::playToTheEnd()
{
    for (int row = 0; row < rules::kRows && m_controller->isPlaying(); ++row)
        m_controller->move();
    QVERIFY(!m_controller->isPlaying());
    QCoreApplication::processEvents();
}

void TestStatistics::statisticsOfAHandMadeHistory_data()
{
    QTest::addColumn<bool>("unique");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("shown");
    const auto row = [](bool unique, StatisticsWindow::Field field, const char *shown,
                        const char *name) {
        QTest::newRow(name) << unique << int(field) << QString::fromUtf8(shown);
    };
    using W = StatisticsWindow;
    row(false, W::Played, "4", "with: played");
    row(false, W::Won, "3", "with: won");
    row(false, W::Lost, "1", "with: lost");
    row(false, W::Abandoned, "0", "with: abandoned");
    row(false, W::WinRate, "75 %", "with: win rate");
    row(false, W::CurrentStreak, "1", "with: current streak, after a loss");
    row(false, W::BestStreak, "2", "with: best streak, across games of the other variant");
    row(false, W::AverageRows, "3.0", "with: average rows of a win");
    row(false, W::WinsWithoutMove, "2", "with: wins without Move");
    row(true, W::Played, "4", "without: played, the abandoned game included");
    row(true, W::Won, "3", "without: won");
    row(true, W::Lost, "0", "without: lost");
    row(true, W::Abandoned, "1", "without: abandoned");
    row(true, W::WinRate, "75 %", "without: win rate");
    row(true, W::CurrentStreak, "2", "without: current streak");
    row(true, W::BestStreak, "2", "without: best streak, broken by the abandoned game");
    row(true, W::AverageRows, "2.3", "without: average rows of a win");
    row(true, W::WinsWithoutMove, "2", "without: wins without Move");
}

// Games of both variants in turn, with an abandoned game, a damaged, a
// foreign and a later version's line between them, and a torn last line.
void TestStatistics::statisticsOfAHandMadeHistory()
{
    QFETCH(bool, unique);
    QFETCH(int, field);
    QFETCH(QString, shown);
    const QByteArray damaged = line("with won 1122: 3333:00 1122:40").replace("with", "wiht");
    const QByteArray history =
        line("with won 1122: 3333:00 3333:00 1122:40") +
        line("without won 1234: 4321:04m 1234:40m") + line("with won 1122: 1122:40") + damaged +
        line("without abandoned 1234: 4321:04 4321:04") +
        line("with lost 1122: 3333:00 3333:00 3333:00 3333:00 3333:00 3333:00 3333:00 3333:00") +
        "[General]\n" + line("with won 1122: 3333:00m 3333:00m 3333:00m 3333:00m 1122:40m") +
        "hueriddle 2 1765418400 a line of a later version\n" +
        line("without won 1234: 4321:04 4321:04 4321:04 1234:40") +
        line("without won 1234: 1234:40") + line("with won 1122: 3333:00 1122:40").left(30);
    writeTestFile(m_settings->historyPath(), history);
    launch();
    StatisticsWindow *window = openStatistics();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(!window->isModal());

    QCOMPARE(window->fieldText(unique, StatisticsWindow::Field(field)), shown);

    QVERIFY(window->skippedNote()->isVisibleTo(window));
    QCOMPARE(window->skippedNote()->text(),
             QStringLiteral("2 damaged or unknown lines of the history were skipped; the file "
                            "keeps them. 1 games of a later version of Hueriddle are kept but "
                            "not counted."));
    const std::array<std::array<std::int64_t, 9>, 2> bars{
        {{1, 0, 1, 0, 1, 0, 0, 0, 1}, {1, 1, 0, 1, 0, 0, 0, 0, 0}}};
    for (int bar = 0; bar < WinsChart::kBars; ++bar)
        QCOMPARE(window->chart(unique)->count(bar), bars[unique ? 1 : 0][std::size_t(bar)]);

    // The last game: won without replacement on the first row.
    QTableWidget *table = window->lastGameTable();
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("blue, green, cyan, red"));
    QCOMPARE(table->item(0, 2)->text(), QStringLiteral("360"));
    QCOMPARE(table->item(0, 3)->text(), QStringLiteral("1"));
    QCOMPARE(table->item(0, 4)->text(), QStringLiteral("yes"));
    // Reading changed nothing in the file.
    QCOMPARE(fileContents(m_settings->historyPath()), history);
}

void TestStatistics::chartBarsReadFromPixels_data()
{
    QTest::addColumn<BarCounts>("counts");
    QTest::addColumn<BarHeights>("heights");
    QTest::addColumn<bool>("dark");
    // The greatest count fills the 120 pixels of the plot.
    QTest::newRow("losses the greatest") << BarCounts{4, 2, 1, 0, 0, 0, 0, 3, 8}
                                         << BarHeights{60, 30, 15, 0, 0, 0, 0, 45, 120} << false;
    QTest::newRow("one win in six rows")
        << BarCounts{0, 0, 0, 0, 0, 1, 0, 0, 0} << BarHeights{0, 0, 0, 0, 0, 120, 0, 0, 0} << false;
    QTest::newRow("a count too small for a pixel still shows one")
        << BarCounts{1000, 1, 0, 0, 0, 0, 0, 0, 0} << BarHeights{120, 1, 0, 0, 0, 0, 0, 0, 0}
        << false;
    QTest::newRow("dark theme") << BarCounts{4, 2, 1, 0, 0, 0, 0, 3, 8}
                                << BarHeights{60, 30, 15, 0, 0, 0, 0, 45, 120} << true;
}

// Each bar is read back from the chart's pixels, at the scale the test runs
// at (1, and 2 for tst_statistics_scaled): exactly as high as its count says,
// in one colour from edge to edge, with no blended pixel around it.
void TestStatistics::chartBarsReadFromPixels()
{
    QFETCH(BarCounts, counts);
    QFETCH(BarHeights, heights);
    QFETCH(bool, dark);
    WinsChart chart;
    if (dark) {
        QPalette palette = chart.palette();
        palette.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
        palette.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
        palette.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
        chart.setPalette(palette);
    }
    std::array<std::int64_t, 8> wins{};
    std::copy(counts.begin(), counts.begin() + 8, wins.begin());
    chart.setCounts(wins, counts[8]);
    chart.resize(chart.sizeHint());
    const QImage image = chart.grab().toImage();
    const int scale = qRound(image.devicePixelRatio());
    QCOMPARE(scale, qRound(chart.devicePixelRatioF()));
    const QColor background = chart.palette().color(QPalette::Window);

    for (int bar = 0; bar < WinsChart::kBars; ++bar) {
        QCOMPARE(chart.barHeight(bar), heights[std::size_t(bar)]);
        const QColor color = chart.barColor(bar);
        QCOMPARE(color, chart.palette().color(bar == WinsChart::kLossBar ? QPalette::WindowText
                                                                         : QPalette::Highlight));
        QVERIFY(color != background);
        const QRect slot = chart.barSlot(bar);
        const QRect device(slot.topLeft() * scale, slot.size() * scale);
        const int filled = heights[std::size_t(bar)] * scale;
        for (int x = device.left() - 1; x <= device.right() + 1; ++x) {
            for (int y = device.top(); y <= device.bottom(); ++y) {
                const bool inBar =
                    x >= device.left() && x <= device.right() && y > device.bottom() - filled;
                const QColor pixel = image.pixelColor(x, y);
                if (inBar)
                    QVERIFY2(
                        pixel == color,
                        qPrintable(QStringLiteral("bar %1 at (%2, %3)").arg(bar).arg(x).arg(y)));
                else if (y > device.bottom() - filled)
                    QVERIFY2(
                        pixel == background,
                        qPrintable(
                            QStringLiteral("beside bar %1 at (%2, %3)").arg(bar).arg(x).arg(y)));
                else
                    QVERIFY(pixel != color || bar == WinsChart::kLossBar);
            }
        }
    }
    // The numbers are there for screen readers too.
    const QString said = description(&chart);
    QCOMPARE(said, chart.summary());
    QVERIFY2(said.contains(QStringLiteral("1 rows: %1").arg(counts[0])), qPrintable(said));
    QVERIFY2(said.endsWith(QStringLiteral("Lost: %1.").arg(counts[8])), qPrintable(said));
}

// The window open while games end: each one is counted at once, and the
// last game is looked back on.
void TestStatistics::windowFollowsTheGamesThatEnd()
{
    launch();
    StatisticsWindow *window = openStatistics();
    QVERIFY(window);
    QCOMPARE(window->fieldText(false, StatisticsWindow::Played), QStringLiteral("0"));
    QCOMPARE(window->lastGameTable()->rowCount(), 0);

    // Move alone loses against this secret, in eight rows.
    startGame(false, {4, 5, 6, 5});
    playToTheEnd();
    QCOMPARE(window->fieldText(false, StatisticsWindow::Lost), QStringLiteral("1"));
    QCOMPARE(window->chart(false)->count(WinsChart::kLossBar), 1);
    QCOMPARE(window->lastGameTable()->rowCount(), 8);
    QCOMPARE(window->lastGameTable()->item(0, 2)->text(), QStringLiteral("1296"));
    QCOMPARE(window->lastGameTable()->item(0, 3)->text(), QStringLiteral("625"));
    QVERIFY(window->lastGameTable()->item(0, 0)->text().endsWith(QStringLiteral("(Move)")));

    // Without replacement, Move wins (1,2,3,4) on the fourth row.
    startGame(true, {1, 2, 3, 4});
    playToTheEnd();
    QCOMPARE(window->fieldText(true, StatisticsWindow::Won), QStringLiteral("1"));
    QCOMPARE(window->chart(true)->count(3), 1);
    QCOMPARE(window->fieldText(true, StatisticsWindow::WinsWithoutMove), QStringLiteral("0"));

    // A new game after one committed row abandons the game; one with no
    // committed row abandons nothing.
    startGame(false, {4, 5, 6, 5});
    startGame(false, {4, 5, 6, 5});
    m_controller->move();
    startGame(true, {1, 2, 3, 4});
    QCOMPARE(window->fieldText(false, StatisticsWindow::Abandoned), QStringLiteral("0"));
    QCoreApplication::processEvents();
    QCOMPARE(window->fieldText(false, StatisticsWindow::Abandoned), QStringLiteral("1"));
    QCOMPARE(window->fieldText(false, StatisticsWindow::Played), QStringLiteral("2"));
    QCOMPARE(window->lastGameTable()->rowCount(), 1);

    // The file holds the same games: a window opened afresh shows the same.
    const QString shown = window->fieldText(false, StatisticsWindow::Played);
    window->close();
    QTRY_VERIFY(!m_controller->window->findChild<StatisticsWindow *>());
    StatisticsWindow *again = openStatistics();
    QVERIFY(again);
    QCOMPARE(again->fieldText(false, StatisticsWindow::Played), shown);
    QCOMPARE(again->fieldText(true, StatisticsWindow::Won), QStringLiteral("1"));
    QCOMPARE(fileContents(m_settings->historyPath()).count('\n'), 3);
}

void TestStatistics::scoreViewsExplainTheFinishedGame()
{
    launch();
    startGame(false, {4, 5, 6, 5});
    m_controller->move();
    QCoreApplication::processEvents();
    // During a game the scores tell nothing more.
    QCOMPARE(m_controller->res[7]->toolTip(), QString());
    QCOMPARE(description(m_controller->res[7]),
             QStringLiteral("0 in the right place, 0 in another place"));
    playToTheEnd();

    // (1,1,1,1) scored nothing: no 1 is left, 5^4 secrets; the second row
    // (2,2,2,2) scored nothing too: 4^4.
    const QString first = Hindsight::note({1296, 625, true});
    QCOMPARE(first, QStringLiteral("Before this row 1296 secrets were still possible, after it "
                                   "625. This guess could have been the secret."));
    QCOMPARE(m_controller->res[7]->toolTip(), first);
    QCOMPARE(description(m_controller->res[7]),
             QStringLiteral("0 in the right place, 0 in another place. ") + first);
    QCOMPARE(m_controller->res[6]->note(), Hindsight::note({625, 256, true}));
    for (int row = 0; row < rules::kRows; ++row)
        QVERIFY(!m_controller->res[row]->note().isEmpty());

    // A new game starts with nothing to explain, even one started before the
    // notes of the last were written.
    startGame(false, {1, 2, 3, 4});
    QCoreApplication::processEvents();
    for (int row = 0; row < rules::kRows; ++row)
        QCOMPARE(m_controller->res[row]->note(), QString());
    startGame(false, {4, 5, 6, 5});
    for (int row = 0; row < rules::kRows && m_controller->isPlaying(); ++row)
        m_controller->move();
    startGame(false, {1, 2, 3, 4});
    QCoreApplication::processEvents();
    for (int row = 0; row < rules::kRows; ++row) {
        QCOMPARE(m_controller->res[row]->note(), QString());
        QCOMPARE(m_controller->res[row]->toolTip(), QString());
    }
}

void TestStatistics::possibleSecretsPreference()
{
    launch();
    auto *board = qobject_cast<BoardWindow *>(m_controller->window.data());
    QVERIFY(board);
    const auto geometries = [&] {
        QList<QRect> rects{board->geometry()};
        for (int row = 0; row < rules::kRows; ++row) {
            rects.append(m_controller->res[row]->geometry());
            for (const auto &peg : m_controller->pegs[row])
                rects.append(peg->geometry());
        }
        for (const auto &peg : m_controller->sol)
            rects.append(peg->geometry());
        return rects;
    };
    const QList<QRect> before = geometries();

    startGame(false, {4, 5, 6, 5});
    m_controller->move();
    QVERIFY(!ViewOptions::instance().isOn(ViewOptions::PossibleSecrets));
    QCOMPARE(board->boardBox()->title(), QStringLiteral("Board"));

    ViewOptions::instance().set(ViewOptions::PossibleSecrets, true);
    QCOMPARE(board->boardBox()->title(), QStringLiteral("Board: 625 secrets still possible"));
    m_controller->move();
    QCOMPARE(board->boardBox()->title(), QStringLiteral("Board: 256 secrets still possible"));
    startGame(false, {4, 5, 6, 5});
    QCOMPARE(board->boardBox()->title(), QStringLiteral("Board: 1296 secrets still possible"));
    startGame(true, {1, 2, 3, 4});
    QCOMPARE(board->boardBox()->title(), QStringLiteral("Board: 360 secrets still possible"));
    QCOMPARE(board->boardBox()->accessibleName(), board->boardBox()->title());
    // No view moved for it.
    QCOMPARE(geometries(), before);

    // Once the game is over the count goes; the scores explain the game.
    playToTheEnd();
    QCOMPARE(board->boardBox()->title(), QStringLiteral("Board"));
    startGame(true, {1, 2, 3, 4});
    ViewOptions::instance().set(ViewOptions::PossibleSecrets, false);
    QCOMPARE(board->boardBox()->title(), QStringLiteral("Board"));
}

void TestStatistics::resetAsksAndKeepsTheOldFile()
{
    const QByteArray history = line("with won 1122: 3333:00 3333:00 1122:40") + "damaged line\n";
    writeTestFile(m_settings->historyPath(), history);
    launch();
    StatisticsWindow *window = openStatistics();
    QVERIFY(window);
    QCOMPARE(window->fieldText(false, StatisticsWindow::Won), QStringLiteral("1"));

    // Cancel first: nothing changes.
    window->resetButton()->click();
    QMessageBox *question = window->resetQuestion();
    QVERIFY(question);
    QTRY_VERIFY(question->isVisible());
    question->button(QMessageBox::Cancel) ? question->button(QMessageBox::Cancel)->click()
                                          : question->escapeButton()->click();
    QTRY_VERIFY(!window->resetQuestion());
    QCOMPARE(fileContents(m_settings->historyPath()), history);
    QCOMPARE(window->fieldText(false, StatisticsWindow::Won), QStringLiteral("1"));

    window->resetButton()->click();
    question = window->resetQuestion();
    QVERIFY(question);
    QAbstractButton *confirm = nullptr;
    for (QAbstractButton *button : question->buttons())
        if (question->buttonRole(button) == QMessageBox::AcceptRole)
            confirm = button;
    QVERIFY(confirm);
    confirm->click();
    QTRY_VERIFY(!window->resetQuestion());
    QVERIFY(!QFile::exists(m_settings->historyPath()));
    const QStringList aside =
        QDir(QFileInfo(m_settings->historyPath()).path()).entryList({QStringLiteral("history-*")});
    QCOMPARE(aside.size(), 1);
    QCOMPARE(fileContents(QFileInfo(m_settings->historyPath()).dir().filePath(aside.first())),
             history);
    QCOMPARE(window->fieldText(false, StatisticsWindow::Won), QStringLiteral("0"));
    QCOMPARE(window->lastGameTable()->rowCount(), 0);
    QVERIFY(!window->skippedNote()->isVisibleTo(window));

    // The next game starts the new history.
    startGame(true, {1, 2, 3, 4});
    playToTheEnd();
    QCOMPARE(window->fieldText(true, StatisticsWindow::Won), QStringLiteral("1"));
    QCOMPARE(fileContents(m_settings->historyPath()).count('\n'), 1);
}

void TestStatistics::unwritableHistoryLetsTheGameGoOn()
{
    // A file where the history's directory should be.
    writeTestFile(m_settings->dataHome() + QStringLiteral("/hueriddle"), "in the way");
    launch();
    StatisticsWindow *window = openStatistics();
    QVERIFY(window);
    CapturedStderr captured;
    startGame(false, {4, 5, 6, 5});
    playToTheEnd();
    startGame(true, {1, 2, 3, 4});
    playToTheEnd();
    const QByteArray said = captured.text();
    QCOMPARE(said.count('\n'), 1);
    QVERIFY2(said.startsWith("hueriddle: cannot write the history of games"), said.constData());
    // Both games were played to their alerts and counted while the window is open.
    QCOMPARE(m_controller->alerts.size(), std::size_t{2});
    QCOMPARE(window->fieldText(false, StatisticsWindow::Lost), QStringLiteral("1"));
    QCOMPARE(window->fieldText(true, StatisticsWindow::Won), QStringLiteral("1"));
    QCOMPARE(fileContents(m_settings->dataHome() + QStringLiteral("/hueriddle")),
             QByteArray("in the way"));
}

QTEST_MAIN(TestStatistics)
#include "tst_statistics.moc"
