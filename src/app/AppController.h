#pragma once

#include "app/board/Hindsight.h"
#include "app/commands/KeyboardPlay.h"
#include "app/preferences/Preferences.h"
#include "app/statistics/GameLog.h"
#include "desktop/process/InputGate.h"
#include "desktop/windows/WindowFrames.h"
#include "game/Controller.h"

#include <QIcon>
#include <QPointer>
#include <memory>
#include <optional>

class KeptFile;

class MainMenu;

// The controller of the running program, on top of the game: it launches and
// ends it. It owns the board and palette windows (which lay out their own
// views), connects the menu's program commands, the keys and the close policy
// to them, and keeps their frames.
class AppController : public Controller
{
    Q_OBJECT

public:
    explicit AppController(QObject *parent = nullptr);
    ~AppController() override;

    // Takes the display options from the settings, gives the program its
    // icon, seeds lrand48() with the time, builds the board window and then
    // the palette (the active window), and puts back the game left unfinished
    // (when the player has not turned that off) or else starts a game with
    // replacement. From then on the game is kept in the state directory after
    // every change.
    void applicationDidFinishLaunching();

    // The game's icon for its windows, built into the program as pixels at
    // the sizes that title bars, window lists and window switchers on X11 draw
    // (up to 64 pixels). Desktops that show larger icons (GNOME's overview,
    // Wayland docks) take the installed theme icon through the desktop entry.
    // Decoding image files and searching the icon theme here cost as much as
    // building the board.
    static QIcon applicationIcon();

    // Makes the board window (BoardWindow), fills `window`, `pegs`, `res` and
    // `sol` from it, puts it at its saved frame and shows it.
    void makeGameWindow();

    // Makes the palette window (PaletteWindow), the board's utility window,
    // fills `palette`, puts it at its saved frame (on a first run, beside the
    // board), shows it and makes it the active window.
    void makeColorPalette();

    // Ends the program the normal way: the game and the frames are saved,
    // both windows close and the event loop returns.
    void terminate();

    // Saves both windows' frames and writes the settings out, and waits for
    // the game to be written; for the end of the program, once the event loop
    // has returned. False when the settings could not be written.
    bool applicationWillTerminate();

    // Brings both windows forward, unminimised, the palette above the board
    // and active: what a second start of the program asks for.
    void orderFrontBothWindows();

    // Where the game in progress is kept; empty when there is no state
    // directory.
    static QString savedGamePath();
    // The kept game's file, once launched.
    KeptFile *savedGameFile() const { return m_savedGame.get(); }

    // Minimises both windows. Restoring or activating either one brings both
    // back, the palette above the board; minimising either one takes the
    // other along.
    void hide();

    void orderFrontStandardInfoPanel();
    // Shows the statistics window with the history of games.
    void orderFrontStatisticsPanel();
    // Shows the preferences window beside the board.
    void runPreferencesPanel();
    void orderFrontHelpPanel();

    MainMenu *mainMenu() const;
    GameLog &gameLog() { return m_gameLog; }

signals:
    // The program is about to end (terminate() was called).
    void terminating();

protected:
    // As the windows' delegate: closing the board window by the window
    // manager ends the program like "Quit", while the palette stays open;
    // either window shown again after Hide brings the other back.
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Shows the alert on top of the board window (AlertPanel).
    void runAlertPanel(const QString &title, const QString &message,
                       const QString &button) override;

private:
    void followWindowState(QWidget *changed);
    // The saved game to put back: nothing when there is none, it is over, or
    // its file is damaged (then kept aside).
    std::optional<records::PlayedGame> readSavedGame();
    // Writes the game as it stands; a change of Game is written before the
    // next input is taken.
    void keepGame(Controller::Change change);

    WindowFrames m_frames;
    Preferences m_preferences;
    KeyboardPlay m_keyboard{*this};
    // Every game that ends goes into the history; once over, its rows are
    // explained.
    GameLog m_gameLog{*this};
    Hindsight m_hindsight{*this};
    QPointer<MainMenu> m_menu;
    bool m_terminating = false;
    std::unique_ptr<KeptFile> m_savedGame;
    // The game is written from the end of the launch on.
    bool m_keeping = false;
    InputGate m_inputGate;
};
