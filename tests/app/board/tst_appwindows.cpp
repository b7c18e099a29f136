#include "app/commands/MainMenu.h"
#include "desktop/files/UserSettings.h"
#include "dnd/DestinationPeg.h"
#include "dnd/SourcePeg.h"
#include "rules/SecretDraw.h"
#include "support/AppFixture.h"
#include "support/FailOnWarnings.h"
#include "views/Peg.h"
#include "views/Result.h"

#include <QGroupBox>
#include <QMenuBar>
#include <QRawFont>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <QtEndian>
#include <QtMath>
#include <ctime>

namespace
{

constexpr Qt::WindowFlags kTitleBarOnly =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

// The lower-left corner of `widget` in its window's coordinates with the
// origin at the window's lower left and y growing upwards.
QPoint lowerLeftInWindow(const QWidget *widget)
{
    const QWidget *window = widget->window();
    const QPoint topLeft = widget->mapTo(window, QPoint(0, 0));
    return QPoint(topLeft.x(), window->height() - (topLeft.y() + widget->height()));
}

QGroupBox *box(const QWidget *window, const QString &title)
{
    for (QGroupBox *candidate : window->findChildren<QGroupBox *>())
        if (candidate->title() == title)
            return candidate;
    return nullptr;
}

void verifyFixedTitledWindow(const QWidget *window)
{
    QCOMPARE(window->windowFlags(), kTitleBarOnly);
    for (Qt::WindowType control : {Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
                                   Qt::WindowMaximizeButtonHint, Qt::WindowSystemMenuHint})
        QVERIFY(!window->windowFlags().testFlag(control));
    QCOMPARE(window->minimumSize(), window->size());
    QCOMPARE(window->maximumSize(), window->size());
}

// The height of the bounding box of every glyph of `font`, from the yMin and
// yMax of its 'head' table, in pixels, rounded up.
int fontBoundingBoxHeight(const QFont &font)
{
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray head = raw.fontTable("head");
    if (head.size() < 54)
        return -1;
    const auto at = [&](int offset) { return qFromBigEndian<qint16>(head.constData() + offset); };
    const qreal emHeights = qreal(at(42) - at(38)) / raw.unitsPerEm();
    return qCeil(emHeights * raw.pixelSize());
}

} // namespace

class TestAppWindows : public FailOnWarnings
{
    Q_OBJECT

    void initTest() override;

private slots:
    void cleanup();
    void boardWindowLayout_data();
    void boardWindowLayout();
    void boardWindowHoldsTheGameViews();
    void paletteColours_data();
    void paletteColours();
    void paletteWindow();
    void paletteBelongsToTheBoard();
    void launch();
    void launchSeedsWithTheTime();
    void firstRunPositions();
    void windowManagerClose();
    void hiddenAndShownAsOne_data();
    void hiddenAndShownAsOne();
    void quitEndsTheEventLoop_data();
    void quitEndsTheEventLoop();

private:
    std::unique_ptr<IsolatedSettings> m_settings;
};

void TestAppWindows::initTest()
{
    m_settings = std::make_unique<IsolatedSettings>();
}

void TestAppWindows::cleanup()
{
    m_settings.reset();
}

void TestAppWindows::boardWindowLayout_data()
{
    QTest::addColumn<int>("pointSize");
    QTest::newRow("the default font") << 0;
    // Taller box titles: the answer box outgrows the 92 units below the board.
    QTest::newRow("a large font") << 30;
}

