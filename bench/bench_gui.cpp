// The game with its real windows (Qt's offscreen platform): one "Move" through
// the controller and the board's views against the window-free search alone
// on the same boards, a full repaint of the board window, and the statistics
// window opening on a history of 100,000 games.

#include "HistoryMaker.h"
#include "app/AppController.h"
#include "app/statistics/StatisticsWindow.h"
#include "app/statistics/WinsChart.h"
#include "desktop/files/GameHistory.h"
#include "desktop/files/KeptFile.h"
#include "dnd/DestinationPeg.h"
#include "rules/CandidateSearch.h"
#include "support/AutoPlay.h"
#include "views/ColorCodes.h"
#include "views/Peg.h"
#include "views/Result.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <vector>

namespace
{

// The program's controller and windows, with alerts answered at once.
class BenchController : public AppController
{
protected:
    void runAlertPanel(const QString &, const QString &, const QString &) override {}
};

BenchController *controller = nullptr;

// A board on which the eighth row is left to play: the seven rows that the
// computer move plays against `secret`, with their scores.
struct HardBoard {
    rules::Combination secret{};
    std::vector<rules::ScoredRow> rows;
};

// Every board with seven rows scored on which the next move does not find the
// secret, so that the Move ends the game with a loss: the most rows to check
// for every candidate, and the whole end of a game to commit.
std::vector<HardBoard> hardestBoards()
{
    std::vector<HardBoard> boards;
    for (std::int32_t index = 0; index < rules::kCandidateCount; ++index) {
        const rules::Combination secret = rules::candidateAt(index);
        const rules::AutoPlayedGame game = rules::autoPlay(secret, false);
        if (game.rowCount == rules::kRows && !game.won)
            boards.push_back({secret, {game.rows.begin(), game.rows.begin() + 7}});
    }
    return boards;
}

const std::vector<HardBoard> &boards()
{
    static const std::vector<HardBoard> all = hardestBoards();
    return all;
}

// Lays `board` out on the real views as play would have left it.
void setBoard(const HardBoard &board)
{
    BenchController &c = *controller;
    for (std::size_t k = 0; k < board.rows.size(); ++k) {
        const int row = rules::kRows - 1 - int(k);
        for (int position = 0; position < rules::kPositions; ++position) {
            c.pegs[row][position]->setColor(ColorCodes::colorOfCode(board.rows[k].guess[position]));
            c.pegs[row][position]->setActive(false);
        }
        c.res[row]->setBlackAndWhite(board.rows[k].score.black, board.rows[k].score.white);
    }
    c.combo = board.secret;
    c.unique = false;
}

// Takes back the move on the eighth row: what a move changes is that row, its
// score, the answer row and the game state.
void restoreLastRow()
{
    BenchController &c = *controller;
    for (int position = 0; position < rules::kPositions; ++position) {
        c.pegs[0][position]->setColor(QColor());
        c.pegs[0][position]->setActive(true);
        c.sol[position]->setColor(QColor());
    }
    c.res[0]->setBlackAndWhite(0, 0);
    c.done = false;
    c.currentRow = 0;
}

// The boards are played in turn, each for a run of iterations, so that
// between two moves on the same board only the eighth row needs restoring;
// every board gets the same share of the iterations.
constexpr int kRunsPerBoard = 100;

// Before each timed operation, outside the timed region: the board of this
// iteration is laid out with its eighth row empty and the windows have
// repainted, so that the operation starts from a board at rest, as a "Move"
// chosen by the player does. The move and the search alone are measured from
// this same state.
class BoardCycle
{
public:
    // With `atRest` false the windows do not repaint between iterations: the
    // repaint requests of one move are still pending at the next, which then
    // finds its views already marked and Qt's code and data still in the
    // caches. That variant shows what the same work costs back to back.
    explicit BoardCycle(bool atRest = true) : m_atRest(atRest) {}

