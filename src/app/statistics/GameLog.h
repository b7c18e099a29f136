#pragma once

#include "desktop/files/GameHistory.h"
#include "desktop/files/ProgramFolders.h"
#include "records/HistoryEntry.h"
#include "records/HistoryStatistics.h"

#include <QObject>
#include <QTimer>

class Controller;

// Writes every game that ends into the history of games (GameHistory): won,
// lost, or abandoned for a new game after at least one committed row. The
// game is the one Controller::gameEnded carries, written once control is back
// in the event loop, so that the move or commit that ended it is not slowed
// by the file. The history is read only when asked for, by the statistics
// window.
class GameLog : public QObject
{
    Q_OBJECT

public:
    GameLog(Controller &controller, const QString &directory = ProgramFolders::dataDirectory(),
            QObject *parent = nullptr);
    // Writes the games still waiting.
    ~GameLog() override;

    // The statistics of the whole history, read now.
    records::HistoryStatistics statistics() const;

    // Moves the history aside (never deleting it) and starts a new one.
    // False when it could not be moved.
    bool reset();

    const GameHistory &history() const { return m_history; }

signals:
    // A game ended and was written, or counted where the file could not take it.
    void recorded(const records::HistoryEntry &entry);
    // The history was moved aside: there are no games any more.
    void wasReset();

private:
    // `game`, ended now, as the history keeps it: without placed pegs, the
    // entry that reading its line gives back.
    static records::HistoryEntry entryOf(const records::PlayedGame &game);

    void record(const records::PlayedGame &game);
    // Writes the games waiting, in the order they ended; with `announce`,
    // tells of each.
    void writeWaiting(bool announce);

    GameHistory m_history;
    std::vector<records::HistoryEntry> m_waiting;
    // Fires writeWaiting() once the event loop is back. A zero timer, not a
    // posted call: posting wakes the event loop with a system call, which the
    // move that ended the game would wait for.
    QTimer m_writeTimer;
};
