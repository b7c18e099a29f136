#include "app/preferences/Preferences.h"
#include "desktop/files/UserSettings.h"
#include "support/AppFixture.h"
#include "support/FailOnWarnings.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTest>
#include <optional>

namespace
{

constexpr Qt::WindowFlags kTitleBarOnly =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

// The position saved on disk under `key`. The file is
// read through a copy, so that no settings object of this process can answer
// from what it holds in memory.
std::optional<QPoint> positionOnDisk(const IsolatedSettings &settings, const QString &key)
{
    QTemporaryDir copyDir;
    const QString copy = copyDir.filePath("copy.conf");
    if (!QFile::copy(settings.filePath(), copy))
        return std::nullopt;
    QSettings onDisk(copy, QSettings::IniFormat);
    return WindowFrames::savedPosition(onDisk.value(key));
}

} // namespace

class TestWindowFrames : public FailOnWarnings
{
    Q_OBJECT

    void initTest() override;

private slots:
    void cleanup();
    void restoredAtTheNextStart_data();
    void restoredAtTheNextStart();
    void savedOnEveryMove();
    void ignoredValues_data();
    void ignoredValues();
    void garbledFile_data();
    void garbledFile();
    void offScreenFrames_data();
    void offScreenFrames();
    void unwritableSettings_data();
    void unwritableSettings();

private:
    std::unique_ptr<IsolatedSettings> m_settings;
};

void TestWindowFrames::initTest()
{
    m_settings = std::make_unique<IsolatedSettings>();
}

void TestWindowFrames::cleanup()
{
    m_settings.reset();
}

void TestWindowFrames::restoredAtTheNextStart_data()
{
    // Where the windows' frames are put, unless the first run's places are
    // kept: against the left and bottom edges of the available area.
    QTest::addColumn<bool>("firstRun");
    QTest::addColumn<QPoint>("boardFrameAt");
    QTest::addColumn<QPoint>("paletteFrameAt");

    QTest::newRow("inside the screen") << false << QPoint(210, 20) << QPoint(500, 300);
    QTest::newRow("touching the top and left edges") << false << QPoint(0, 0) << QPoint(400, 0);
    QTest::newRow("where a first run puts them") << true << QPoint() << QPoint();
}

void TestWindowFrames::restoredAtTheNextStart()
{
    QFETCH(bool, firstRun);
    QFETCH(QPoint, boardFrameAt);
    QFETCH(QPoint, paletteFrameAt);

    QPoint boardAt;
    QPoint paletteAt;
    // With "Resume an unfinished game" off every start is a new game with
    // replacement; resuming is tested in tst_keptgame.
    Preferences::set(PreferenceTable::Id::ResumeGame, false);
    {
        RecordingAppController first;
        first.applicationDidFinishLaunching();
        if (firstRun) {
            QVERIFY(inFirstRunCorner(first.window));
            QVERIFY(besideTheBoard(first.palette, first.window));
        } else {
            first.window->move(boardFrameAt);
            first.palette->move(paletteFrameAt);
        }
        boardAt = first.window->geometry().topLeft();
        paletteAt = first.palette->geometry().topLeft();
        // The first run ends in the other variant, which the next must not
        // take over.
        first.newGameNoRep();
        QCOMPARE(first.window->windowTitle(), QStringLiteral("Hueriddle (without replacement)"));
        QVERIFY(first.applicationWillTerminate());
    }
    QCOMPARE(positionOnDisk(*m_settings, UserSettings::kBoardFrameKey),
             std::optional<QPoint>(boardAt));

    RecordingAppController second;
    second.applicationDidFinishLaunching();
    QCOMPARE(second.window->geometry().topLeft(), boardAt);
    QCOMPARE(second.palette->geometry().topLeft(), paletteAt);
    // Resuming off, the variant is not remembered: every run starts with
    // replacement.
    QCOMPARE(second.window->windowTitle(), QStringLiteral("Hueriddle (with replacement)"));
}

void TestWindowFrames::savedOnEveryMove()
{
    RecordingAppController controller;
    controller.applicationDidFinishLaunching();
    QVERIFY(QTest::qWaitForWindowExposed(controller.palette));

    for (const QPoint &position : {QPoint(300, 100), QPoint(10, 450), QPoint(640, 30)}) {
        moveInside(controller.palette, position);
        // Written out by the event loop, with no help from the program's end.
        QTRY_COMPARE(positionOnDisk(*m_settings, UserSettings::kPaletteFrameKey),
                     std::optional<QPoint>(position));
    }
}

