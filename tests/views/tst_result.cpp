#include "CountingRepaints.h"
#include "support/FailOnWarnings.h"
#include "support/ViewImages.h"
#include "views/Result.h"

#include <QTest>

namespace
{

using CountingResult = CountingRepaints<Result>;

} // namespace

class tst_Result : public FailOnWarnings
{
    Q_OBJECT

private slots:
    void accessors();
    void repaintRequests();
    void keyPegLayout_data();
    void keyPegLayout();
    void placedInParentsYUpCoordinates();
};

void tst_Result::accessors()
{
    Result result(QPointF(0, 0), nullptr);
    std::int32_t black = -1;
    std::int32_t white = -1;
    result.getBlackAndWhite(black, white);
    QCOMPARE(black, 0);
    QCOMPARE(white, 0);
    result.setBlackAndWhite(2, 1);
    result.getBlackAndWhite(black, white);
    QCOMPARE(black, 2);
    QCOMPARE(white, 1);
    QCOMPARE(result.black(), 2);
    QCOMPARE(result.white(), 1);
}

void tst_Result::repaintRequests()
{
    CountingResult result(QPointF(0, 0), nullptr);
    QCOMPARE(result.repaints, 0);
    result.setBlackAndWhite(1, 2);
    QCOMPARE(result.repaints, 1);
    result.setBlackAndWhite(1, 2);
    QCOMPARE(result.repaints, 2);
}

void tst_Result::keyPegLayout_data()
{
    QTest::addColumn<int>("black");
    QTest::addColumn<int>("white");
    // Places lower left, lower right, upper left, upper right: W white key
    // peg, B black key peg, - empty place.
    QTest::addColumn<QString>("places");
    QTest::newRow("0/0 four empty places") << 0 << 0 << "----";
    QTest::newRow("4/0 four black") << 4 << 0 << "BBBB";
    QTest::newRow("0/4 four white") << 0 << 4 << "WWWW";
    QTest::newRow("2/1 white first, lower row first") << 2 << 1 << "WBB-";
    QTest::newRow("1/3") << 1 << 3 << "WWWB";
    QTest::newRow("3/3 never scored: only four places drawn") << 3 << 3 << "WWWB";
    QTest::newRow("0/2") << 0 << 2 << "WW--";
}

void tst_Result::keyPegLayout()
{
    QFETCH(int, black);
    QFETCH(int, white);
    QFETCH(QString, places);
    Result result(QPointF(0, 0), nullptr);
    result.setBlackAndWhite(black, white);
    const QImage image = renderView(result);

    const QPoint centres[] = {{12, 12}, {36, 12}, {12, 36}, {36, 36}};
    for (int place = 0; place < 4; ++place) {
        const QPoint c = centres[place];
        const QColor inside = unitPixel(image, c.x(), c.y());
        const QColor upperLeftRing = unitPixel(image, c.x() - 7, c.y() + 6); // 131-138 degrees
        const QColor lowerRightRing = unitPixel(image, c.x() + 6, c.y() - 7);
        const QChar kind = places.at(place);
        const QByteArray label = QByteArray("place ") + QByteArray::number(place);
        const char *const name = label.constData();
        if (kind == u'-') {
            QVERIFY2(inside == kUntouched, name);
            QVERIFY2(upperLeftRing.red() < 60 && lowerRightRing.red() > 180, name);
        } else {
            QVERIFY2(inside == (kind == u'W' ? QColor(Qt::white) : QColor(Qt::black)), name);
            QVERIFY2(upperLeftRing.red() > 180 && lowerRightRing.red() < 60, name);
        }
    }
    QCOMPARE(unitPixel(image, 0, 0), QColor(Qt::white));
    QCOMPARE(unitPixel(image, 47, 0), QColor(Qt::black));
}

void tst_Result::placedInParentsYUpCoordinates()
{
    QWidget parent;
    parent.resize(300, 400);
    Result result(QPointF(100, 300), &parent);
    QCOMPARE(result.geometry(), QRect(100, 52, 48, 48));
}

QTEST_MAIN(tst_Result)
#include "tst_result.moc"
