#include "desktop/windows/FramePlacement.h"
#include "support/FailOnWarnings.h"

#include <QTest>

Q_DECLARE_METATYPE(QList<QRect>)

namespace
{

// Two screens side by side, the primary one on the left with a panel at its
// bottom, the second one larger.
const QRect kPrimary(0, 0, 1280, 1000);
const QRect kSecond(1280, 0, 1920, 1080);
const QList<QRect> kTwoScreens{kPrimary, kSecond};
const QSize kFrame(300, 500);

} // namespace

class TestFramePlacement : public FailOnWarnings
{
    Q_OBJECT

private slots:
    void onScreen_data();
    void onScreen();
    void firstRun_data();
    void firstRun();
    void beside_data();
    void beside();
};

void TestFramePlacement::onScreen_data()
{
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QPoint>("topLeft");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QPoint>("expected");

    QTest::newRow("wholly on the primary screen")
        << kTwoScreens << QPoint(100, 100) << kFrame << QPoint(100, 100);
    QTest::newRow("wholly on the second screen")
        << kTwoScreens << QPoint(1500, 200) << kFrame << QPoint(1500, 200);
    QTest::newRow("touching the far edges of the second screen")
        << kTwoScreens << QPoint(2900, 580) << kFrame << QPoint(2900, 580);
    QTest::newRow("across both screens, more on the second")
        << kTwoScreens << QPoint(1180, 100) << kFrame << QPoint(1280, 100);
    QTest::newRow("across both screens, more on the primary")
        << kTwoScreens << QPoint(1100, 100) << kFrame << QPoint(980, 100);
    QTest::newRow("half below the primary screen")
        << kTwoScreens << QPoint(100, 750) << kFrame << QPoint(100, 500);
    QTest::newRow("half beyond the second screen's right edge")
        << kTwoScreens << QPoint(3050, 100) << kFrame << QPoint(2900, 100);
    QTest::newRow("half above the second screen")
        << kTwoScreens << QPoint(2000, -250) << kFrame << QPoint(2000, 0);
    QTest::newRow("off every screen to the right, onto the primary")
        << kTwoScreens << QPoint(5000, 100) << kFrame << QPoint(980, 100);
    QTest::newRow("off every screen above and left, onto the primary")
        << kTwoScreens << QPoint(-3000, -2000) << kFrame << QPoint(0, 0);
    QTest::newRow("off every screen below the second, onto the primary")
        << kTwoScreens << QPoint(2000, 3000) << kFrame << QPoint(980, 500);
    QTest::newRow("off every screen, the primary on the right")
        << QList<QRect>{QRect(1920, 0, 1280, 1000), QRect(0, 0, 1920, 1080)} << QPoint(-3000, 40)
        << kFrame << QPoint(1920, 40);
    QTest::newRow("far coordinates")
        << kTwoScreens << QPoint(1 << 28, 1 << 28) << kFrame << QPoint(980, 500);
    QTest::newRow("larger than the primary screen, top-left corner kept on it")
        << kTwoScreens << QPoint(-50, 200) << QSize(1400, 1200) << QPoint(0, 0);
    QTest::newRow("larger than the second screen, top-left corner kept on it")
        << kTwoScreens << QPoint(1400, 50) << QSize(2000, 1200) << QPoint(1280, 0);
    QTest::newRow("no screen at all, kept where it is")
        << QList<QRect>{} << QPoint(-3000, 40) << kFrame << QPoint(-3000, 40);
}

void TestFramePlacement::onScreen()
{
    QFETCH(QList<QRect>, screens);
    QFETCH(QPoint, topLeft);
    QFETCH(QSize, frame);
    QFETCH(QPoint, expected);

    QCOMPARE(FramePlacement::onScreen(topLeft, frame, screens), expected);
}

void TestFramePlacement::firstRun_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QPoint>("expected");

    QTest::newRow("at the origin") << kPrimary << kFrame << QPoint(0, 500);
    QTest::newRow("right of another screen, below a top panel")
        << QRect(1280, 24, 1920, 1056) << kFrame << QPoint(1280, 580);
    QTest::newRow("exactly as tall as the area") << kPrimary << QSize(300, 1000) << QPoint(0, 0);
    QTest::newRow("taller than the area, title bar at its top")
        << kPrimary << QSize(646, 1123) << QPoint(0, 0);
    QTest::newRow("taller than the area below a top panel, title bar at its top")
        << QRect(1280, 24, 1920, 1056) << QSize(300, 1200) << QPoint(1280, 24);
}

void TestFramePlacement::firstRun()
{
    QFETCH(QRect, available);
    QFETCH(QSize, frame);
    QFETCH(QPoint, expected);

    QCOMPARE(FramePlacement::firstRun(available, frame), expected);
}

void TestFramePlacement::beside_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QPoint>("expected");

    // A board's frame in the lower-left corner, a palette's frame of 146 x 119.
    const QSize palette(146, 119);
    QTest::newRow("right of the owner, bottoms aligned")
        << kPrimary << QRect(0, 425, 324, 575) << palette << QPoint(324, 881);
    QTest::newRow("exactly up to the area's right edge")
        << kPrimary << QRect(988, 425, 146, 575) << palette << QPoint(1134, 881);
    QTest::newRow("no room on the right: at the owner's left")
        << kPrimary << QRect(1000, 425, 200, 575) << palette << QPoint(854, 881);
    QTest::newRow("no room on either side: over the owner's corner")
        << QRect(0, 0, 400, 1024) << QRect(100, 449, 200, 575) << palette << QPoint(100, 905);
    QTest::newRow("over the corner, kept within the area on the right")
        << QRect(0, 0, 250, 1024) << QRect(120, 449, 300, 575) << palette << QPoint(104, 905);
    QTest::newRow("owner reaching below the area: bottom at the area's bottom")
        << QRect(0, 0, 1366, 768) << QRect(0, 0, 648, 1150) << palette << QPoint(648, 649);
    QTest::newRow("on a second screen below a top panel")
        << QRect(1280, 24, 1920, 1056) << QRect(1280, 505, 324, 575) << palette
        << QPoint(1604, 961);
    QTest::newRow("owner high up: bottoms still aligned")
        << kPrimary << QRect(0, 0, 324, 575) << palette << QPoint(324, 456);
    QTest::newRow("taller than the area: top edge at the area's top")
        << QRect(0, 24, 1280, 100) << QRect(0, 24, 324, 575) << palette << QPoint(324, 24);
}

void TestFramePlacement::beside()
{
    QFETCH(QRect, available);
    QFETCH(QRect, owner);
    QFETCH(QSize, frame);
    QFETCH(QPoint, expected);

    QCOMPARE(FramePlacement::beside(available, owner, frame), expected);
}

QTEST_APPLESS_MAIN(TestFramePlacement)
#include "tst_frameplacement.moc"
