#include "rules/ColorCode.h"
#include "support/FailOnWarnings.h"

#include <QtTest>
#include <cmath>
#include <set>
#include <utility>

class TestColorCode : public FailOnWarnings
{
    Q_OBJECT
private slots:
    void codeOfComponents_data();
    void codeOfComponents();
    void componentsOfEveryCodeConvertBack();
    void onlyTheLowThreeBitsChooseTheColour();
    void playableColours_data();
    void playableColours();
    void colourTable();
    void paletteOrder_data();
    void paletteOrder();
};

void TestColorCode::codeOfComponents_data()
{
    QTest::addColumn<float>("red");
    QTest::addColumn<float>("green");
    QTest::addColumn<float>("blue");
    QTest::addColumn<int>("code");
    QTest::newRow("blue") << 0.0f << 0.0f << 1.0f << 1;
    QTest::newRow("green") << 0.0f << 1.0f << 0.0f << 2;
    QTest::newRow("cyan") << 0.0f << 1.0f << 1.0f << 3;
    QTest::newRow("red") << 1.0f << 0.0f << 0.0f << 4;
    QTest::newRow("magenta") << 1.0f << 0.0f << 1.0f << 5;
    QTest::newRow("yellow") << 1.0f << 1.0f << 0.0f << 6;
    QTest::newRow("white") << 1.0f << 1.0f << 1.0f << 7;
    QTest::newRow("black") << 0.0f << 0.0f << 0.0f << 0;
    QTest::newRow("orange counts only its red") << 1.0f << 0.5f << 0.0f << 4;
    QTest::newRow("red just below 1 is not counted")
        << std::nextafter(1.0f, 0.0f) << 1.0f << 1.0f << 3;
}

void TestColorCode::codeOfComponents()
{
    QFETCH(float, red);
    QFETCH(float, green);
    QFETCH(float, blue);
    QFETCH(int, code);
    QCOMPARE(rules::codeOfComponents(red, green, blue), code);
}

void TestColorCode::componentsOfEveryCodeConvertBack()
{
    for (int code = 0; code <= 7; ++code) {
        const rules::ColorComponents c = rules::componentsOfCode(code);
        QCOMPARE(rules::codeOfComponents(c.red, c.green, c.blue), code);
    }
}

void TestColorCode::onlyTheLowThreeBitsChooseTheColour()
{
    const rules::ColorComponents twelve = rules::componentsOfCode(12);
    QCOMPARE(twelve.red, 1.0f);
    QCOMPARE(twelve.green, 0.0f);
    QCOMPARE(twelve.blue, 0.0f);
    const rules::ColorComponents negative = rules::componentsOfCode(-1);
    QCOMPARE(rules::codeOfComponents(negative.red, negative.green, negative.blue), 7);
}

void TestColorCode::playableColours_data()
{
    QTest::addColumn<float>("red");
    QTest::addColumn<float>("green");
    QTest::addColumn<float>("blue");
    QTest::addColumn<float>("alpha");
    QTest::addColumn<bool>("playable");
    QTest::newRow("red") << 1.0f << 0.0f << 0.0f << 1.0f << true;
    QTest::newRow("green") << 0.0f << 1.0f << 0.0f << 1.0f << true;
    QTest::newRow("blue") << 0.0f << 0.0f << 1.0f << 1.0f << true;
    QTest::newRow("yellow") << 1.0f << 1.0f << 0.0f << 1.0f << true;
    QTest::newRow("magenta") << 1.0f << 0.0f << 1.0f << 1.0f << true;
    QTest::newRow("cyan") << 0.0f << 1.0f << 1.0f << 1.0f << true;
    QTest::newRow("black") << 0.0f << 0.0f << 0.0f << 1.0f << false;
    QTest::newRow("white") << 1.0f << 1.0f << 1.0f << 1.0f << false;
    QTest::newRow("gray 0.5") << 0.5f << 0.5f << 0.5f << 1.0f << false;
    QTest::newRow("red at half strength") << 0.5f << 0.0f << 0.0f << 1.0f << false;
    QTest::newRow("red at alpha 0.5") << 1.0f << 0.0f << 0.0f << 0.5f << false;
    QTest::newRow("red just below 1")
        << std::nextafter(1.0f, 0.0f) << 0.0f << 0.0f << 1.0f << false;
    QTest::newRow("out of range") << 2.0f << 0.0f << 0.0f << 1.0f << false;
    QTest::newRow("negative") << -1.0f << 1.0f << 1.0f << 1.0f << false;
    QTest::newRow("not a number") << std::nanf("") << 1.0f << 0.0f << 1.0f << false;
}

void TestColorCode::playableColours()
{
    QFETCH(float, red);
    QFETCH(float, green);
    QFETCH(float, blue);
    QFETCH(float, alpha);
    QFETCH(bool, playable);
    QCOMPARE(rules::isPlayableColor(red, green, blue, alpha), playable);
}

void TestColorCode::colourTable()
{
    // Every code from the first to the last, in order, each a playable colour
    // named as its primaries make it, each on a place of its own in the three
    // columns and two rows of the palette.
    const char *names[] = {"blue", "green", "cyan", "red", "magenta", "yellow"};
    QCOMPARE(rules::kPlayableColors.size(), std::size_t(rules::kLastCode - rules::kFirstCode + 1));
    std::set<std::pair<int, int>> places;
    for (std::size_t i = 0; i < rules::kPlayableColors.size(); ++i) {
        const rules::PlayableColor &color = rules::kPlayableColors[i];
        QCOMPARE(color.code, rules::kFirstCode + std::int32_t(i));
        QCOMPARE(&rules::playableColor(color.code), &color);
        const rules::ColorComponents c = rules::componentsOfCode(color.code);
        QVERIFY(rules::isPlayableColor(c.red, c.green, c.blue, 1.0f));
        QCOMPARE(color.name, names[i]);
        QVERIFY(color.paletteColumn >= 0 && color.paletteColumn < 3);
        QVERIFY(color.paletteRow >= 0 && color.paletteRow < 2);
        QVERIFY2(places.insert({color.paletteColumn, color.paletteRow}).second, color.name);
    }
}

void TestColorCode::paletteOrder_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("order");
    QTest::newRow("red, upper left") << 4 << 1;
    QTest::newRow("green, upper middle") << 2 << 2;
    QTest::newRow("yellow, upper right") << 6 << 3;
    QTest::newRow("blue, lower left") << 1 << 4;
    QTest::newRow("magenta, lower middle") << 5 << 5;
    QTest::newRow("cyan, lower right") << 3 << 6;
}

// The palette read like text, upper row first: the order of the keys.
void TestColorCode::paletteOrder()
{
    QFETCH(int, code);
    QFETCH(int, order);
    QCOMPARE(rules::paletteOrder(rules::playableColor(code)), order);
}

QTEST_GUILESS_MAIN(TestColorCode)
#include "tst_colorcode.moc"
