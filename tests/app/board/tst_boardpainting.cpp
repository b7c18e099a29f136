#include "dnd/DestinationPeg.h"
#include "support/AppFixture.h"
#include "support/CachedRendering.h"
#include "support/FailOnWarnings.h"
#include "support/ViewImages.h"
#include "views/ColorCodes.h"

#include <QTest>

namespace
{

// The stages of a game whose windows are compared.
enum Stage : int {
    NewGame,
    // Three rows played and scored, the active row half filled.
    MidGame,
    // Played to the end by Move: the rows scored, the answer row shown.
    Over,
};

QImage renderWindow(QWidget *window, qreal devicePixelRatio)
{
    QImage image(window->size() * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(kUntouched);
    window->render(&image);
    return image;
}

} // namespace

// The real windows, painted with and without BevelCache, at every stage of a
// game: every peg and score the board can show, over the boxes' backgrounds.
class TestBoardPainting : public FailOnWarnings
{
    Q_OBJECT

private slots:
    void windowsAsWithoutCache_data();
    void windowsAsWithoutCache();
};

void TestBoardPainting::windowsAsWithoutCache_data()
{
    QTest::addColumn<int>("stage");
    QTest::addColumn<qreal>("devicePixelRatio");
    for (qreal ratio : {1.0, 2.0}) {
        QTest::addRow("new game, device pixel ratio %g", ratio) << int(NewGame) << ratio;
        QTest::addRow("middle of a game, device pixel ratio %g", ratio) << int(MidGame) << ratio;
        QTest::addRow("game over, device pixel ratio %g", ratio) << int(Over) << ratio;
    }
}

void TestBoardPainting::windowsAsWithoutCache()
{
    QFETCH(int, stage);
    QFETCH(qreal, devicePixelRatio);
    IsolatedSettings settings;
    RecordingAppController controller;
    controller.applicationDidFinishLaunching();
    controller.combo = {1, 2, 3, 4};
    if (stage == MidGame) {
        const rules::Combination guesses[] = {{4, 3, 2, 1}, {1, 1, 5, 5}, {6, 2, 3, 1}};
        for (const rules::Combination &guess : guesses) {
            for (int position = 0; position < rules::kPositions; ++position)
                controller.pegs[controller.currentRow][position]->setCValue(guess[position]);
            controller.commit();
        }
        controller.pegs[controller.currentRow][1]->setColor(ColorCodes::colorOfCode(5));
        controller.pegs[controller.currentRow][2]->setColor(ColorCodes::colorOfCode(6));
    } else if (stage == Over) {
        while (!controller.done)
            controller.move();
        QVERIFY(controller.sol[0]->color().isValid());
    }
    for (QWidget *window : {controller.window.data(), controller.palette.data()})
        compareDirectAndCached([&] { return renderWindow(window, devicePixelRatio); });
}

QTEST_MAIN(TestBoardPainting)
#include "tst_boardpainting.moc"
