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
#include "desktop/files/KeptFile.h"
#include "desktop/files/StateDirectory.h"
#include "desktop/files/UserSettings.h"
#include "dnd/DestinationPeg.h"
#include "records/SavedGameFormat.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace
{

// How long the end of the program, or an input after a scored row, waits for
// the game to be written at most.
constexpr int kWriteWaitMs = 5000;

void printLine(const QString &line)
{
    std::fputs((QStringLiteral("hueriddle: ") + line).toLocal8Bit().append('\n').constData(),
               stderr);
    std::fflush(stderr);
}

} // namespace

AppController::AppController(QObject *parent) : Controller(parent)
{
    connect(this, &Controller::boardChanged, this, &AppController::keepGame);
}

AppController::~AppController()
{
    m_inputGate.release();
    delete palette.data();
    delete window.data();
}

QString AppController::savedGamePath()
{
    const QString directory = StateDirectory::path();
    return directory.isEmpty() ? QString()
                               : QDir(directory).filePath(UserSettings::kSavedGameFileName);
}

void AppController::applicationDidFinishLaunching()
{
    window = nullptr;
    m_preferences.load();
    QGuiApplication::setWindowIcon(applicationIcon());
    srand48(long(std::time(nullptr)));
    m_savedGame = std::make_unique<KeptFile>(savedGamePath());
    if (m_savedGame->path().isEmpty())
        printLine(QStringLiteral("neither XDG_STATE_HOME nor HOME names a directory; the game "
                                 "in progress will not be kept"));
    const std::optional<records::PlayedGame> saved =
        Preferences::resumesGame() ? readSavedGame() : std::nullopt;
    makeGameWindow();
    makeColorPalette();
    if (!saved || !restore(*saved))
        newGameUnique(false);
    m_keeping = true;
}

std::optional<records::PlayedGame> AppController::readSavedGame()
{
    // A write cut short by a kill leaves its temporary file; the file itself
    // is whole.
    m_savedGame->removeLeftovers();
    const std::optional<QByteArray> bytes = m_savedGame->read(qint64(records::kSavedGameMaxBytes));
    if (!bytes)
        return std::nullopt;
    records::SavedGameReading reading =
        records::readSavedGame(std::string_view(bytes->constData(), std::size_t(bytes->size())));
    if (!reading.game) {
        m_savedGame->keepAside(QString::fromStdString(reading.reason));
        return std::nullopt;
    }
    if (reading.game->over)
        return std::nullopt;
    return std::move(reading.game);
}

void AppController::keepGame(Controller::Change change)
{
    if (!m_keeping || !m_savedGame)
        return;
    // Only the snapshot is taken here; the writing thread makes the bytes.
    m_savedGame->write([game = snapshot()] {
        const std::string bytes = records::writeSavedGame(game);
        return QByteArray(bytes.data(), qsizetype(bytes.size()));
    });
    if (change == Change::Game)
        m_inputGate.holdNextInput([this] { m_savedGame->waitWritten(kWriteWaitMs); });
}

void AppController::orderFrontBothWindows()
{
    for (QWidget *each : {window.data(), palette.data()}) {
        if (!each)
            continue;
        if (each->isMinimized())
            each->showNormal();
        each->show();
        each->raise();
    }
    if (palette)
        palette->activateWindow();
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
            connect(peg, &DestinationPeg::colorDropped, this, [this] { keepGame(Change::Pegs); });

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
    if (m_keeping) {
        keepGame(Change::Pegs);
        m_savedGame->waitWritten(kWriteWaitMs);
    }
    m_frames.synchronize();
    emit terminating();
    QCoreApplication::quit();
}

bool AppController::applicationWillTerminate()
{
    m_inputGate.release();
    if (m_savedGame)
        m_savedGame->waitWritten(kWriteWaitMs);
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
