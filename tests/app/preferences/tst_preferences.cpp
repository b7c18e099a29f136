#include "app/commands/MainMenu.h"
#include "app/preferences/Preferences.h"
#include "app/preferences/PreferencesWindow.h"
#include "dnd/DestinationPeg.h"
#include "support/AppFixture.h"
#include "support/FailOnWarnings.h"
#include "support/TestFiles.h"
#include "views/ColorCodes.h"
#include "views/Result.h"
#include "views/ViewOptions.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QMenu>
#include <QTest>
#include <algorithm>
#include <memory>

using Id = PreferenceTable::Id;
Q_DECLARE_METATYPE(Id)

namespace
{

// Chooses "Info > Preferences..." from the board window's menu bar and
// returns the window it shows.
PreferencesWindow *openPreferences(const AppController &controller)
{
    for (QAction *menu : controller.mainMenu()->actions()) {
        if (!menu->menu())
            continue;
        for (QAction *item : menu->menu()->actions()) {
            if (item->text() == QStringLiteral("Preferences...")) {
                item->trigger();
                return controller.window->findChild<PreferencesWindow *>();
            }
        }
    }
    return nullptr;
}

QByteArray fileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The settings as another program would read them, through a copy, so that
// no settings object of this process can answer from its cache.
QVariant savedValue(const IsolatedSettings &settings, const QString &key)
{
    const QString copy = settings.dir.filePath("copy.conf");
    QFile::remove(copy);
    QFile::copy(settings.filePath(), copy);
    return QSettings(copy, QSettings::IniFormat).value(key);
}

} // namespace

class TestPreferences : public FailOnWarnings
{
    Q_OBJECT

    void initTest() override;

private slots:
    void cleanup();
    void keptUnderTheKeysPlayersHave_data();
    void keptUnderTheKeysPlayersHave();
    void offByDefaultAndNothingWritten();
    void optionsApplyAtOnceToEveryView();
    void keyboardAndScreenReaderReachBoth();
    void optionsSurviveARestart_data();
    void optionsSurviveARestart();
    void savedValuesReadStrictly_data();
    void savedValuesReadStrictly();
    void resumeOnUnlessTurnedOff_data();
    void resumeOnUnlessTurnedOff();

private:
    void launch();

    std::unique_ptr<IsolatedSettings> m_settings;
    std::unique_ptr<RecordingAppController> m_controller;
};

void TestPreferences::initTest()
{
    m_settings = std::make_unique<IsolatedSettings>();
}

void TestPreferences::cleanup()
{
    m_controller.reset();
    m_settings.reset();
    ViewOptions::instance().set(ViewOptions::ColorMarks, false);
    ViewOptions::instance().set(ViewOptions::OutlinedKeyPegs, false);
    ViewOptions::instance().set(ViewOptions::PossibleSecrets, false);
}

void TestPreferences::launch()
{
    m_controller.reset();
    m_controller = std::make_unique<RecordingAppController>();
    m_controller->applicationDidFinishLaunching();
    QVERIFY(QTest::qWaitForWindowActive(m_controller->palette));
}

void TestPreferences::keptUnderTheKeysPlayersHave_data()
{
    QTest::addColumn<Id>("id");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("defaultValue");
    QTest::addColumn<QString>("label");
    QTest::newRow("color marks") << Id::ColorMarks << "Preferences/ColorMarks" << false
                                 << "&Color marks";
    QTest::newRow("outlined key pegs")
        << Id::OutlinedKeyPegs << "Preferences/OutlinedKeyPegs" << false << "&Outlined key pegs";
    QTest::newRow("possible secrets") << Id::PossibleSecrets << "Preferences/ShowPossibleSecrets"
                                      << false << "&Show how many secrets are still possible";
    QTest::newRow("resume a game")
        << Id::ResumeGame << "Preferences/ResumeGame" << true << "&Resume an unfinished game";
}

