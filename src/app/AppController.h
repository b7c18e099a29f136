#pragma once

#include "app/KeyboardPlay.h"
#include "app/Preferences.h"
#include "desktop/WindowFrames.h"
#include "game/Controller.h"

#include <QIcon>
#include <QPointer>

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
    // the palette (the active window), and starts a game with replacement.
    void applicationDidFinishLaunching();

    // The game's icon: the icon theme's, named like the program's desktop
    // entry (QGuiApplication::desktopFileName()), where the theme has one,
    // otherwise the one built into the program.
    static QIcon applicationIcon();

    // Makes the board window (BoardWindow), fills `window`, `pegs`, `res` and
    // `sol` from it, puts it at its saved frame and shows it.
    void makeGameWindow();

    // Makes the palette window (PaletteWindow), the board's utility window,
    // fills `palette`, puts it at its saved frame (on a first run, beside the
    // board), shows it and makes it the active window.
    void makeColorPalette();

    // Ends the program the normal way: the frames are saved, both windows
    // close and the event loop returns.
    void terminate();

    // Saves both windows' frames and writes the settings out; for the end of
    // the program, once the event loop has returned. False when the settings
    // could not be written.
    bool applicationWillTerminate();

    // Minimises both windows. Restoring or activating either one brings both
    // back, the palette above the board; minimising either one takes the
    // other along.
    void hide();

    void orderFrontStandardInfoPanel();
    // Shows the preferences window beside the board.
    void runPreferencesPanel();
    void orderFrontHelpPanel();

    MainMenu *mainMenu() const;

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

    WindowFrames m_frames;
    Preferences m_preferences;
    KeyboardPlay m_keyboard{*this};
    QPointer<MainMenu> m_menu;
    bool m_terminating = false;
};