void TestAppWindows::boardWindowLayout()
{
    QFETCH(int, pointSize);
    const QFont defaultFont = QApplication::font();
    const auto restoreFont = qScopeGuard([&] { QApplication::setFont(defaultFont); });
    if (pointSize > 0) {
        QFont large = defaultFont;
        large.setPointSize(pointSize);
        QApplication::setFont(large);
    }

    RecordingAppController controller;
    controller.makeGameWindow();
    QWidget *window = controller.window;
    QVERIFY(window);
    verifyFixedTitledWindow(window);

    auto *menuBar = window->findChild<QMenuBar *>();
    QVERIFY(menuBar);
    QCOMPARE(menuBar->geometry().topLeft(), QPoint(0, 0));
    QCOMPARE(menuBar->width(), window->width());

    QGroupBox *boardBox = box(window, "Board");
    QGroupBox *answerBox = box(window, "Answer");
    QVERIFY(boardBox && answerBox);

    // The window is just wide enough for the board box, and just high enough
    // for the menu, the bounding box of the title font, the answer box, a gap
    // of 8 and the board box. That bounding box is taller than a line.
    const int titleHeight = fontBoundingBoxHeight(boardBox->font());
    QVERIFY(titleHeight > QFontMetrics(boardBox->font()).height());
    QCOMPARE(window->width(), boardBox->width());
    QCOMPARE(window->height(),
             menuBar->height() + titleHeight + answerBox->height() + 8 + boardBox->height());
    // The board box's lower edge is at 92, unless the answer box would reach
    // into it; then the board box stands 8 above the answer box.
    const int boardY = answerBox->height() > 92 ? answerBox->height() + 8 : 92;
    QCOMPARE(pointSize > 0, boardY > 92);
    QCOMPARE(lowerLeftInWindow(answerBox), QPoint(0, 0));
    QCOMPARE(lowerLeftInWindow(boardBox), QPoint(0, boardY));

    // The rows: pegs touching one another, the score 60 units right of the
    // last peg, the union of them all 8 units inside each box's border.
    const QMargins boardFrame = boardBox->contentsMargins();
    const QPoint rowsOrigin(boardFrame.left() + 8, boardY + boardFrame.bottom() + 8);
    for (int i = 0; i < rules::kRows; ++i) {
        for (int j = 0; j < rules::kPositions; ++j) {
            const DestinationPeg *peg = controller.pegs[i][j];
            QCOMPARE(peg->size(), QSize(48, 48));
            QCOMPARE(lowerLeftInWindow(peg), rowsOrigin + QPoint(48 * j, 48 * i));
        }
        const Result *result = controller.res[i];
        QCOMPARE(result->size(), QSize(48, 48));
        QCOMPARE(lowerLeftInWindow(result), rowsOrigin + QPoint(4 * 48 + 60, 48 * i));
    }
    QCOMPARE(boardBox->width(), boardFrame.left() + 8 + 300 + 8 + boardFrame.right());
    QCOMPARE(boardBox->height(), boardFrame.top() + 8 + 384 + 8 + boardFrame.bottom());

    // The answer row below the board, flush left.
    const QMargins answerFrame = answerBox->contentsMargins();
    const QPoint answerOrigin(answerFrame.left() + 8, answerFrame.bottom() + 8);
    QCOMPARE(answerOrigin.x(), rowsOrigin.x());
    for (int j = 0; j < rules::kPositions; ++j) {
        QCOMPARE(controller.sol[j]->size(), QSize(48, 48));
        QCOMPARE(lowerLeftInWindow(controller.sol[j]), answerOrigin + QPoint(48 * j, 0));
    }
    QCOMPARE(answerBox->width(), answerFrame.left() + 8 + 192 + 8 + answerFrame.right());
    QCOMPARE(answerBox->height(), answerFrame.top() + 8 + 48 + 8 + answerFrame.bottom());

    // Before a game starts, the title names the program alone.
    QCOMPARE(window->windowTitle(), QStringLiteral("Hueriddle"));
}

void TestAppWindows::boardWindowHoldsTheGameViews()
{
    RecordingAppController controller;
    controller.makeGameWindow();
    QWidget *window = controller.window;
    QVERIFY(window && window->isVisible());
    QVERIFY(!controller.palette);

    QSet<const QWidget *> seen;
    for (const auto &row : controller.pegs) {
        for (const auto &peg : row) {
            QVERIFY(peg);
            QVERIFY(window->isAncestorOf(peg));
            seen.insert(peg);
        }
    }
    for (const auto &result : controller.res) {
        QVERIFY(result);
        QVERIFY(window->isAncestorOf(result));
        seen.insert(result);
    }
    for (const auto &answer : controller.sol) {
        QVERIFY(answer);
        QVERIFY(window->isAncestorOf(answer));
        // The answer pegs only show colours: no drag starts from them.
        QVERIFY(!qobject_cast<SourcePeg *>(answer.data()));
        seen.insert(answer);
    }
    QCOMPARE(seen.size(), 8 * 4 + 8 + 4);
    QCOMPARE(window->findChildren<Peg *>().size(), 8 * 4 + 4);
    QCOMPARE(window->findChildren<Result *>().size(), 8);
}