// Players keep their settings files from one version to the next: every
// preference keeps its key and its value until changed, and the window shows
// one box for each preference of the table, in the table's order, with the
// table's label, ticked as the preference stands.
void TestPreferences::keptUnderTheKeysPlayersHave()
{
    QFETCH(Id, id);
    QFETCH(QString, key);
    QFETCH(bool, defaultValue);
    QFETCH(QString, label);
    const PreferenceTable::Preference &preference = PreferenceTable::preference(id);
    QCOMPARE(preference.settingsKey(), key);
    QCOMPARE(preference.defaultValue, defaultValue);
    QCOMPARE(QString::fromLatin1(preference.label), label);

    launch();
    QCOMPARE(Preferences::isOn(id), defaultValue);
    PreferencesWindow *window = openPreferences(*m_controller);
    QVERIFY(window);
    const QList<QCheckBox *> boxes = window->findChildren<QCheckBox *>();
    QCOMPARE(boxes.size(), PreferenceTable::preferences().size());
    const QList<PreferenceTable::Preference> &table = PreferenceTable::preferences();
    const auto place =
        std::find_if(table.begin(), table.end(), [id](const auto &each) { return each.id == id; }) -
        table.begin();
    QCOMPARE(boxes.at(place), window->checkBox(id));
    QCOMPARE(window->checkBox(id)->text(), label);
    QCOMPARE(window->checkBox(id)->isChecked(), defaultValue);
}

void TestPreferences::offByDefaultAndNothingWritten()
{
    // Left on by an earlier window of this process: the settings rule.
    ViewOptions::instance().set(ViewOptions::ColorMarks, true);
    ViewOptions::instance().set(ViewOptions::OutlinedKeyPegs, true);
    ViewOptions::instance().set(ViewOptions::PossibleSecrets, true);
    launch();
    QVERIFY(!ViewOptions::instance().isOn(ViewOptions::ColorMarks));
    QVERIFY(!ViewOptions::instance().isOn(ViewOptions::OutlinedKeyPegs));
    QVERIFY(!ViewOptions::instance().isOn(ViewOptions::PossibleSecrets));
    QVERIFY(!QFile::exists(m_settings->filePath()));

    PreferencesWindow *window = openPreferences(*m_controller);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(!window->isModal());
    QVERIFY(!window->checkBox(Id::ColorMarks)->isChecked());
    QVERIFY(!window->checkBox(Id::OutlinedKeyPegs)->isChecked());
    QVERIFY(!window->checkBox(Id::PossibleSecrets)->isChecked());
    // The game goes on while it is open.
    QVERIFY(m_controller->window->isEnabled());
    QVERIFY(m_controller->palette->isEnabled());
}

// Ticking a box changes the palette, the board's pegs and scores and the
// answer row at once, and unticking it brings the standard look back.
void TestPreferences::optionsApplyAtOnceToEveryView()
{
    launch();
    AppController &controller = *m_controller;
    controller.pegs[7][0]->setColor(ColorCodes::colorOfCode(4));
    controller.sol[1]->setColor(ColorCodes::colorOfCode(3));
    controller.res[6]->setBlackAndWhite(1, 2);
    const auto pictures = [&controller] {
        return std::array<QImage, 5>{
            controller.palette->grab().toImage(), controller.pegs[7][0]->grab().toImage(),
            controller.sol[1]->grab().toImage(), controller.res[6]->grab().toImage(),
            controller.pegs[6][0]->grab().toImage()};
    };
    const std::array<QImage, 5> standard = pictures();

    PreferencesWindow *window = openPreferences(controller);
    QVERIFY(window);
    window->checkBox(Id::ColorMarks)->click();
    QVERIFY(ViewOptions::instance().isOn(ViewOptions::ColorMarks));
    std::array<QImage, 5> shown = pictures();
    QVERIFY2(shown[0] != standard[0], "palette");
    QVERIFY2(shown[1] != standard[1], "board peg");
    QVERIFY2(shown[2] != standard[2], "answer peg");
    QVERIFY2(shown[3] == standard[3], "a score has no colour mark");
    QVERIFY2(shown[4] == standard[4], "an empty peg has no mark");

    window->checkBox(Id::OutlinedKeyPegs)->click();
    QVERIFY(ViewOptions::instance().isOn(ViewOptions::OutlinedKeyPegs));
    shown = pictures();
    QVERIFY2(shown[3] != standard[3], "score");

    window->checkBox(Id::ColorMarks)->click();
    window->checkBox(Id::OutlinedKeyPegs)->click();
    QVERIFY(pictures() == standard);
}

