#include "app/commands/MainMenu.h"
#include "dnd/DestinationPeg.h"
#include "support/AppFixture.h"
#include "support/FailOnWarnings.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

namespace
{

// One item of the menu tree as the player finds it.
struct Item {
    QString path; // titles from the menu bar down, joined by " > "
    QString keys; // portable text of the shortcut, empty for none
    int tag;      // -1 for an item without a tag
    bool opensMenu;
    bool enabled;
    QAction *action;
};

void collect(const QList<QAction *> &actions, const QString &prefix, QList<Item> &items)
{
    for (QAction *action : actions) {
        const QString path = prefix.isEmpty() ? action->text() : prefix + " > " + action->text();
        const QVariant data = action->data();
        items.append({path, action->shortcut().toString(QKeySequence::PortableText),
                      data.isValid() ? data.toInt() : -1, action->menu() != nullptr,
                      action->isEnabled(), action});
        if (QMenu *menu = action->menu())
            collect(menu->actions(), path, items);
    }
}

// The whole tree, read from the board window's real menu bar.
QList<Item> readMenuTree(const AppController &controller)
{
    auto *bar = controller.window->findChild<QMenuBar *>();
    QList<Item> items;
    if (bar)
        collect(bar->actions(), QString(), items);
    return items;
}

QAction *actionAt(const AppController &controller, const QString &path)
{
    for (const Item &item : readMenuTree(controller))
        if (item.path == path)
            return item.action;
    return nullptr;
}

} // namespace

class TestMainMenu : public FailOnWarnings
{
    Q_OBJECT

    void initTest() override;

private slots:
    void cleanup();
    void menuTree_data();
    void menuTree();
    void shortcutsWorkFromEitherWindow_data();
    void shortcutsWorkFromEitherWindow();
    void commitAndMoveFollowTheGame();
    void infoPreferencesAndHelpOpenTheirWindows();

private:
    std::unique_ptr<IsolatedSettings> m_settings;
    std::unique_ptr<RecordingAppController> m_controller;
};

void TestMainMenu::initTest()
{
    m_settings = std::make_unique<IsolatedSettings>();
    m_controller = std::make_unique<RecordingAppController>();
    m_controller->applicationDidFinishLaunching();
    QVERIFY(QTest::qWaitForWindowActive(m_controller->palette));
}

void TestMainMenu::cleanup()
{
    m_controller.reset();
    m_settings.reset();
}

void TestMainMenu::menuTree_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("tag");
    QTest::addColumn<bool>("opensMenu");

    int index = 0;
    const auto row = [&index](const char *path, const char *keys, int tag, bool opensMenu) {
        QTest::newRow(path) << index++ << QString(path) << QString(keys) << tag << opensMenu;
    };
    row("Info", "", -1, true);
    row("Info > Info Panel...", "", -1, false);
    row("Info > Statistics...", "", -1, false);
    row("Info > Preferences...", "", -1, false);
    row("Info > Help...", "Ctrl+?", -1, false);
    row("Game", "", -1, true);
    row("Game > New game", "", -1, true);
    row("Game > New game > With replacement", "Ctrl+N", 500, false);
    row("Game > New game > Without replacement", "Ctrl+Shift+N", 501, false);
    row("Game > Commit", "Ctrl+C", 502, false);
    row("Game > Move", "", 503, false);
    row("Hide", "Ctrl+H", -1, false);
    row("Quit", "Ctrl+Q", -1, false);
    QTest::newRow("nothing else") << index << QString() << QString() << -1 << false;
}

void TestMainMenu::menuTree()
{
    QFETCH(int, index);
    QFETCH(QString, path);
    QFETCH(QString, keys);
    QFETCH(int, tag);
    QFETCH(bool, opensMenu);

    const QList<Item> items = readMenuTree(*m_controller);
    if (path.isEmpty()) {
        QCOMPARE(items.size(), index);
        return;
    }
    QVERIFY(index < items.size());
    const Item &item = items.at(index);
    QCOMPARE(item.path, path);
    QCOMPARE(item.keys, keys);
    QCOMPARE(item.tag, tag);
    QCOMPARE(item.opensMenu, opensMenu);
    if (!keys.isEmpty())
        QCOMPARE(item.action->shortcutContext(), Qt::ApplicationShortcut);
    // The menu's own commands carry no tag; the game commands are the
    // controller's, and the menu bar reports the same action for each tag.
    if (tag >= 0)
        QCOMPARE(m_controller->mainMenu()->actionForTag(tag), item.action);
}

void TestMainMenu::shortcutsWorkFromEitherWindow_data()
{
    QTest::addColumn<bool>("fromPalette");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("effect");

    const struct {
        const char *name;
        int key;
        int modifiers;
        const char *effect;
    } shortcuts[] = {
        {"Ctrl+N", Qt::Key_N, Qt::ControlModifier, "with replacement"},
        {"Ctrl+Shift+N", Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier, "without replacement"},
        {"Ctrl+C", Qt::Key_C, Qt::ControlModifier, "commit"},
        {"Ctrl+H", Qt::Key_H, Qt::ControlModifier, "hide"},
        {"Ctrl+Q", Qt::Key_Q, Qt::ControlModifier, "quit"},
    };
    for (bool fromPalette : {true, false}) {
        for (const auto &shortcut : shortcuts) {
            QTest::addRow("%s in the %s", shortcut.name, fromPalette ? "palette" : "board window")
                << fromPalette << shortcut.key << shortcut.modifiers << QString(shortcut.effect);
        }
    }
}

