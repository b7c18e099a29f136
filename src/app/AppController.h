#pragma once

#include "app/KeyboardPlay.h"
#include "app/WindowFrames.h"
#include "game/Controller.h"

#include <QPointer>

class MainMenu;

// The controller of the running program: on top of the game it builds the
// board window (with the main menu) and the palette window, starts the first
// game, keeps the windows' frames, and carries out the menu commands that are
// not game rules, and lets the game be played from the keyboard in both
// windows. It owns both windows.
class AppController : public Controller
{
    Q_OBJECT

public:
    explicit AppController(QObject *parent = nullptr);
    ~AppController() override;

    // Seeds lrand48() with the time, builds the board window and then the
    // palette (the active window), and starts a game with replacement.
    void applicationDidFinishLaunching();

    // The board window: its menu bar, the "Board" box with eight rows of four
    // pegs and a score 60 units right of each row, and the "Answer" box below
    // it, flush left. Fills `window`, `pegs`, `res` and `sol` and shows it.
    // Screen readers hear rows numbered as the player meets them (the top
    // row, played first, is "Row 1") and positions from 1, left to right.
    void makeGameWindow();

    // The palette window with the six colours; fills `palette`, shows it and
    // makes it the active window.
    void makeColorPalette();

    // Ends the program the normal way: the frames are saved, both windows
    // close and the event loop returns.
    void terminate();

    // Saves both windows' frames and writes the settings out; for the end of
    // the program, once the event loop has returned. False when the settings
    // could not be written.
    bool applicationWillTerminate();

    // Minimises both windows.
    void hide();

    void orderFrontStandardInfoPanel();
    void orderFrontHelpPanel();

    MainMenu *mainMenu() const;
    WindowFrames &frames() { return m_frames; }
    KeyboardPlay &keyboard() { return m_keyboard; }

signals:
    // The program is about to end (terminate() was called).
    void terminating();

protected:
    // As the windows' delegate: closing the board window by the window
    // manager ends the program like "Quit", while the palette stays open.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    WindowFrames m_frames;
    KeyboardPlay m_keyboard{*this};
    QPointer<MainMenu> m_menu;
    bool m_terminating = false;
};