void TestPreferences::keyboardAndScreenReaderReachBoth()
{
    launch();
    PreferencesWindow *window = openPreferences(*m_controller);
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    // Qt counts every window of the board's family active while the palette,
    // the board's own window, has the focus: the activation is awaited itself.
    QTRY_COMPARE(QApplication::activeWindow(), window);

    // Space ticks the box with the focus, Tab goes on to the next one.
    QCOMPARE(QApplication::focusWidget(), window->checkBox(Id::ColorMarks));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(ViewOptions::instance().isOn(ViewOptions::ColorMarks));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window->checkBox(Id::OutlinedKeyPegs));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(ViewOptions::instance().isOn(ViewOptions::OutlinedKeyPegs));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window->checkBox(Id::PossibleSecrets));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(ViewOptions::instance().isOn(ViewOptions::PossibleSecrets));
    // Each also has a mnemonic, which clicks its box as a button does, when
    // the events of the press have been handled.
    QTest::keyClick(window, Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(!ViewOptions::instance().isOn(ViewOptions::ColorMarks));
    QTest::keyClick(window, Qt::Key_O, Qt::AltModifier);
    QTRY_VERIFY(!ViewOptions::instance().isOn(ViewOptions::OutlinedKeyPegs));
    QTest::keyClick(window, Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(!ViewOptions::instance().isOn(ViewOptions::PossibleSecrets));

    const struct {
        QCheckBox *box;
        const char *name;
    } options[] = {
        {window->checkBox(Id::ColorMarks), "Color marks"},
        {window->checkBox(Id::OutlinedKeyPegs), "Outlined key pegs"},
        {window->checkBox(Id::PossibleSecrets), "Show how many secrets are still possible"}};
    for (const auto &option : options) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(option.box);
        QVERIFY(accessible);
        QCOMPARE(accessible->role(), QAccessible::CheckBox);
        QCOMPARE(accessible->text(QAccessible::Name), QString::fromLatin1(option.name));
        QVERIFY(accessible->text(QAccessible::Description).size() > 20);
        QVERIFY(accessible->state().focusable);
        QVERIFY(!accessible->state().checked);
        option.box->setChecked(true);
        QVERIFY(accessible->state().checked);
    }
}

void TestPreferences::optionsSurviveARestart_data()
{
    QTest::addColumn<bool>("marks");
    QTest::addColumn<bool>("outlines");
    QTest::addColumn<bool>("counts");
    QTest::newRow("color marks") << true << false << false;
    QTest::newRow("outlined key pegs") << false << true << false;
    QTest::newRow("possible secrets") << false << false << true;
    QTest::newRow("all three") << true << true << true;
    QTest::newRow("all turned on and off again") << false << false << false;
}

