#pragma once

#include "app/board/Hindsight.h"
#include "app/board/WindowPair.h"
#include "app/commands/KeyboardPlay.h"
#include "app/keeping/GameKeeper.h"
#include "app/preferences/Preferences.h"
#include "app/statistics/GameLog.h"
#include "desktop/windows/WindowFrames.h"
#include "game/Controller.h"

#include <QIcon>
#include <QPointer>

class KeptFile;
class MainMenu;

// The controller of the running program, on top of the game: it launches and
// ends it. It owns the board and palette windows (which lay out their own
// views) and keeps their frames, and connects the menu's program commands and
// the keys to them; the pair of windows (WindowPair) and the keeping of the
// game (GameKeeper) are looked after by classes of their own.
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

    // The kept game's file, once launched.
    KeptFile *savedGameFile() const { return m_keeper.file(); }

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
    // Shows the alert on top of the board window (AlertPanel).
    void runAlertPanel(const QString &title, const QString &message,
                       const QString &button) override;

private:
    WindowFrames m_frames;
    Preferences m_preferences;
    KeyboardPlay m_keyboard{*this};
    // Every game that ends goes into the history; once over, its rows are
    // explained.
    GameLog m_gameLog{*this};
    Hindsight m_hindsight{*this};
    QPointer<MainMenu> m_menu;
    WindowPair m_windows;
    GameKeeper m_keeper{*this};
    bool m_terminating = false;
};
