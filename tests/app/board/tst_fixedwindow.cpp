#include "app/board/FixedWindow.h"
#include "support/FailOnWarnings.h"

#include <QBackingStore>
#include <QPainter>
#include <QScreen>
#include <QTest>

namespace
{

// A fixed window that paints shapes an error of scale or of offset would
// show, and counts its paints.
class PaintedWindow : public FixedWindow
{
public:
    PaintedWindow() { setFixedSize(161, 97); }
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *) override
    {
        ++paints;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(rect(), QColor(0x20, 0x40, 0x60));
        painter.setPen(QPen(Qt::yellow, 1.5));
        painter.setBrush(QColor(0xc0, 0x30, 0x30));
        painter.drawEllipse(QRectF(10.5, 8.25, 61, 47));
        painter.fillRect(QRect(width() - 30, height() - 20, 29, 19), Qt::green);
    }
};

QImage comparable(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

// A fixed window's backing store, made when it is shown rather than by its
// first paint, on a real X server: at scale 1 and, run again, at scale 2.
class TestFixedWindow : public FailOnWarnings
{
    Q_OBJECT

private slots:
    void storeMadeWhenShown();
    void firstFrameAsPainted();
};

void TestFixedWindow::storeMadeWhenShown()
{
    PaintedWindow window;
    window.show();
    QCOMPARE(window.paints, 0);
    QVERIFY(window.backingStore());
    QCOMPARE(window.backingStore()->size(), window.size());

    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(window.paints > 0);
    QCOMPARE(window.backingStore()->size(), window.size());
}

void TestFixedWindow::firstFrameAsPainted()
{
    PaintedWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(window.paints > 0);
    QTest::qWait(50);

    const QImage onScreen = comparable(window.screen()->grabWindow(window.winId()));
    const QImage rendered = comparable(window.grab());
    QCOMPARE(onScreen.size(), window.size() * window.devicePixelRatio());
    QCOMPARE(onScreen, rendered);
}

QTEST_MAIN(TestFixedWindow)
#include "tst_fixedwindow.moc"
