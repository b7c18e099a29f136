#include "CountingRepaints.h"
#include "support/ColorVision.h"
#include "support/FailOnWarnings.h"
#include "support/ViewImages.h"
#include "views/ColorMark.h"
#include "views/Peg.h"
#include "views/Result.h"
#include "views/ViewOptions.h"

#include <QTest>
#include <array>
#include <cmath>

namespace
{

// The six colours in the palette's reading order, with the ink of their marks.
struct Playable {
    const char *name;
    QColor color;
    QColor ink;
};

const std::array<Playable, 6> kPlayable = {{
    {"red", QColor::fromRgbF(1, 0, 0, 1), Qt::black},
    {"green", QColor::fromRgbF(0, 1, 0, 1), Qt::black},
    {"yellow", QColor::fromRgbF(1, 1, 0, 1), Qt::black},
    {"blue", QColor::fromRgbF(0, 0, 1, 1), Qt::white},
    {"magenta", QColor::fromRgbF(1, 0, 1, 1), Qt::black},
    {"cyan", QColor::fromRgbF(0, 1, 1, 1), Qt::black},
}};

// The visible colour of a peg's disc: within 15 units of its centre.
constexpr double kDiscRadius = 15.0;
// The least mean difference of L* over the disc that any two marked pegs
// must show: several times a just noticeable difference of lightness.
constexpr double kLeastLightnessDifference = 10.0;
// Without the marks the closest pair differs by less than this, as the README
// says: about one just noticeable difference, hard to tell apart.
constexpr double kClosestWithoutMarks = 4.0;

QImage renderPeg(const QColor &color, qreal devicePixelRatio = 1.0)
{
    Peg peg(QPointF(0, 0), nullptr);
    peg.setColor(color);
    return renderView(peg, devicePixelRatio);
}

// Sets both options for the life of the object, and clears them after.
class OptionsOn
{
public:
    OptionsOn(bool marks, bool outlines)
    {
        ViewOptions::instance().set(ViewOptions::ColorMarks, marks);
        ViewOptions::instance().set(ViewOptions::OutlinedKeyPegs, outlines);
    }
    ~OptionsOn()
    {
        ViewOptions::instance().set(ViewOptions::ColorMarks, false);
        ViewOptions::instance().set(ViewOptions::OutlinedKeyPegs, false);
    }
};

// Which pixels of a peg image within the disc show the pure ink of its mark.
std::vector<bool> inkMask(const QImage &image, const QColor &ink)
{
    const double centre = image.width() / 2.0;
    const double radius = kDiscRadius * image.devicePixelRatio();
    std::vector<bool> mask;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (std::hypot(x + 0.5 - centre, y + 0.5 - centre) < radius)
                mask.push_back(image.pixelColor(x, y) == ink);
    return mask;
}

using CountingPeg = CountingRepaints<Peg>;
using CountingResult = CountingRepaints<Result>;

} // namespace

class tst_ColorMark : public FailOnWarnings
{
    Q_OBJECT

private slots:
    void cleanup();
    void inkContrastsWithItsColor();
    void distinctInGreyAndForColorBlindEyes_data();
    void distinctInGreyAndForColorBlindEyes();
    void shapesAloneDiffer();
    void crispAtAnyScale();
    void onlyThePlayableColorsAreMarked_data();
    void onlyThePlayableColorsAreMarked();
    void outlinedWhiteKeyPegs_data();
    void outlinedWhiteKeyPegs();
    void offLeavesTheStandardLook();
    void viewsRepaintWhenAnOptionChanges();
};

void tst_ColorMark::cleanup()
{
    ViewOptions::instance().set(ViewOptions::ColorMarks, false);
    ViewOptions::instance().set(ViewOptions::OutlinedKeyPegs, false);
}

// Each mark is drawn in black or white, whichever stands out more, and at
// least at the WCAG 4.5:1 that text needs.
void tst_ColorMark::inkContrastsWithItsColor()
{
    const OptionsOn on(true, false);
    for (const Playable &each : kPlayable) {
        QCOMPARE(colorMarkInk(each.color), each.ink);
        const double contrast = colorvision::contrastRatio(each.color, each.ink);
        QVERIFY2(contrast >= 4.5,
                 qPrintable(QStringLiteral("%1: %2:1").arg(each.name).arg(contrast)));
        // Whole pixels of the ink, not only blends.
        const std::vector<bool> mask = inkMask(renderPeg(each.color), each.ink);
        const auto inked = std::count(mask.begin(), mask.end(), true);
        QVERIFY2(inked >= 60,
                 qPrintable(QStringLiteral("%1: %2 pixels").arg(each.name).arg(inked)));
    }
}

void tst_ColorMark::distinctInGreyAndForColorBlindEyes_data()
{
    QTest::addColumn<colorvision::Matrix>("vision");
    QTest::newRow("grey: lightness alone") << colorvision::kNormal;
    QTest::newRow("protanopia, in grey") << colorvision::kProtanopia;
    QTest::newRow("deuteranopia, in grey") << colorvision::kDeuteranopia;
}

