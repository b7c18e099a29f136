// What a screen reader hears as the game goes on. The test runs on a session
// bus of its own whose accessibility bus is on, as on a desktop where a screen
// reader runs (with-screen-reader-bus.sh), so Qt's AT-SPI bridge is active;
// an update handler then receives every event the bridge would send.

#include "dnd/DestinationPeg.h"
#include "rules/Combination.h"
#include "support/AppFixture.h"
#include "support/FailOnWarnings.h"
#include "views/Peg.h"
#include "views/Result.h"
#include "views/ViewOptions.h"

#include <QAccessible>
#include <QGroupBox>
#include <QScopeGuard>
#include <QTest>

namespace
{

// Each event sent, with the name and description of the object it is about
// as they read when it was sent.
struct Heard {
    QObject *object = nullptr;
    QString name;
    QString description;
};

QList<Heard> &heard()
{
    static QList<Heard> events;
    return events;
}

void hear(QAccessibleEvent *event)
{
    QAccessibleInterface *face = event->accessibleInterface();
    heard().append({event->object(), face ? face->text(QAccessible::Name) : QString(),
                    face ? face->text(QAccessible::Description) : QString()});
}

// Every text sent for `object`, names and descriptions alike.
QStringList heardFor(const QObject *object)
{
    QStringList texts;
    for (const Heard &event : heard()) {
        if (event.object == object)
            texts << event.name << event.description;
    }
    return texts;
}

// Fails unless an event for `object` said `text`.
void expectHeard(const QObject *object, const QString &text)
{
    const QStringList texts = heardFor(object);
    QVERIFY2(texts.contains(text),
             qPrintable(QStringLiteral("expected an event saying \"%1\"; heard %2")
                            .arg(text, texts.isEmpty()
                                           ? QStringLiteral("nothing")
                                           : u'"' + texts.join(QStringLiteral("\", \"")) + u'"')));
}

// Plays and commits the first row, whose score a reader hears; only the
// events of the commit are kept.
void scoreFirstRow(RecordingAppController &controller)
{
    for (std::int32_t code : {3, 4, 6, 6})
        QVERIFY(controller.placeColor(code));
    heard().clear();
    controller.commit();
    QVERIFY(controller.alerts.empty());
    // Guess cyan red yellow yellow (the secret is red green green blue): red
    // is in the secret, elsewhere.
    expectHeard(controller.res[7], QStringLiteral("Row 1: 0 black, 1 white"));
}

QString colorName(std::int32_t code)
{
    static const char *const names[] = {"blue", "green", "cyan", "red", "magenta", "yellow"};
    return QString::fromLatin1(names[code - 1]);
}

} // namespace

class TestScreenReaderEvents : public FailOnWarnings
{
    Q_OBJECT

    void initTest() override;

private slots:
    void initTestCase();
    void cleanup();
    void eachChangeIsHeard_data();
    void eachChangeIsHeard();
    void theBoardBoxSpeaksOnlyOfChanges_data();
    void theBoardBoxSpeaksOnlyOfChanges();

private:
    std::unique_ptr<IsolatedSettings> m_settings;
    std::unique_ptr<RecordingAppController> m_controller;
};

void TestScreenReaderEvents::initTestCase()
{
    QTRY_VERIFY2(QAccessible::isActive(),
                 "Qt's accessibility is off: run the test through with-screen-reader-bus.sh");
}

void TestScreenReaderEvents::initTest()
{
    m_settings = std::make_unique<IsolatedSettings>();
    m_controller = std::make_unique<RecordingAppController>();
    m_controller->applicationDidFinishLaunching();
    QVERIFY(QTest::qWaitForWindowExposed(m_controller->window));
    m_controller->combo = {4, 2, 2, 1}; // red green green blue
    QAccessible::installUpdateHandler(hear);
}

void TestScreenReaderEvents::cleanup()
{
    QAccessible::installUpdateHandler(nullptr);
    heard().clear();
    m_controller.reset();
    m_settings.reset();
}

