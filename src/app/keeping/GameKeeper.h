#pragma once

#include "desktop/process/InputGate.h"
#include "game/Controller.h"
#include "records/PlayedGame.h"

#include <QObject>
#include <memory>
#include <optional>

class KeptFile;

// Keeps the game in progress in the state directory, so that a game left
// unfinished comes back at the next start. Once started, it writes the game
// after every change the controller reports, off the main thread; a change of
// Game (a row scored, a game ended or begun) is written before the next input
// is taken.
class GameKeeper : public QObject
{
    Q_OBJECT

public:
    explicit GameKeeper(Controller &controller, QObject *parent = nullptr);
    // Lets a held input go.
    ~GameKeeper() override;

    // Where the game in progress is kept; empty when there is no state
    // directory.
    static QString path();

    // Opens the kept file; says so on standard error when there is no state
    // directory to keep it in.
    void open();
    // The game to put back: nothing when there is none, it is over, or its
    // file is damaged (then kept aside). Call after open().
    std::optional<records::PlayedGame> readUnfinished();
    // From now on every change is written.
    void start() { m_keeping = true; }

    // Writes the game as it stands; a change of Game is written before the
    // next input is taken. Nothing before start().
    void keep(Controller::Change change);
    // Writes the game as it stands and waits for it, for the end of the
    // program.
    void keepNow();
    // Lets a held input go and waits for the last write.
    void waitWritten();

    // The kept game's file, once opened.
    KeptFile *file() const { return m_file.get(); }

private:
    Controller &m_controller;
    std::unique_ptr<KeptFile> m_file;
    bool m_keeping = false;
    InputGate m_inputGate;
};