// The measure: the mean absolute difference of CIE L* over the disc, with the
// colours first turned into what a protanope or deuteranope sees (Machado et
// al. 2009, severity 1.0). Every pair of the six marked pegs must differ by
// kLeastLightnessDifference; without the marks, some pair differs by less
// than kClosestWithoutMarks.
void tst_ColorMark::distinctInGreyAndForColorBlindEyes()
{
    QFETCH(colorvision::Matrix, vision);
    const QPointF centre(24.0, 24.0);

    for (const bool marks : {false, true}) {
        const OptionsOn on(marks, false);
        std::array<QImage, 6> images;
        for (std::size_t i = 0; i < kPlayable.size(); ++i)
            images[i] = renderPeg(kPlayable[i].color);

        double least = 100.0;
        QString closest;
        for (std::size_t i = 0; i < images.size(); ++i) {
            for (std::size_t j = i + 1; j < images.size(); ++j) {
                const double difference = colorvision::meanLightnessDifference(
                    images[i], images[j], centre, kDiscRadius, vision);
                if (difference < least) {
                    least = difference;
                    closest = QStringLiteral("%1 and %2: %3")
                                  .arg(kPlayable[i].name, kPlayable[j].name)
                                  .arg(difference, 0, 'f', 1);
                }
            }
        }
        qInfo("closest pair %s marks: %s", marks ? "with" : "without", qPrintable(closest));
        if (marks)
            QVERIFY2(least >= kLeastLightnessDifference, qPrintable(closest));
        else
            QVERIFY2(least < kClosestWithoutMarks, qPrintable(closest));
    }
}

// Whatever the colours, any two marks cover different parts of the disc: at
// least 14% of it lies in one mark and not the other.
void tst_ColorMark::shapesAloneDiffer()
{
    const OptionsOn on(true, false);
    std::array<std::vector<bool>, 6> masks;
    for (std::size_t i = 0; i < kPlayable.size(); ++i)
        masks[i] = inkMask(renderPeg(kPlayable[i].color, 4.0), kPlayable[i].ink);
    for (std::size_t i = 0; i < masks.size(); ++i) {
        for (std::size_t j = i + 1; j < masks.size(); ++j) {
            std::size_t differing = 0;
            for (std::size_t p = 0; p < masks[i].size(); ++p)
                differing += masks[i][p] != masks[j][p];
            const double share = double(differing) / double(masks[i].size());
            QVERIFY2(share >= 0.14, qPrintable(QStringLiteral("%1 and %2: %3")
                                                   .arg(kPlayable[i].name, kPlayable[j].name)
                                                   .arg(share)));
        }
    }
}

// Drawn as vectors: at four times the pixel density the mark covers the same
// area in units, and the blended pixels along its edges, a share of the mark
// that a scaled-up bitmap would keep, become a much smaller share of it.
void tst_ColorMark::crispAtAnyScale()
{
    const OptionsOn on(true, false);
    for (const Playable &each : kPlayable) {
        // The channel in which the ink differs most from the colour tells how
        // much of a pixel the ink covers.
        int channel = 0;
        const auto component = [](const QColor &c, int i) {
            return i == 0 ? c.red() : i == 1 ? c.green() : c.blue();
        };
        for (int i = 1; i < 3; ++i)
            if (std::abs(component(each.ink, i) - component(each.color, i)) >
                std::abs(component(each.ink, channel) - component(each.color, channel)))
                channel = i;
        const double span = component(each.ink, channel) - component(each.color, channel);

        std::array<double, 2> area{};
        std::array<double, 2> blendedShare{};
        for (const int scale : {1, 4}) {
            const QImage image = renderPeg(each.color, scale);
            const double centre = image.width() / 2.0;
            double covered = 0.0;
            int pure = 0;
            int blended = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if (std::hypot(x + 0.5 - centre, y + 0.5 - centre) >= 12.0 * scale)
                        continue;
                    const QColor pixel = image.pixelColor(x, y);
                    covered += (component(pixel, channel) - component(each.color, channel)) / span;
                    if (pixel == each.ink)
                        ++pure;
                    else if (pixel != each.color)
                        ++blended;
                }
            }
            const std::size_t at = scale == 1 ? 0 : 1;
            area[at] = covered / (scale * scale);
            blendedShare[at] = double(blended) / double(pure + blended);
        }
        QVERIFY2(area[0] > 50.0 && std::abs(area[1] - area[0]) < 0.05 * area[0],
                 qPrintable(QStringLiteral("%1: %2 then %3 square units")
                                .arg(each.name)
                                .arg(area[0])
                                .arg(area[1])));
        QVERIFY2(blendedShare[1] < blendedShare[0] / 2.0,
                 qPrintable(QStringLiteral("%1: %2 then %3 blended")
                                .arg(each.name)
                                .arg(blendedShare[0])
                                .arg(blendedShare[1])));
    }
}