// The options are kept under their own keys; the saved frames stay as they
// were, and the next start shows the options as they were left.
void TestPreferences::optionsSurviveARestart()
{
    QFETCH(bool, marks);
    QFETCH(bool, outlines);
    QFETCH(bool, counts);
    launch();
    QVERIFY(m_controller->applicationWillTerminate());
    const QVariant mainFrame = savedValue(*m_settings, QStringLiteral("HueRiddlesMain"));
    const QVariant paletteFrame = savedValue(*m_settings, QStringLiteral("HueRiddlesPalette"));
    QVERIFY(mainFrame.isValid() && paletteFrame.isValid());

    PreferencesWindow *window = openPreferences(*m_controller);
    QVERIFY(window);
    window->checkBox(Id::ColorMarks)->setChecked(true);
    window->checkBox(Id::OutlinedKeyPegs)->setChecked(true);
    window->checkBox(Id::PossibleSecrets)->setChecked(true);
    window->checkBox(Id::ColorMarks)->setChecked(marks);
    window->checkBox(Id::OutlinedKeyPegs)->setChecked(outlines);
    window->checkBox(Id::PossibleSecrets)->setChecked(counts);
    m_controller->terminate();
    QVERIFY(m_controller->applicationWillTerminate());
    QCOMPARE(savedValue(*m_settings, QStringLiteral("Preferences/ColorMarks")).toString(),
             marks ? QStringLiteral("true") : QStringLiteral("false"));
    QCOMPARE(savedValue(*m_settings, QStringLiteral("Preferences/OutlinedKeyPegs")).toString(),
             outlines ? QStringLiteral("true") : QStringLiteral("false"));
    QCOMPARE(savedValue(*m_settings, QStringLiteral("Preferences/ShowPossibleSecrets")).toString(),
             counts ? QStringLiteral("true") : QStringLiteral("false"));
    QCOMPARE(savedValue(*m_settings, QStringLiteral("HueRiddlesMain")), mainFrame);
    QCOMPARE(savedValue(*m_settings, QStringLiteral("HueRiddlesPalette")), paletteFrame);

    // The next start, with the options the other way round in this process
    // once the program has ended.
    m_controller.reset();
    ViewOptions::instance().set(ViewOptions::ColorMarks, !marks);
    ViewOptions::instance().set(ViewOptions::OutlinedKeyPegs, !outlines);
    ViewOptions::instance().set(ViewOptions::PossibleSecrets, !counts);
    launch();
    QCOMPARE(ViewOptions::instance().isOn(ViewOptions::ColorMarks), marks);
    QCOMPARE(ViewOptions::instance().isOn(ViewOptions::OutlinedKeyPegs), outlines);
    QCOMPARE(ViewOptions::instance().isOn(ViewOptions::PossibleSecrets), counts);
    window = openPreferences(*m_controller);
    QVERIFY(window);
    QCOMPARE(window->checkBox(Id::ColorMarks)->isChecked(), marks);
    QCOMPARE(window->checkBox(Id::OutlinedKeyPegs)->isChecked(), outlines);
    QCOMPARE(window->checkBox(Id::PossibleSecrets)->isChecked(), counts);
}

void TestPreferences::savedValuesReadStrictly_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("on");
    QTest::newRow("true") << QByteArray("true") << true;
    QTest::newRow("false") << QByteArray("false") << false;
    QTest::newRow("empty") << QByteArray("") << false;
    QTest::newRow("a word") << QByteArray("banana") << false;
    QTest::newRow("a number") << QByteArray("2") << false;
    QTest::newRow("a list") << QByteArray("true, true") << false;
}

// Values the program did not write count as off, and reading them writes
// nothing back.
void TestPreferences::savedValuesReadStrictly()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, on);
    const QByteArray contents = "[Preferences]\nColorMarks=" + value +
                                "\nOutlinedKeyPegs=" + value + "\nShowPossibleSecrets=" + value +
                                "\n";
    writeTestFile(m_settings->filePath(), contents);
    launch();
    QCOMPARE(ViewOptions::instance().isOn(ViewOptions::ColorMarks), on);
    QCOMPARE(ViewOptions::instance().isOn(ViewOptions::OutlinedKeyPegs), on);
    QCOMPARE(ViewOptions::instance().isOn(ViewOptions::PossibleSecrets), on);
    QCOMPARE(fileContents(m_settings->filePath()), contents);
}

void TestPreferences::resumeOnUnlessTurnedOff_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("on");
    QTest::newRow("nothing saved") << QByteArray() << true;
    QTest::newRow("true") << QByteArray("[Preferences]\nResumeGame=true\n") << true;
    QTest::newRow("false") << QByteArray("[Preferences]\nResumeGame=false\n") << false;
    QTest::newRow("a word") << QByteArray("[Preferences]\nResumeGame=banana\n") << true;
}

// "Resume an unfinished game" is on unless the settings hold false, and the
// box writes the player's choice at once.
void TestPreferences::resumeOnUnlessTurnedOff()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, on);
    if (!contents.isEmpty())
        writeTestFile(m_settings->filePath(), contents);
    launch();
    PreferencesWindow *window = openPreferences(*m_controller);
    QVERIFY(window);
    QCOMPARE(window->checkBox(Id::ResumeGame)->isChecked(), on);
    QCOMPARE(Preferences::isOn(Id::ResumeGame), on);
    QCOMPARE(fileContents(m_settings->filePath()), contents);
    window->checkBox(Id::ResumeGame)->click();
    QCOMPARE(savedValue(*m_settings, QStringLiteral("Preferences/ResumeGame")).toString(),
             on ? QStringLiteral("false") : QStringLiteral("true"));
    QCOMPARE(Preferences::isOn(Id::ResumeGame), !on);
}

QTEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
