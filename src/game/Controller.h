#pragma once

#include "records/PlayedGame.h"
#include "rules/Combination.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>

class DestinationPeg;
class Peg;
class Result;
class QWidget;

// The game: the secret, the row being played, and references to the views
// that hold the board's state (the colours of the pegs are the guesses, the
// Result views the scores). A reference that is still empty, or whose view
// has been destroyed, is skipped, so the rules run with no window at all.
class Controller : public QObject
{
    Q_OBJECT

public:
    // The identities of the game commands, read by validateMenuItem().
    enum MenuTag : int {
        WithReplacementTag = 500,
        WithoutReplacementTag = 501,
        CommitTag = 502,
        MoveTag = 503,
    };

    explicit Controller(QObject *parent = nullptr);
    ~Controller() override;

    // rules::score() of `second` against `first`, with the white place before
    // the black one.
    void evalCombos(const rules::Combination &first, const rules::Combination &second,
                    std::int32_t &white, std::int32_t &black) const;

    // Clears the board, activates row 7, draws a secret with lrand48() and
    // names the variant in the board window's title.
    void newGameUnique(bool withoutReplacement);
    void newGameWithRep();
    void newGameNoRep();

    // Tests, scores and plays on the active row; refuses an incomplete row and,
    // without replacement, a repeated colour. Does nothing once the game is over.
    void commit();
    // Plays the active row with the first candidate that agrees with every
    // scored row, then commits it. Does nothing once the game is over.
    void move();

    // False exactly for "Commit" and "Move" while the game is over.
    bool validateMenuItem(int tag) const;

    // Whether a row is being played: the game is not over and `currentRow`
    // names a row of the board.
    bool isPlaying() const;

    // Puts the colour of `code` on the first empty peg of the active row.
    // Only an active peg changes, as with a drop. False when no peg changed:
    // no row is being played, the row is full, or that peg is not active.
    bool placeColor(std::int32_t code);
    // Empties the rightmost filled peg of the active row, under the same terms.
    bool emptyLastPeg();
    // Makes `row` the active row: `currentRow` names it, and its pegs alone
    // take drops and show the second frame, unless the game is over. A row
    // outside the board leaves no peg active.
    void activateRow(std::int32_t row);
    // Shows an alert with one "OK" button and returns once it is dismissed.
    void alert(const QString &title, const QString &message);

    // What changed on the board, for whoever keeps the game: pegs placed or
    // emptied on the active row, or the game moved on (a row scored, the game
    // ended, a new game began), which must be kept before the next input.
    enum class Change { Pegs, Game };

    // The game as the board shows it: the variant, the secret, the committed
    // rows in the order they were played, each with the codes of its pegs,
    // the score its view shows and whether "Move" played it, the codes on the
    // active row while one is played, and `done`. The one place the board is
    // read back as a game.
    records::PlayedGame snapshot() const;
    // Puts a game in progress back on the board exactly as snapshot() took
    // it: the rows, scores, active row, placed pegs, title and menu state, so
    // that Move goes on as it would have. A game that is over or not
    // consistent (records::consistencyFault) is refused: false, nothing changed.
    bool restore(const records::PlayedGame &game);

    // Fields. The views live in the windows' view trees; these only refer to them.
    QPointer<QWidget> window;
    QPointer<QWidget> palette;
    std::int32_t currentRow = 0;
    std::array<std::array<QPointer<DestinationPeg>, rules::kPositions>, rules::kRows> pegs;
    std::array<QPointer<Result>, rules::kRows> res;
    std::array<QPointer<Peg>, rules::kPositions> sol;
    bool done = false;
    bool unique = false;
    rules::Combination combo{};

signals:
    // Emitted whenever validateMenuItem() may answer differently.
    void gameStateChanged();
    // A row was scored; the game may have ended with it.
    void rowCommitted();
    // A game ended: won or lost, or abandoned for a new game once a row had
    // been committed. `game` is the snapshot() of it, taken before the end
    // alert and before a new game clears the board; its result() tells which.
    void gameEnded(const records::PlayedGame &game);
    // Emitted after every change of the game's state that snapshot() shows,
    // made by the controller; a change of Game comes before any alert.
    void boardChanged(Controller::Change change);

protected:
    // Names the variant in the board window's title.
    void showVariant();

    // The one way the game speaks to the player: what an alert says, its title,
    // its message and its one button. Returns when the player has dismissed
    // it; how it looks is the program's (AlertPanel).
    virtual void runAlertPanel(const QString &title, const QString &message,
                               const QString &button) = 0;

private:
    // Empties every peg, score and answer peg of the board.
    void clearBoard();
    // Whether a game has been started, so that there is one to abandon.
    bool m_started = false;
    // The rows that "Move" played in this game.
    std::array<bool, rules::kRows> m_byMove{};
};
