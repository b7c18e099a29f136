#include "app/AppController.h"

#include "app/AlertPanel.h"
#include "app/BoardWindow.h"
#include "app/HelpWindow.h"
#include "app/InfoPanel.h"
#include "app/MainMenu.h"
#include "app/PaletteWindow.h"
#include "app/PreferencesWindow.h"
#include "desktop/UserSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <cstdlib>
#include <ctime>

AppController::AppController(QObject *parent) : Controller(parent) {}

AppController::~AppController()
{
    delete palette.data();
    delete window.data();
}

void AppController::applicationDidFinishLaunching()
{
    window = nullptr;
    m_preferences.load();
    QGuiApplication::setWindowIcon(applicationIcon());
    srand48(long(std::time(nullptr)));
    makeGameWindow();
    makeColorPalette();
    newGameUnique(false);
}

QIcon AppController::applicationIcon()
{
    Q_INIT_RESOURCE(hueriddle_icon);
    QIcon builtIn;
    const QDir sizes(QStringLiteral(":/icon"));
    for (const QString &file : sizes.entryList(QDir::Files))
        builtIn.addFile(sizes.filePath(file));
    const QString name = QGuiApplication::desktopFileName();
    return name.isEmpty() ? builtIn : QIcon::fromTheme(name, builtIn);
}

void AppController::makeGameWindow()
{
    auto *board = new BoardWindow(*this);
    window = board;
    pegs = board->pegs();
    res = board->scores();
    sol = board->answer();

    m_menu = board->mainMenu();
    connect(m_menu, &MainMenu::infoPanelRequested, this,
            &AppController::orderFrontStandardInfoPanel);
    connect(m_menu, &MainMenu::preferencesRequested, this, &AppController::runPreferencesPanel);
    connect(m_menu, &MainMenu::helpRequested, this, &AppController::orderFrontHelpPanel);
    connect(m_menu, &MainMenu::hideRequested, this, &AppController::hide);
    connect(m_menu, &MainMenu::quitRequested, this, &AppController::terminate);

    board->installEventFilter(this);
    m_keyboard.attachTo(board);
    m_frames.restoreFrame(board, UserSettings::kBoardFrameKey);
    m_frames.autosaveFrame(board, UserSettings::kBoardFrameKey);
    board->show();
}

void AppController::makeColorPalette()
{
    auto *paletteWindow = new PaletteWindow(window);
    palette = paletteWindow;

    paletteWindow->installEventFilter(this);
    m_keyboard.attachTo(paletteWindow);
    m_frames.restoreFrame(paletteWindow, UserSettings::kPaletteFrameKey, window);
    m_frames.autosaveFrame(paletteWindow, UserSettings::kPaletteFrameKey);
    paletteWindow->show();
    paletteWindow->raise();
    paletteWindow->activateWindow();
}

MainMenu *AppController::mainMenu() const
{
    return m_menu;
}

void AppController::terminate()
{
    if (m_terminating)
        return;
    m_terminating = true;
    m_frames.synchronize();
    emit terminating();
    QCoreApplication::quit();
}

bool AppController::applicationWillTerminate()
{
    return m_frames.synchronize();
}

void AppController::hide()
{
    for (QWidget *each : {window.data(), palette.data()})
        if (each)
            each->showMinimized();
}

void AppController::orderFrontStandardInfoPanel()
{
    InfoPanel::showFor(window);
}

void AppController::runPreferencesPanel()
{
    PreferencesWindow::showFor(window);
}

void AppController::orderFrontHelpPanel()
{
    HelpWindow::showFor(window);
}

void AppController::followWindowState(QWidget *changed)
{
    // The two windows are hidden and shown as one: restored or activated by
    // the window manager (a taskbar, a click, a window list), one window
    // brings the other back, as unhiding an application does; minimised by
    // it, one takes the other along, so that the palette is never left
    // behind minimised while the board is shown.
    const bool minimized = changed->isMinimized();
    bool restored = false;
    for (QWidget *other : {window.data(), palette.data()}) {
        if (!other || other == changed || other->isMinimized() == minimized)
            continue;
        if (minimized) {
            other->showMinimized();
        } else {
            other->showNormal();
            restored = true;
        }
    }
    // The palette stays above the board, whichever window came back first.
    if (restored && palette)
        palette->raise();
}

bool AppController::eventFilter(QObject *watched, QEvent *event)
{
    if ((event->type() == QEvent::WindowStateChange || event->type() == QEvent::WindowActivate) &&
        (watched == window.data() || watched == palette.data()))
        followWindowState(static_cast<QWidget *>(watched));
    if (event->type() == QEvent::Close) {
        // Only the end of the program closes the palette.
        if (watched == palette.data() && !m_terminating) {
            event->ignore();
            return true;
        }
        // Closing the board window (the window manager's close button,
        // Alt+F4) ends the program like "Quit".
        if (watched == window.data())
            terminate();
    }
    return Controller::eventFilter(watched, event);
}

void AppController::runAlertPanel(const QString &title, const QString &message,
                                  const QString &button)
{
    AlertPanel::run(window, title, message, button);
}