void TestWindowFrames::ignoredValues_data()
{
    QTest::addColumn<QVariant>("value");

    const QByteArray valid =
        geometryData(QRect(100, 50, 322, 551), Qt::WindowNoState, kTitleBarOnly);
    QByteArray wrongMagic = valid;
    wrongMagic[0] = char(0x7f);
    QByteArray newerFormat = valid;
    newerFormat[5] = char(99); // major version 99

    QTest::newRow("missing") << QVariant();
    QTest::newRow("garbage bytes") << QVariant(QByteArray("\x01\x02 no geometry at all \xff"));
    QTest::newRow("empty bytes") << QVariant(QByteArray());
    QTest::newRow("text") << QVariant(QStringLiteral("100,50,322,551"));
    QTest::newRow("a number") << QVariant(42);
    QTest::newRow("a list") << QVariant(QStringList{"100", "50"});
    QTest::newRow("geometry cut short") << QVariant(valid.left(valid.size() / 2));
    QTest::newRow("wrong magic number") << QVariant(wrongMagic);
    QTest::newRow("a newer format") << QVariant(newerFormat);
    QTest::newRow("a maximized window")
        << QVariant(geometryData(QRect(100, 50, 322, 551), Qt::WindowMaximized, kTitleBarOnly));
    QTest::newRow("a full-screen window")
        << QVariant(geometryData(QRect(100, 50, 322, 551), Qt::WindowFullScreen, kTitleBarOnly));
}

void TestWindowFrames::ignoredValues()
{
    QFETCH(QVariant, value);

    {
        QSettings settings(m_settings->filePath(), QSettings::IniFormat);
        if (value.isValid())
            settings.setValue(UserSettings::kBoardFrameKey, value);
        settings.setValue(UserSettings::kPaletteFrameKey,
                          geometryData(QRect(400, 200, 144, 96), Qt::WindowNoState, kTitleBarOnly));
    }

    RecordingAppController controller;
    controller.applicationDidFinishLaunching();
    QWidget *window = controller.window;
    QCOMPARE(window->windowState(), Qt::WindowNoState);
    QVERIFY(inFirstRunCorner(window));
    QCOMPARE(window->size(), window->minimumSize());
    // The other window's frame is used all the same, and the game runs.
    QCOMPARE(controller.palette->geometry().topLeft(), QPoint(400, 200));
    QCOMPARE(window->windowTitle(), QStringLiteral("Hueriddle (with replacement)"));

    // At the end, the value is replaced by the frame the window has.
    QVERIFY(controller.applicationWillTerminate());
    QCOMPARE(positionOnDisk(*m_settings, UserSettings::kBoardFrameKey),
             std::optional<QPoint>(window->geometry().topLeft()));
}

void TestWindowFrames::garbledFile_data()
{
    QTest::addColumn<QByteArray>("contents");
    // What Qt itself warns of as it reads the file, if anything.
    QTest::addColumn<QString>("qtWarning");

    QByteArray binary;
    for (int i = 0; i < 512; ++i)
        binary.append(char((i * 167 + 13) % 256));
    QTest::newRow("binary junk") << binary << QString();
    QTest::newRow("unterminated section and value")
        << QByteArray("[General\nHueRiddlesMain=@ByteArray(\\x1\\xd9\\xd0") << QString();
    QTest::newRow("keys turned into groups")
        << QByteArray("[HueRiddlesMain]\nx=1\n[HueRiddlesPalette]\ny=@Variant(\\0\\0\\0\\x7f)\n")
        << QStringLiteral("QVariant::load: unknown user type with name .");
    QTest::newRow("empty file") << QByteArray() << QString();
}

void TestWindowFrames::garbledFile()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, qtWarning);
    writeTestFile(m_settings->filePath(), contents);
    if (!qtWarning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, qPrintable(qtWarning));

    RecordingAppController controller;
    controller.applicationDidFinishLaunching();
    QVERIFY(inFirstRunCorner(controller.window));
    QVERIFY(besideTheBoard(controller.palette, controller.window));

    moveInside(controller.palette, QPoint(250, 120));
    controller.applicationWillTerminate();
    QCOMPARE(positionOnDisk(*m_settings, UserSettings::kPaletteFrameKey),
             std::optional<QPoint>(QPoint(250, 120)));
    QCOMPARE(positionOnDisk(*m_settings, UserSettings::kBoardFrameKey),
             std::optional<QPoint>(controller.window->geometry().topLeft()));
}