void TestAppWindows::paletteColours_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QPoint>("corner");
    QTest::addColumn<QColor>("color");

    QTest::newRow("blue") << 1 << QPoint(0, 0) << QColor::fromRgbF(0, 0, 1);
    QTest::newRow("green") << 2 << QPoint(48, 48) << QColor::fromRgbF(0, 1, 0);
    QTest::newRow("cyan") << 3 << QPoint(96, 0) << QColor::fromRgbF(0, 1, 1);
    QTest::newRow("red") << 4 << QPoint(0, 48) << QColor::fromRgbF(1, 0, 0);
    QTest::newRow("magenta") << 5 << QPoint(48, 0) << QColor::fromRgbF(1, 0, 1);
    QTest::newRow("yellow") << 6 << QPoint(96, 48) << QColor::fromRgbF(1, 1, 0);
}

void TestAppWindows::paletteColours()
{
    QFETCH(int, code);
    QFETCH(QPoint, corner);
    QFETCH(QColor, color);

    RecordingAppController controller;
    controller.makeColorPalette();
    QVERIFY(controller.palette);

    const SourcePeg *found = nullptr;
    for (const SourcePeg *peg : controller.palette->findChildren<SourcePeg *>())
        if (lowerLeftInWindow(peg) == corner)
            found = peg;
    QVERIFY(found);
    QCOMPARE(found->cvalue(), code);
    float red = -1, green = -1, blue = -1, alpha = -1;
    found->color().getRgbF(&red, &green, &blue, &alpha);
    float expected[4] = {-1, -1, -1, -1};
    color.getRgbF(&expected[0], &expected[1], &expected[2], &expected[3]);
    QCOMPARE(red, expected[0]);
    QCOMPARE(green, expected[1]);
    QCOMPARE(blue, expected[2]);
    QCOMPARE(alpha, 1.0f);
    QCOMPARE(found->color().spec(), QColor::Rgb);
    QVERIFY(!qobject_cast<const DestinationPeg *>(found));
}

void TestAppWindows::paletteWindow()
{
    RecordingAppController controller;
    controller.makeColorPalette();
    QWidget *palette = controller.palette;
    QVERIFY(palette && palette->isVisible());
    verifyFixedTitledWindow(palette);
    QCOMPARE(palette->size(), QSize(144, 96));
    QCOMPARE(palette->windowTitle(), QStringLiteral("Palette"));

    // Exactly the six colours, filling the window; none for codes 0 and 7.
    const QList<SourcePeg *> pegs = palette->findChildren<SourcePeg *>();
    QCOMPARE(pegs.size(), 6);
    QRegion covered;
    QSet<int> codes;
    for (const SourcePeg *peg : pegs) {
        QCOMPARE(peg->size(), QSize(48, 48));
        covered += QRect(peg->mapTo(palette, QPoint(0, 0)), peg->size());
        codes.insert(peg->cvalue());
    }
    QCOMPARE(codes, (QSet<int>{1, 2, 3, 4, 5, 6}));
    QCOMPARE(covered, QRegion(palette->rect()));
    QVERIFY(!controller.window);
}

void TestAppWindows::launch()
{
    RecordingAppController controller;
    controller.applicationDidFinishLaunching();
    QVERIFY(controller.window && controller.palette);
    QVERIFY(controller.window->isVisible());
    QVERIFY(controller.palette->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(controller.palette));
    QCOMPARE(QApplication::activeWindow(), controller.palette.data());

    QCOMPARE(controller.window->windowTitle(), QStringLiteral("Hueriddle (with replacement)"));
    QCOMPARE(controller.unique, false);
    QCOMPARE(controller.done, false);
    QCOMPARE(controller.currentRow, 7);
    for (int i = 0; i < rules::kRows; ++i)
        for (const auto &peg : controller.pegs[i])
            QCOMPARE(peg->isActive(), i == 7);
    for (std::int32_t code : controller.combo)
        QVERIFY(code >= 1 && code <= 6);
    QVERIFY(controller.alerts.empty());
}

