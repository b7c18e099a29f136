#pragma once

#include "app/HistoryStatistics.h"
#include "desktop/GameHistory.h"
#include "rules/GameRecord.h"

#include <QObject>

class Controller;

// Writes every game that ends into the history of games (GameHistory): won,
// lost, or abandoned for a new game after at least one committed row. The
// history is read only when asked for, by the statistics window.
class GameLog : public QObject
{
    Q_OBJECT

public:
    GameLog(Controller &controller, const QString &directory = GameHistory::defaultDirectory(),
            QObject *parent = nullptr);

    // The statistics of the whole history, read now.
    HistoryStatistics statistics() const;

    // Moves the history aside (never deleting it) and starts a new one.
    // False when it could not be moved.
    bool reset();

    const GameHistory &history() const { return m_history; }

    // The game the controller shows, as the history keeps it, ended now.
    static rules::GameRecord recordOf(const Controller &controller, rules::GameResult result);

signals:
    // A game ended and was counted, whether or not the file could take it.
    void recorded(const rules::GameRecord &game);
    // The history was moved aside: there are no games any more.
    void wasReset();

private:
    void record(rules::GameResult result);

    Controller &m_controller;
    GameHistory m_history;
};
