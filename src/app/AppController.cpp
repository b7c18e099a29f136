#include "app/AppController.h"

#include "WindowIconPixels.h"
#include "app/board/AlertPanel.h"
#include "app/board/BoardWindow.h"
#include "app/board/PaletteWindow.h"
#include "app/commands/HelpWindow.h"
#include "app/commands/MainMenu.h"
#include "app/dialogs/InfoPanel.h"
#include "app/preferences/PreferencesWindow.h"
#include "app/statistics/StatisticsWindow.h"
#include "desktop/files/UserSettings.h"
#include "dnd/DestinationPeg.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <cstdlib>
#include <ctime>

AppController::AppController(QObject *parent) : Controller(parent)
{
    connect(&m_windows, &WindowPair::boardClosed, this, &AppController::terminate);
}

AppController::~AppController()
{
    m_keeper.waitWritten();
    delete palette.data();
    delete window.data();
}

void AppController::applicationDidFinishLaunching()
{
    window = nullptr;
    m_preferences.load();
    QGuiApplication::setWindowIcon(applicationIcon());
    srand48(long(std::time(nullptr)));
    m_keeper.open();
    const std::optional<records::PlayedGame> saved =
        Preferences::isOn(PreferenceTable::Id::ResumeGame) ? m_keeper.readUnfinished()
                                                           : std::nullopt;
    makeGameWindow();
    makeColorPalette();
    if (!saved || !restore(*saved))
        newGameUnique(false);
    m_keeper.start();
}

void AppController::orderFrontBothWindows()
{
    m_windows.orderFrontBoth();
}

QIcon AppController::applicationIcon()
{
    QIcon icon;
    for (const WindowIconPixels &picture : kWindowIconPixels)
        icon.addPixmap(QPixmap::fromImage(
            QImage(picture.rgba, picture.side, picture.side, QImage::Format_RGBA8888)));
    return icon;
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
    connect(m_menu, &MainMenu::statisticsRequested, this,
            &AppController::orderFrontStatisticsPanel);
    connect(m_menu, &MainMenu::preferencesRequested, this, &AppController::runPreferencesPanel);
    connect(m_menu, &MainMenu::helpRequested, this, &AppController::orderFrontHelpPanel);
    connect(m_menu, &MainMenu::hideRequested, this, &AppController::hide);
    connect(m_menu, &MainMenu::quitRequested, this, &AppController::terminate);

    for (const auto &row : pegs)
        for (const QPointer<DestinationPeg> &peg : row)
            connect(peg, &DestinationPeg::colorDropped, this,
                    [this] { m_keeper.keep(Change::Pegs); });

    m_windows.watchBoard(board);
    m_keyboard.attachTo(board);
    m_frames.restoreFrame(board, UserSettings::kBoardFrameKey);
    m_frames.autosaveFrame(board, UserSettings::kBoardFrameKey);
    board->show();
}

void AppController::makeColorPalette()
{
    auto *paletteWindow = new PaletteWindow(window);
    palette = paletteWindow;

    m_windows.watchPalette(paletteWindow);
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
    m_windows.allowClosing();
    m_keeper.keepNow();
    m_frames.synchronize();
    emit terminating();
    QCoreApplication::quit();
}

bool AppController::applicationWillTerminate()
{
    m_keeper.waitWritten();
    return m_frames.synchronize();
}

void AppController::hide()
{
    m_windows.hide();
}

void AppController::orderFrontStandardInfoPanel()
{
    InfoPanel::showFor(window);
}

void AppController::orderFrontStatisticsPanel()
{
    StatisticsWindow::showFor(window, m_gameLog);
}

void AppController::runPreferencesPanel()
{
    PreferencesWindow::showFor(window);
}

void AppController::orderFrontHelpPanel()
{
    HelpWindow::showFor(window);
}

void AppController::runAlertPanel(const QString &title, const QString &message,
                                  const QString &button)
{
    AlertPanel::run(window, title, message, button);
}