    const HardBoard &prepare(benchmark::State &state)
    {
        const std::vector<HardBoard> &all = boards();
        const HardBoard &board = all[(m_iteration++ / kRunsPerBoard) % all.size()];
        state.PauseTiming();
        if (&board != m_current)
            setBoard(board);
        m_current = &board;
        restoreLastRow();
        if (m_atRest)
            QCoreApplication::processEvents();
        state.ResumeTiming();
        return board;
    }

private:
    bool m_atRest;
    std::size_t m_iteration = 0;
    const HardBoard *m_current = nullptr;
};

// The eighth row holds what the search finds and the game is lost.
bool movedAsSearched(const HardBoard &board)
{
    const BenchController &c = *controller;
    const rules::Combination expected = rules::firstAgreeingCandidate(board.rows, false);
    for (int position = 0; position < rules::kPositions; ++position)
        if (c.pegs[0][position]->cvalue() != expected[position])
            return false;
    return c.done && c.currentRow == -1 && c.res[0]->black() < rules::kPositions;
}

void BM_MoveSevenRows(benchmark::State &state)
{
    BoardCycle cycle(state.range(0) == 0);
    bool sound = true;
    for (auto _ : state) {
        const HardBoard &board = cycle.prepare(state);
        controller->move();
        state.PauseTiming();
        sound = sound && movedAsSearched(board);
        state.ResumeTiming();
    }
    QCoreApplication::processEvents();
    if (!sound)
        state.SkipWithError("a move did not play the searched row and lose the game");
}

void BM_SearchSevenRows(benchmark::State &state)
{
    BoardCycle cycle;
    for (auto _ : state) {
        const HardBoard &board = cycle.prepare(state);
        benchmark::DoNotOptimize(rules::firstAgreeingIndex(board.rows, false));
    }
}

// The board window repainted whole, at once, with every peg empty (a new
// game) or every peg coloured and every score showing four key pegs.
void BM_RepaintBoard(benchmark::State &state)
{
    const bool coloured = state.range(0) != 0;
    BenchController &c = *controller;
    c.newGameUnique(false);
    if (coloured) {
        for (int row = 0; row < rules::kRows; ++row) {
            for (int position = 0; position < rules::kPositions; ++position)
                c.pegs[row][position]->setColor(ColorCodes::colorOfCode(1 + (row + position) % 6));
            c.res[row]->setBlackAndWhite(2, 2);
        }
        for (int position = 0; position < rules::kPositions; ++position)
            c.sol[position]->setColor(ColorCodes::colorOfCode(1 + position));
    }
    QCoreApplication::processEvents();
    QWidget *window = c.window;
    for (auto _ : state)
        window->repaint();
}

constexpr int kHistoryGames = 100000;

// The statistics window opened on a history of 100,000 games, until it shows
// their numbers: the file read and parsed, every game counted, the last one
// looked back on, the window laid out and shown. Wall-clock time: reading the
// file is part of it.
QString statisticsDirectory;

void BM_OpenStatistics(benchmark::State &state)
{
    // A history of its own, which the games the other benchmarks end do not
    // reach: a controller that plays none.
    BenchController idle;
    GameLog log(idle, statisticsDirectory);
    std::int64_t shown = 0;
    for (auto _ : state) {
        StatisticsWindow *window = StatisticsWindow::showFor(controller->window, log);
        state.PauseTiming();
        shown = window->statistics().variant(false).played() +
                window->statistics().variant(true).played();
        delete window;
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    if (shown != kHistoryGames)
        state.SkipWithError("the window did not count every game of the history");
}

// The game kept after a change, with seven rows scored: the main thread's part
// (the state read from the views, put into bytes and handed to the writing
// thread), in wall-clock time. Each write is done before the next iteration,
// outside the timed region, as a player's changes come far apart.
void BM_KeepGame(benchmark::State &state)
{
    BoardCycle cycle;
    KeptFile &file = *controller->savedGameFile();
    const quint64 before = file.writesDone();
    for (auto _ : state) {
        cycle.prepare(state);
        emit controller->boardChanged(Controller::Change::Pegs);
        state.PauseTiming();
        file.waitWritten(5000);
        state.ResumeTiming();
    }
    if (file.writesDone() - before != quint64(state.iterations()))
        state.SkipWithError("not every change was written");
}

// The same writes whole, waited for: the disk's time, spent by the writing
// thread (QSaveFile: write, flush to the device, rename), for reference.
void BM_WriteGameFile(benchmark::State &state)
{
    BoardCycle cycle;
    KeptFile &file = *controller->savedGameFile();
    for (auto _ : state) {
        cycle.prepare(state);
        emit controller->boardChanged(Controller::Change::Pegs);
        file.waitWritten(5000);
    }
}

} // namespace

BENCHMARK(BM_KeepGame)->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteGameFile)->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintBoard)->ArgName("coloured")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    // The saved window frames go to a directory of their own, not the user's.
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    // So does the history of the games the benchmarks end.
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    // The statistics window's history, made here.
    statisticsDirectory = home.filePath(QStringLiteral("statistics"));
    {
        const std::string history = makeHistory(kHistoryGames);
        QDir().mkpath(statisticsDirectory);
        QFile file(GameHistory(statisticsDirectory).filePath());
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(history.data(), qint64(history.size())) != qint64(history.size())) {
            std::fputs("bench_gui: cannot write the history of games\n", stderr);
            return 1;
        }
    }
    qputenv("XDG_STATE_HOME", home.filePath(QStringLiteral("state")).toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    auto owner = std::make_unique<BenchController>();
    controller = owner.get();
    controller->applicationDidFinishLaunching();
    for (QWidget *window : {controller->window.data(), controller->palette.data()})
        while (!window->windowHandle() || !window->windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    if (boards().empty()) {
        std::fputs("bench_gui: no board with seven rows scored\n", stderr);
        return 1;
    }

    const auto boardCount = std::int64_t(boards().size());
    benchmark::RegisterBenchmark("BM_MoveSevenRows", BM_MoveSevenRows)
        ->ArgName("backToBack")
        ->Arg(0)
        ->Arg(1)
        ->Iterations(kRunsPerBoard * boardCount)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_SearchSevenRows", BM_SearchSevenRows)
        ->Iterations(kRunsPerBoard * boardCount)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_OpenStatistics", BM_OpenStatistics)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