void TestMainMenu::shortcutsWorkFromEitherWindow()
{
    QFETCH(bool, fromPalette);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, effect);

    RecordingAppController &controller = *m_controller;
    QWidget *target = fromPalette ? controller.palette.data() : controller.window.data();
    target->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(target));

    // Start from the other variant, so that a new game shows in the title.
    if (effect == "with replacement")
        controller.newGameNoRep();
    else
        controller.newGameWithRep();
    QSignalSpy terminating(&controller, &AppController::terminating);

    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    if (effect == "with replacement" || effect == "without replacement") {
        QCOMPARE(controller.window->windowTitle(), "Hueriddle (" + effect + ")");
        QCOMPARE(controller.unique, effect == "without replacement");
    } else if (effect == "commit") {
        // The active row is empty: the commit reaches the controller, which
        // refuses it.
        QCOMPARE(controller.alerts.size(), std::size_t(1));
        QCOMPARE(controller.alerts.front().message, QStringLiteral("All four colors must be set."));
    } else if (effect == "hide") {
        QVERIFY(controller.window->windowState() & Qt::WindowMinimized);
        QVERIFY(controller.palette->windowState() & Qt::WindowMinimized);
    } else if (effect == "quit") {
        QCOMPARE(terminating.count(), 1);
    }
    if (effect != "quit")
        QCOMPARE(terminating.count(), 0);
    if (effect != "commit")
        QVERIFY(controller.alerts.empty());
}

void TestMainMenu::commitAndMoveFollowTheGame()
{
    RecordingAppController &controller = *m_controller;
    QAction *commit = actionAt(controller, "Game > Commit");
    QAction *move = actionAt(controller, "Game > Move");
    QAction *withReplacement = actionAt(controller, "Game > New game > With replacement");
    QAction *withoutReplacement = actionAt(controller, "Game > New game > Without replacement");
    QVERIFY(commit && move && withReplacement && withoutReplacement);
    QVERIFY(commit->isEnabled() && move->isEnabled());

    // Played by "Move" from the menu until the game ends, won or lost. The
    // commands are already disabled while the closing alert is up.
    bool disabledDuringAlert = false;
    controller.whileAlertIsUp = [&](const RecordedAlert &) {
        disabledDuringAlert = !commit->isEnabled() && !move->isEnabled();
    };
    for (int row = 7; row >= 0 && !controller.done; --row) {
        QVERIFY(move->isEnabled());
        move->trigger();
        QCOMPARE(controller.currentRow, row - 1);
    }
    QVERIFY(controller.done);
    QCOMPARE(controller.alerts.size(), std::size_t(1));
    QVERIFY(controller.alerts.front().title == "Congratulations!" ||
            controller.alerts.front().title == "Game over.");
    QVERIFY(disabledDuringAlert);
    QVERIFY(!commit->isEnabled());
    QVERIFY(!move->isEnabled());
    QVERIFY(withReplacement->isEnabled());
    QVERIFY(withoutReplacement->isEnabled());

    // A disabled command's shortcut does nothing.
    QSignalSpy commits(commit, &QAction::triggered);
    QTest::keyClick(controller.palette.data(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(commits.count(), 0);
    QCOMPARE(controller.alerts.size(), std::size_t(1));

    QTest::keyClick(controller.palette.data(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(!controller.done);
    QVERIFY(commit->isEnabled());
    QVERIFY(move->isEnabled());
    QTest::keyClick(controller.palette.data(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(commits.count(), 1);
    QCOMPARE(controller.alerts.size(), std::size_t(2));
    QCOMPARE(controller.alerts.back().message, QStringLiteral("All four colors must be set."));
}

void TestMainMenu::infoPreferencesAndHelpOpenTheirWindows()
{
    const auto openWindowTitles = [] {
        QStringList titles;
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (widget->isVisible())
                titles.append(widget->windowTitle());
        return titles;
    };
    QVERIFY(!openWindowTitles().contains("Info Panel"));
    actionAt(*m_controller, "Info > Info Panel...")->trigger();
    QVERIFY(openWindowTitles().contains("Info Panel"));

    QVERIFY(!openWindowTitles().contains("Hueriddle Statistics"));
    actionAt(*m_controller, "Info > Statistics...")->trigger();
    QVERIFY(openWindowTitles().contains("Hueriddle Statistics"));

    QAction *preferences = actionAt(*m_controller, "Info > Preferences...");
    QVERIFY(preferences);
    QVERIFY(preferences->isVisible());
    QVERIFY(preferences->isEnabled());
    QVERIFY(!openWindowTitles().contains("Hueriddle Preferences"));
    preferences->trigger();
    QVERIFY(openWindowTitles().contains("Hueriddle Preferences"));

    QVERIFY(!openWindowTitles().contains("Hueriddle Help"));
    QTest::keyClick(m_controller->palette.data(), Qt::Key_Question, Qt::ControlModifier);
    QVERIFY(openWindowTitles().contains("Hueriddle Help"));
}

QTEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"
