#include "app/AppController.h"

#include "app/HelpWindow.h"
#include "app/InfoPanel.h"
#include "app/MainMenu.h"
#include "dnd/DestinationPeg.h"
#include "dnd/SourcePeg.h"
#include "views/Bevel.h"
#include "views/Peg.h"
#include "views/Result.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QVBoxLayout>
#include <cstdlib>
#include <ctime>

namespace
{

constexpr int kPegSize = Peg::kSize;
// The layout of the board window, in units with the origin at the lower left
// and y growing upwards.
constexpr int kBoxMargin = 8;  // between a box's border and its content
constexpr int kBoxGap = 8;     // between the answer box and the board box
constexpr int kBoardBoxY = 92; // lower edge of the board box, as a rule
constexpr int kRowX = 8;       // left edge of the first peg of every row
constexpr int kFirstRowY = 8;  // lower edge of row 0 in the board view
constexpr int kResultX = 260;  // left edge of each row's score
constexpr int kPaletteColumns = 3;
constexpr int kPaletteRows = 2;

QWidget *newFixedWindow()
{
    // A title bar and nothing else: no close, minimise or maximise control.
    return new QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

// A titled, framed box holding `content` with margins of 8, just large
// enough for it.
QGroupBox *makeBox(const QString &title, QWidget *content, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    box->setAccessibleName(title);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(kBoxMargin, kBoxMargin, kBoxMargin, kBoxMargin);
    layout->setSpacing(0);
    layout->addWidget(content);
    box->setFixedSize(box->sizeHint().expandedTo(box->minimumSizeHint()));
    layout->activate();
    return box;
}

} // namespace

AppController::AppController(QObject *parent) : Controller(parent) {}

AppController::~AppController()
{
    delete palette.data();
    delete window.data();
}

void AppController::applicationDidFinishLaunching()
{
    window = nullptr;
    srand48(long(std::time(nullptr)));
    makeGameWindow();
    makeColorPalette();
    newGameUnique(false);
}

void AppController::makeGameWindow()
{
    auto *board = newFixedWindow();
    window = board;
    auto *content = new QWidget(board);

    // A box shows the union of its views' frames from its lower-left corner,
    // so every view is placed relative to that union's lower-left corner.
    auto *answerView = new QWidget;
    const QPoint answerOrigin(kRowX, 0);
    answerView->setFixedSize(rules::kPositions * kPegSize, kPegSize);
    answerView->setAccessibleName(QCoreApplication::translate("Hueriddle", "Answer row"));
    for (int j = 0; j < rules::kPositions; ++j) {
        auto *peg = new Peg(QPointF(QPoint(kRowX + kPegSize * j, 0) - answerOrigin), answerView);
        peg->setAccessibleLabel(
            QCoreApplication::translate("Hueriddle", "Answer, position %1").arg(j + 1));
        sol[j] = peg;
    }
    QGroupBox *answerBox =
        makeBox(QCoreApplication::translate("Hueriddle", "Answer"), answerView, content);

    auto *boardView = new QWidget;
    const QPoint boardOrigin(kRowX, kFirstRowY);
    boardView->setFixedSize(kResultX + kPegSize - kRowX, rules::kRows * kPegSize);
    boardView->setAccessibleName(QCoreApplication::translate("Hueriddle", "Rows and scores"));
    for (int i = 0; i < rules::kRows; ++i) {
        const int y = kFirstRowY + kPegSize * i;
        // Index 7 is the top row, played first: "Row 1".
        const int rowNumber = rules::kRows - i;
        auto *result = new Result(QPointF(QPoint(kResultX, y) - boardOrigin), boardView);
        result->setAccessibleLabel(
            QCoreApplication::translate("Hueriddle", "Row %1").arg(rowNumber));
        res[i] = result;
        for (int j = 0; j < rules::kPositions; ++j) {
            auto *peg = new DestinationPeg(QPointF(QPoint(kRowX + kPegSize * j, y) - boardOrigin),
                                           boardView);
            peg->setAccessibleLabel(QCoreApplication::translate("Hueriddle", "Row %1, position %2")
                                        .arg(rowNumber)
                                        .arg(j + 1));
            pegs[i][j] = peg;
        }
    }
    QGroupBox *boardBox =
        makeBox(QCoreApplication::translate("Hueriddle", "Board"), boardView, content);

    // Room for a line of the box title's font above the board box.
    const int titleHeight = QFontMetrics(boardBox->font()).height();
    const int width = boardBox->width();
    const int height = titleHeight + answerBox->height() + kBoxGap + boardBox->height();
    content->setFixedSize(width, height);
    // A style whose boxes are much taller than the usual 84 units would put
    // the answer box under the board box; the board box then goes above it.
    const int boardBoxY =
        answerBox->height() > kBoardBoxY ? answerBox->height() + kBoxGap : kBoardBoxY;
    placeAtLowerLeft(*boardBox, QPointF(0, boardBoxY));
    placeAtLowerLeft(*answerBox, QPointF(0, 0));
    content->setAccessibleName(QCoreApplication::translate("Hueriddle", "Board and answer"));

    auto *menu = new MainMenu(*this, board);
    m_menu = menu;
    menu->setAccessibleName(QCoreApplication::translate("Hueriddle", "Main menu"));
    connect(menu, &MainMenu::infoPanelRequested, this, &AppController::orderFrontStandardInfoPanel);
    connect(menu, &MainMenu::helpRequested, this, &AppController::orderFrontHelpPanel);
    connect(menu, &MainMenu::hideRequested, this, &AppController::hide);
    connect(menu, &MainMenu::quitRequested, this, &AppController::terminate);
    int menuHeight = menu->heightForWidth(width);
    if (menuHeight <= 0)
        menuHeight = menu->sizeHint().height();
    menu->setGeometry(0, 0, width, menuHeight);
    content->move(0, menuHeight);
    board->setFixedSize(width, menuHeight + height);

    board->setWindowTitle(QCoreApplication::translate("Hueriddle", "Hueriddle"));
    board->setAccessibleName(QCoreApplication::translate("Hueriddle", "Hueriddle board"));
    board->installEventFilter(this);
    m_keyboard.attachTo(board);

    m_frames.restoreFrame(board, WindowFrames::kMainKey);
    m_frames.autosaveFrame(board, WindowFrames::kMainKey);
    board->show();
}

void AppController::makeColorPalette()
{
    auto *paletteWindow = newFixedWindow();
    constexpr int width = kPaletteColumns * kPegSize;
    constexpr int height = kPaletteRows * kPegSize;
    auto *paletteView = new QWidget(paletteWindow);
    paletteView->setFixedSize(width, height);
    paletteView->setAccessibleName(QCoreApplication::translate("Hueriddle", "Colors"));
    for (std::int32_t code = 1; code <= 6; ++code) {
        const QPointF corner(kPegSize * ((code - 1) % kPaletteColumns),
                             kPegSize * ((code - 1) % kPaletteRows));
        auto *peg = new SourcePeg(corner, paletteView);
        peg->setAccessibleLabel(QCoreApplication::translate("Hueriddle", "Palette"));
        peg->setColor(Peg::colorOfCode(code));
    }
    paletteWindow->setFixedSize(width, height);
    palette = paletteWindow;

    paletteWindow->setWindowTitle(QCoreApplication::translate("Hueriddle", "Palette"));
    paletteWindow->setAccessibleName(QCoreApplication::translate("Hueriddle", "Hueriddle palette"));
    paletteWindow->installEventFilter(this);
    m_keyboard.attachTo(paletteWindow);

    m_frames.restoreFrame(paletteWindow, WindowFrames::kPaletteKey);
    m_frames.autosaveFrame(paletteWindow, WindowFrames::kPaletteKey);
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

void AppController::orderFrontHelpPanel()
{
    HelpWindow::showFor(window);
}

bool AppController::eventFilter(QObject *watched, QEvent *event)
{
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
