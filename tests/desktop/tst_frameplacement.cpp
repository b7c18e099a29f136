#include "FailOnWarnings.h"
#include "desktop/FramePlacement.h"

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

QTEST_APPLESS_MAIN(TestFramePlacement)
#include "tst_frameplacement.moc"