void TestAppWindows::launchSeedsWithTheTime()
{
    // Two launches within the same second draw the same secret, the one that
    // srand48() of that second gives.
    for (int attempt = 0; attempt < 5; ++attempt) {
        const std::time_t before = std::time(nullptr);
        RecordingAppController first;
        first.applicationDidFinishLaunching();
        RecordingAppController second;
        second.applicationDidFinishLaunching();
        const std::time_t after = std::time(nullptr);
        if (before != after)
            continue;
        QCOMPARE(first.combo, second.combo);
        srand48(long(before));
        QCOMPARE(first.combo, rules::drawSecret(false));
        return;
    }
    QFAIL("no two launches fitted in one second");
}

void TestAppWindows::paletteBelongsToTheBoard()
{
    RecordingAppController controller;
    controller.applicationDidFinishLaunching();
    QWidget *palette = controller.palette;
    QVERIFY(QTest::qWaitForWindowExposed(palette));

    // The board's utility window: transient for it, with the same title bar
    // and nothing else.
    QCOMPARE(palette->parentWidget(), controller.window.data());
    QCOMPARE(palette->windowType(), Qt::Tool);
    QCOMPARE(palette->windowFlags() & ~Qt::WindowType_Mask, kTitleBarOnly & ~Qt::WindowType_Mask);
    QCOMPARE(palette->windowHandle()->transientParent(), controller.window->windowHandle());
    QCOMPARE(controller.window->windowType(), Qt::Window);

    // Owning the palette leaves the board one window on the display: its menu
    // bar and its contents are drawn into it, not made windows of their own.
    for (const QWidget *window : {controller.window.data(), palette})
        for (const QWidget *child : window->findChildren<QWidget *>())
            if (!child->isWindow())
                QVERIFY2(!child->internalWinId(), child->metaObject()->className());

    // The game's own icon, built into the program, from a title bar's size to
    // a window switcher's: at each size a picture of that size, a red peg on
    // a grey panel (red in the middle, grey in the corner, whatever the byte
    // order of the pixels built in).
    const QIcon icon = controller.window->windowIcon();
    QVERIFY(!icon.isNull());
    for (const int side : {16, 22, 24, 32, 48, 64}) {
        const QString at = QString::number(side);
        QVERIFY2(icon.availableSizes().contains(QSize(side, side)), qPrintable(at));
        const QImage picture = icon.pixmap(QSize(side, side), 1.0).toImage();
        QCOMPARE(picture.size(), QSize(side, side));
        QCOMPARE(picture.pixelColor(side / 2, side / 2), QColor(Qt::red));
        const QColor corner = picture.pixelColor(side / 6, side - side / 6 - 1);
        QVERIFY2(corner.red() == corner.green() && corner.green() == corner.blue() &&
                     corner.alpha() == 255,
                 qPrintable(at + u' ' + corner.name(QColor::HexArgb)));
    }
    QCOMPARE(palette->windowIcon().cacheKey(), icon.cacheKey());
}

void TestAppWindows::firstRunPositions()
{
    RecordingAppController controller;
    controller.applicationDidFinishLaunching();
    QWidget *window = controller.window;
    QWidget *palette = controller.palette;
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(QTest::qWaitForWindowExposed(palette));

    // The board's frame in the lower-left corner of the screen, the
    // palette's beside it, clear of the board's answer row.
    QVERIFY(inFirstRunCorner(window));
    QVERIFY(besideTheBoard(palette, window));
    QVERIFY(!window->frameGeometry().intersects(palette->frameGeometry()));
    QVERIFY(palette->screen()->availableGeometry().contains(palette->frameGeometry()));
}