void TestScreenReaderEvents::eachChangeIsHeard_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("placing a colour") << "place";
    QTest::newRow("clearing a colour") << "clear";
    QTest::newRow("scoring a row") << "score";
    QTest::newRow("revealing the secret") << "reveal";
    QTest::newRow("changing the window title") << "title";
}

// Every change the player makes or meets sends an event for the view that
// changed, and the view's texts then say the new state: without the event
// the reader stays silent; with a stale text it says the old state.
void TestScreenReaderEvents::eachChangeIsHeard()
{
    QFETCH(QString, change);
    RecordingAppController &controller = *m_controller;

    if (change == QLatin1String("place")) {
        heard().clear();
        QVERIFY(controller.placeColor(4));
        expectHeard(controller.pegs[7][0], QStringLiteral("Row 1, position 1: red"));
    } else if (change == QLatin1String("clear")) {
        QVERIFY(controller.placeColor(4));
        QVERIFY(controller.placeColor(3));
        heard().clear();
        QVERIFY(controller.emptyLastPeg());
        expectHeard(controller.pegs[7][1], QStringLiteral("Row 1, position 2: empty"));
    } else if (change == QLatin1String("score")) {
        scoreFirstRow(controller);
    } else if (change == QLatin1String("reveal")) {
        heard().clear();
        while (!controller.done)
            controller.move();
        for (int j = 0; j < rules::kPositions && !QTest::currentTestFailed(); ++j)
            expectHeard(controller.sol[j], QStringLiteral("Answer, position %1: %2")
                                               .arg(j + 1)
                                               .arg(colorName(controller.combo[j])));
    } else if (change == QLatin1String("title")) {
        heard().clear();
        controller.newGameNoRep();
        expectHeard(controller.window, QStringLiteral("Hueriddle (without replacement)"));
        if (QTest::currentTestFailed())
            return;
        heard().clear();
        controller.newGameWithRep();
        expectHeard(controller.window, QStringLiteral("Hueriddle (with replacement)"));
    } else {
        QFAIL("unknown change");
    }
}

void TestScreenReaderEvents::theBoardBoxSpeaksOnlyOfChanges_data()
{
    QTest::addColumn<bool>("countShown");
    QTest::newRow("count of possible secrets off") << false;
    QTest::newRow("count of possible secrets on") << true;
}

// The board box's title is set again after every row. A reader hears it when
// the count in it changed, and not at all when it reads as before: a repeated
// "Board" after each row would bury the row's own score.
void TestScreenReaderEvents::theBoardBoxSpeaksOnlyOfChanges()
{
    QFETCH(bool, countShown);
    RecordingAppController &controller = *m_controller;
    ViewOptions &options = ViewOptions::instance();
    const bool wasShown = options.isOn(ViewOptions::PossibleSecrets);
    const auto restore = qScopeGuard([&] { options.set(ViewOptions::PossibleSecrets, wasShown); });
    options.set(ViewOptions::PossibleSecrets, countShown);

    QGroupBox *boardBox = nullptr;
    for (QGroupBox *box : controller.window->findChildren<QGroupBox *>())
        if (box->title().startsWith(QLatin1String("Board")))
            boardBox = box;
    QVERIFY(boardBox);

    scoreFirstRow(controller);
    if (QTest::currentTestFailed())
        return;
    if (countShown) {
        QVERIFY2(boardBox->title() != QLatin1String("Board: 1296 secrets still possible"),
                 "the count did not change after a scored row");
        expectHeard(boardBox, boardBox->title());
    } else {
        const QStringList texts = heardFor(boardBox);
        QVERIFY2(texts.isEmpty(), qPrintable(u'"' + texts.join(QStringLiteral("\", \"")) + u'"'));
    }
}

QTEST_MAIN(TestScreenReaderEvents)
#include "tst_screenreaderevents.moc"
