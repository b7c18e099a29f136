#pragma once

#include "records/PlayedGame.h"
#include "rules/SecretCount.h"

#include <QObject>
#include <QString>
#include <QTimer>

class Controller;

// What the board's rows told the player. Once a game is won or lost, each
// scored row's view carries a note (its tooltip and the end of its
// description for screen readers): how many secrets were still possible
// before and after it, and whether its guess could have been the secret.
// The notes are worked out once control is back in the event loop, so that
// the move or commit that ended the game is not slowed by them. During a
// game nothing is said, unless the preference "Show how many
// secrets are still possible" is on: then the board box's title names the
// count for the active row.
class Hindsight : public QObject
{
    Q_OBJECT

public:
    explicit Hindsight(Controller &controller, QObject *parent = nullptr);

    // The note of one row, in the player's words.
    static QString note(const rules::RowHindsight &row);

    // Shows or hides the count in the board box's title, as the game and
    // the preference stand.
    void showCount();

private:
    void explainEnd(const records::PlayedGame &game);
    void writeNotes();

    Controller &m_controller;
    // The game that just ended, until the notes of its rows are written; a
    // new game or row drops it.
    records::PlayedGame m_ended;
    // Fires writeNotes() once the event loop is back. A zero timer, not a
    // posted call: posting wakes the event loop with a system call, which the
    // move that ended the game would wait for.
    QTimer m_notesTimer;
};