void TestAppWindows::windowManagerClose()
{
    RecordingAppController controller;
    controller.applicationDidFinishLaunching();
    QVERIFY(QTest::qWaitForWindowExposed(controller.window));
    QVERIFY(QTest::qWaitForWindowExposed(controller.palette));
    QSignalSpy terminating(&controller, &AppController::terminating);

    // The palette stays: a close request from the window system is refused.
    QVERIFY(!controller.palette->windowHandle()->close());
    QVERIFY(controller.palette->isVisible());
    QCOMPARE(terminating.count(), 0);

    // Closing the board window ends the program like "Quit".
    controller.window->windowHandle()->close();
    QCOMPARE(terminating.count(), 1);

    // A window system may destroy a closed window before the event loop
    // ends. Every reference to the board's views is then empty, and the game,
    // the keys and the commands go on without touching a destroyed view.
    delete controller.window.data();
    QVERIFY(!controller.window);
    for (int row = 0; row < 8; ++row) {
        QVERIFY(!controller.res[row]);
        for (int position = 0; position < 4; ++position)
            QVERIFY(!controller.pegs[row][position]);
    }
    for (int position = 0; position < 4; ++position)
        QVERIFY(!controller.sol[position]);
    QVERIFY(!controller.mainMenu());

    controller.newGameNoRep();
    QVERIFY(!controller.placeColor(1));
    QVERIFY(!controller.emptyLastPeg());
    // With no pegs left, no row holds four colours: both are refused.
    controller.commit();
    controller.move();
    QCOMPARE(controller.alerts.size(), std::size_t(2));
    QCOMPARE(controller.alerts.back().message, QStringLiteral("All four colors must be set."));
    QCOMPARE(controller.currentRow, 7);
    controller.hide();
}

void TestAppWindows::hiddenAndShownAsOne_data()
{
    // What the window manager does to one window, as a taskbar, a window
    // list or a title bar button would.
    QTest::addColumn<bool>("onBoard");
    QTest::addColumn<bool>("minimise");
    QTest::newRow("the board restored after Hide") << true << false;
    QTest::newRow("the palette restored after Hide") << false << false;
    QTest::newRow("the board minimised alone") << true << true;
    QTest::newRow("the palette minimised alone") << false << true;
}

void TestAppWindows::hiddenAndShownAsOne()
{
    QFETCH(bool, onBoard);
    QFETCH(bool, minimise);

    RecordingAppController controller;
    controller.applicationDidFinishLaunching();
    QVERIFY(QTest::qWaitForWindowExposed(controller.palette));
    if (!minimise) {
        controller.hide();
        QVERIFY(controller.window->isMinimized());
        QVERIFY(controller.palette->isMinimized());
    }

    QWidget *one = onBoard ? controller.window.data() : controller.palette.data();
    one->setWindowState(minimise ? Qt::WindowMinimized : Qt::WindowNoState);
    QTRY_COMPARE(controller.window->isMinimized(), minimise);
    QTRY_COMPARE(controller.palette->isMinimized(), minimise);
}

void TestAppWindows::quitEndsTheEventLoop_data()
{
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("Quit with Ctrl+Q in the palette") << true;
    QTest::newRow("the window manager closes the board window") << false;
}

void TestAppWindows::quitEndsTheEventLoop()
{
    QFETCH(bool, byMenu);

    RecordingAppController controller;
    controller.applicationDidFinishLaunching();
    QVERIFY(QTest::qWaitForWindowActive(controller.palette));
    moveInside(controller.palette, QPoint(30, 40));
    moveInside(controller.window, QPoint(200, 40));

    QTimer::singleShot(0, &controller, [&] {
        if (byMenu)
            QTest::keyClick(controller.palette.data(), Qt::Key_Q, Qt::ControlModifier);
        else
            controller.window->windowHandle()->close();
    });
    // A loop that does not end fails the test rather than hang it.
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(2); });
    guard.start(20000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!controller.window->isVisible());
    QVERIFY(!controller.palette->isVisible());

    QVERIFY(controller.applicationWillTerminate());
    QSettings written(m_settings->filePath(), QSettings::IniFormat);
    QCOMPARE(WindowFrames::savedPosition(written.value(UserSettings::kBoardFrameKey)),
             std::optional<QPoint>(QPoint(200, 40)));
    QCOMPARE(WindowFrames::savedPosition(written.value(UserSettings::kPaletteFrameKey)),
             std::optional<QPoint>(QPoint(30, 40)));
}

QTEST_MAIN(TestAppWindows)
#include "tst_appwindows.moc"
