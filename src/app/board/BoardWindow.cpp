#include "app/board/BoardWindow.h"

#include "app/commands/MainMenu.h"
#include "dnd/DestinationPeg.h"
#include "views/Bevel.h"
#include "views/GameText.h"
#include "views/Peg.h"
#include "views/Result.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QRawFont>
#include <QVBoxLayout>
#include <QtEndian>
#include <QtMath>

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

// The height of the font's bounding box, the union of the boxes of all its
// glyphs, as its 'head' table records it (yMin to yMax), at the font's pixel
// size and rounded up. A font without that table counts as ascent + descent.
int fontBoundingHeight(const QFont &font)
{
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray head = raw.fontTable("head");
    constexpr int kYMinOffset = 38;
    constexpr int kYMaxOffset = 42;
    if (head.size() < kYMaxOffset + 2 || raw.unitsPerEm() <= 0)
        return QFontMetrics(font).height();
    const auto fontUnits = [&](int offset) {
        return qFromBigEndian<qint16>(head.constData() + offset);
    };
    const int extent = fontUnits(kYMaxOffset) - fontUnits(kYMinOffset);
    return qCeil(extent * raw.pixelSize() / raw.unitsPerEm());
}

} // namespace

BoardWindow::BoardWindow(Controller &controller)
{
    setupWidgets();
    setupMenus(controller);
    //: The board window's title before a game starts: the program's name.
    setWindowTitle(GameText::tr("Hueriddle"));
    //: Read by screen readers: the name of the board window.
    setAccessibleName(GameText::tr("Hueriddle board"));
}

// A screen reader names the window by its accessible name, which stays the
// same; the title says which game is played, so it is the description, and
// each new title is sent to the reader as the description changes.
void BoardWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowTitleChange)
        setAccessibleDescription(windowTitle());
    FixedWindow::changeEvent(event);
}

// A box shows the union of its views' frames from its lower-left corner, so
// every view is placed relative to that union's lower-left corner.
QGroupBox *BoardWindow::makeAnswerBox(QWidget *parent)
{
    auto *answerView = new QWidget;
    const QPoint answerOrigin(kRowX, 0);
    answerView->setFixedSize(rules::kPositions * kPegSize, kPegSize);
    //: Read by screen readers: the row below the board where the secret shows
    //: at the end of a game.
    answerView->setAccessibleName(GameText::tr("Answer row"));
    for (int j = 0; j < rules::kPositions; ++j) {
        auto *peg = new Peg(QPointF(QPoint(kRowX + kPegSize * j, 0) - answerOrigin), answerView);
        //: Read by screen readers before a peg of the answer row; %1 is its
        //: position, 1 to 4 from the left.
        peg->setAccessibleLabel(GameText::tr("Answer, position %1").arg(j + 1));
        m_answer[j] = peg;
    }
    //: Title of the box around the answer row.
    return makeBox(GameText::tr("Answer"), answerView, parent);
}

QGroupBox *BoardWindow::makeBoardBox(QWidget *parent)
{
    auto *boardView = new QWidget;
    const QPoint boardOrigin(kRowX, kFirstRowY);
    boardView->setFixedSize(kResultX + kPegSize - kRowX, rules::kRows * kPegSize);
    //: Read by screen readers: the board's eight rows with the score beside each.
    boardView->setAccessibleName(GameText::tr("Rows and scores"));
    for (int i = 0; i < rules::kRows; ++i) {
        const int y = kFirstRowY + kPegSize * i;
        // Index 7 is the top row, played first: "Row 1".
        const int rowNumber = rules::kRows - i;
        auto *result = new Result(QPointF(QPoint(kResultX, y) - boardOrigin), boardView);
        //: Read by screen readers before the score of a row; %1 is the row's
        //: number, 1 at the top.
        result->setAccessibleLabel(GameText::tr("Row %1").arg(rowNumber));
        m_scores[i] = result;
        for (int j = 0; j < rules::kPositions; ++j) {
            auto *peg = new DestinationPeg(QPointF(QPoint(kRowX + kPegSize * j, y) - boardOrigin),
                                           boardView);
            //: Read by screen readers before a peg of the board; %1 is the row, 1 at
            //: the top, %2 the position, 1 to 4 from the left.
            peg->setAccessibleLabel(GameText::tr("Row %1, position %2").arg(rowNumber).arg(j + 1));
            m_pegs[i][j] = peg;
        }
    }
    //: Title of the box around the eight rows of the board.
    return makeBox(GameText::tr("Board"), boardView, parent);
}

void BoardWindow::setupWidgets()
{
    m_content = new QWidget(this);
    QGroupBox *answerBox = makeAnswerBox(m_content);
    QGroupBox *boardBox = makeBoardBox(m_content);
    m_boardBox = boardBox;

    // Room for the bounding box of the box title's font above the board box.
    const int titleHeight = fontBoundingHeight(boardBox->font());
    const int width = boardBox->width();
    const int height = titleHeight + answerBox->height() + kBoxGap + boardBox->height();
    m_content->setFixedSize(width, height);
    // A style whose boxes are much taller than the usual 84 units would put
    // the answer box under the board box; the board box then goes above it.
    const int boardBoxY =
        answerBox->height() > kBoardBoxY ? answerBox->height() + kBoxGap : kBoardBoxY;
    placeAtLowerLeft(*boardBox, QPointF(0, boardBoxY));
    placeAtLowerLeft(*answerBox, QPointF(0, 0));
    //: Read by screen readers: the board window's content.
    m_content->setAccessibleName(GameText::tr("Board and answer"));
}

void BoardWindow::setPossibleSecrets(std::optional<std::int32_t> count)
{
    const QString title =
        count
            //: The board box's title while the preference "Show how many secrets are still
            //: possible" is on; %1 is the number of secrets that agree with every scored row.
            ? GameText::tr("Board: %1 secrets still possible").arg(*count)
            : GameText::tr("Board");
    // Called after every row; a screen reader hears of a changed name only.
    if (title == m_boardBox->title())
        return;
    m_boardBox->setTitle(title);
    m_boardBox->setAccessibleName(title);
}

// The menu bar takes the content's width and the height it needs for it; the
// window is just large enough for both.
void BoardWindow::setupMenus(Controller &controller)
{
    m_menu = new MainMenu(controller, this);
    //: Read by screen readers: the menu bar of the board window.
    m_menu->setAccessibleName(GameText::tr("Main menu"));
    const int width = m_content->width();
    int menuHeight = m_menu->heightForWidth(width);
    if (menuHeight <= 0)
        menuHeight = m_menu->sizeHint().height();
    m_menu->setGeometry(0, 0, width, menuHeight);
    m_content->move(0, menuHeight);
    setFixedSize(width, menuHeight + m_content->height());
}