void TestWindowFrames::offScreenFrames_data()
{
    QTest::addColumn<QPoint>("saved");

    QTest::newRow("far right") << QPoint(5000, 100);
    QTest::newRow("far above and left") << QPoint(-3000, -2000);
    QTest::newRow("huge coordinates") << QPoint(1000000000, 1000000000);
    QTest::newRow("half below the screen") << QPoint(100, 500);
    QTest::newRow("half beyond the right edge") << QPoint(700, 10);
}

void TestWindowFrames::offScreenFrames()
{
    QFETCH(QPoint, saved);

    const QSize boardSize = [] {
        RecordingAppController probe;
        probe.makeGameWindow();
        return probe.window->size();
    }();
    {
        QSettings settings(m_settings->filePath(), QSettings::IniFormat);
        settings.setValue(UserSettings::kBoardFrameKey,
                          geometryData(QRect(saved, boardSize), Qt::WindowNoState, kTitleBarOnly));
        settings.setValue(
            UserSettings::kPaletteFrameKey,
            geometryData(QRect(saved, QSize(144, 96)), Qt::WindowNoState, kTitleBarOnly));
    }

    RecordingAppController controller;
    controller.applicationDidFinishLaunching();
    for (const QWidget *window : {controller.window.data(), controller.palette.data()}) {
        const QRect available = window->screen()->availableGeometry();
        QVERIFY2(available.contains(window->frameGeometry()),
                 qPrintable(QStringLiteral("%1 at %2,%3")
                                .arg(window->windowTitle())
                                .arg(window->x())
                                .arg(window->y())));
    }

    // The places the program chose to fit the screen are not the player's:
    // the saved positions stay as they were, also through the moves that
    // showing the windows reports, until the player moves a window.
    QVERIFY(QTest::qWaitForWindowExposed(controller.palette));
    QVERIFY(controller.applicationWillTerminate());
    QCOMPARE(positionOnDisk(*m_settings, UserSettings::kBoardFrameKey), std::optional(saved));
    QCOMPARE(positionOnDisk(*m_settings, UserSettings::kPaletteFrameKey), std::optional(saved));
    moveInside(controller.palette, QPoint(300, 100));
    QTRY_COMPARE(positionOnDisk(*m_settings, UserSettings::kPaletteFrameKey),
                 std::optional<QPoint>(QPoint(300, 100)));
    QCOMPARE(positionOnDisk(*m_settings, UserSettings::kBoardFrameKey), std::optional(saved));
}

void TestWindowFrames::unwritableSettings_data()
{
    QTest::addColumn<bool>("directoryIsAFile");
    QTest::newRow("the settings directory is a file") << true;
    QTest::newRow("the settings file is a directory") << false;
}

void TestWindowFrames::unwritableSettings()
{
    QFETCH(bool, directoryIsAFile);

    const QString obstacle = directoryIsAFile ? m_settings->directory() : m_settings->filePath();
    if (directoryIsAFile) {
        QFile file(obstacle);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else {
        QVERIFY(QDir().mkpath(obstacle));
    }

    RecordingAppController controller;
    controller.applicationDidFinishLaunching();
    QVERIFY(inFirstRunCorner(controller.window));

    // The game goes on, moves and all, though nothing can be written.
    moveInside(controller.palette, QPoint(300, 50));
    moveInside(controller.window, QPoint(350, 20));
    QTest::qWait(50);
    controller.move();
    QCOMPARE(controller.currentRow, 6);
    QVERIFY(!controller.applicationWillTerminate());

    // Once the settings can be written again, a move of the board window
    // writes both frames: the palette's was kept.
    if (directoryIsAFile)
        QVERIFY(QFile::remove(obstacle));
    else
        QVERIFY(QDir(obstacle).removeRecursively());
    moveInside(controller.window, QPoint(360, 30));
    QTRY_COMPARE(positionOnDisk(*m_settings, UserSettings::kBoardFrameKey),
                 std::optional<QPoint>(QPoint(360, 30)));
    QCOMPARE(positionOnDisk(*m_settings, UserSettings::kPaletteFrameKey),
             std::optional<QPoint>(QPoint(300, 50)));
    QVERIFY(controller.applicationWillTerminate());
}

QTEST_MAIN(TestWindowFrames)
#include "tst_windowframes.moc"