void tst_ColorMark::onlyThePlayableColorsAreMarked_data()
{
    QTest::addColumn<QColor>("color");
    QTest::newRow("empty peg") << QColor();
    QTest::newRow("orange, code 4") << QColor::fromRgbF(1, 0.5f, 0, 1);
    QTest::newRow("black") << QColor(Qt::black);
    QTest::newRow("white, code 7") << QColor::fromRgbF(1, 1, 1, 1);
    QTest::newRow("translucent red") << QColor::fromRgbF(1, 0, 0, 0.5f);
}

void tst_ColorMark::onlyThePlayableColorsAreMarked()
{
    QFETCH(QColor, color);
    const QImage plain = renderPeg(color);
    const OptionsOn on(true, true);
    QVERIFY(!hasColorMark(color));
    QCOMPARE(renderPeg(color), plain);
}

void tst_ColorMark::outlinedWhiteKeyPegs_data()
{
    QTest::addColumn<QColor>("background");
    QTest::newRow("on the window's own colour") << QColor();
    QTest::newRow("on a 236 grey") << QColor(236, 236, 236);
    QTest::newRow("on white") << QColor(Qt::white);
}

// One white key peg beside three empty places: its outline must stand out
// from the inside of an empty place by the WCAG 3:1 of graphical objects,
// all round, and the peg stays white inside it.
void tst_ColorMark::outlinedWhiteKeyPegs()
{
    QFETCH(QColor, background);
    Result result(QPointF(0, 0), nullptr);
    result.setBlackAndWhite(0, 1);
    const QColor fill =
        background.isValid() ? background : result.palette().color(QPalette::Window);
    const auto render = [&] {
        QImage image(result.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(fill);
        result.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
        return image;
    };
    const QImage plain = render();
    const OptionsOn on(false, true);
    const QImage outlined = render();

    // The empty place at (36, 12) and the white key peg at (12, 12).
    const QColor emptyInside = unitPixel(outlined, 36, 12);
    QCOMPARE(emptyInside, fill);
    QCOMPARE(unitPixel(outlined, 12, 12), QColor(Qt::white));
    const double plainContrast =
        colorvision::contrastRatio(unitPixel(plain, 12 - 6, 12), emptyInside);
    QVERIFY2(plainContrast < 3.0, qPrintable(QString::number(plainContrast)));
    // Left, right, below and above the centre, 6 to 7 units out.
    for (const QPoint at : {QPoint(5, 12), QPoint(18, 12), QPoint(12, 5), QPoint(12, 18)}) {
        const double contrast =
            colorvision::contrastRatio(unitPixel(outlined, at.x(), at.y()), emptyInside);
        QVERIFY2(
            contrast >= 3.0,
            qPrintable(QStringLiteral("at (%1, %2): %3:1").arg(at.x()).arg(at.y()).arg(contrast)));
    }
    // The empty places and the frame are drawn as before.
    for (const QPoint at :
         {QPoint(36, 12), QPoint(30, 12), QPoint(36, 36), QPoint(0, 0), QPoint(47, 47)})
        QCOMPARE(unitPixel(outlined, at.x(), at.y()), unitPixel(plain, at.x(), at.y()));
}

// Each option on and then off again leaves every view exactly as it was.
void tst_ColorMark::offLeavesTheStandardLook()
{
    Result result(QPointF(0, 0), nullptr);
    result.setBlackAndWhite(2, 2);
    std::vector<QImage> before;
    for (const Playable &each : kPlayable)
        before.push_back(renderPeg(each.color));
    before.push_back(renderView(result));
    {
        const OptionsOn on(true, true);
        QVERIFY(renderPeg(kPlayable[0].color) != before[0]);
        QVERIFY(renderView(result) != before.back());
    }
    std::vector<QImage> after;
    for (const Playable &each : kPlayable)
        after.push_back(renderPeg(each.color));
    after.push_back(renderView(result));
    QVERIFY(after == before);
}

void tst_ColorMark::viewsRepaintWhenAnOptionChanges()
{
    CountingPeg peg(QPointF(0, 0), nullptr);
    CountingResult result(QPointF(0, 0), nullptr);
    ViewOptions &options = ViewOptions::instance();
    options.set(ViewOptions::ColorMarks, true);
    QCOMPARE(peg.repaints, 1);
    QCOMPARE(result.repaints, 1);
    options.set(ViewOptions::ColorMarks, true);
    QCOMPARE(peg.repaints, 1);
    options.set(ViewOptions::OutlinedKeyPegs, true);
    QCOMPARE(peg.repaints, 2);
    QCOMPARE(result.repaints, 2);
    options.set(ViewOptions::OutlinedKeyPegs, false);
    options.set(ViewOptions::ColorMarks, false);
    QCOMPARE(peg.repaints, 4);
    QCOMPARE(result.repaints, 4);
}

QTEST_MAIN(tst_ColorMark)
#include "tst_colormark.moc"
