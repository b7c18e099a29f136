#include "app/commands/CommandTable.h"

#include "game/Controller.h"
#include "rules/ColorCode.h"
#include "views/GameText.h"

#include <algorithm>
#include <array>

namespace
{

QList<CommandTable::Command> makeCommands()
{
    using Action = CommandTable::Action;
    using Menu = CommandTable::Menu;
    QList<CommandTable::Command> commands = {
        {.action = Action::NewGameWithReplacement,
         .tag = Controller::WithReplacementTag,
         //: Menu item under Game > New game: a game whose colours may repeat.
         .title = QT_TRANSLATE_NOOP("Hueriddle", "With replacement"),
         .menu = Menu::NewGame,
         .place = 0,
         .keys = {QKeySequence(Qt::CTRL | Qt::Key_N)},
         //: Line of the help's key table.
         .help = QT_TRANSLATE_NOOP("Hueriddle", "New game with replacement")},
        {.action = Action::NewGameWithoutReplacement,
         .tag = Controller::WithoutReplacementTag,
         //: Menu item under Game > New game: a game with four different colours.
         .title = QT_TRANSLATE_NOOP("Hueriddle", "Without replacement"),
         .menu = Menu::NewGame,
         .place = 1,
         .keys = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N)},
         //: Line of the help's key table.
         .help = QT_TRANSLATE_NOOP("Hueriddle", "New game without replacement")},
        {.action = Action::Commit,
         .tag = Controller::CommitTag,
         //: Menu item under Game: scores the active row.
         .title = QT_TRANSLATE_NOOP("Hueriddle", "Commit"),
         .menu = Menu::Game,
         .place = 1,
         .keys = {QKeySequence(Qt::CTRL | Qt::Key_C)},
         //: Line of the help's key table.
         .help = QT_TRANSLATE_NOOP("Hueriddle", "Commit the active row")},
        {.action = Action::Hide,
         //: Item of the menu bar: minimises both windows.
         .title = QT_TRANSLATE_NOOP("Hueriddle", "Hide"),
         .menu = Menu::Bar,
         .place = 2,
         .keys = {QKeySequence(Qt::CTRL | Qt::Key_H)},
         //: Line of the help's key table.
         .help = QT_TRANSLATE_NOOP("Hueriddle", "Hide both windows")},
        {.action = Action::Quit,
         //: Item of the menu bar, and its line in the help's key table.
         .title = QT_TRANSLATE_NOOP("Hueriddle", "Quit"),
         .menu = Menu::Bar,
         .place = 3,
         .keys = {QKeySequence(Qt::CTRL | Qt::Key_Q)},
         .help = QT_TRANSLATE_NOOP("Hueriddle", "Quit")},
        {.action = Action::ShowHelp,
         //: Menu item under Info: opens the help window.
         .title = QT_TRANSLATE_NOOP("Hueriddle", "Help..."),
         .menu = Menu::Info,
         .place = 3,
         .keys = {QKeySequence(Qt::CTRL | Qt::Key_Question)},
         //: Line of the help's key table.
         .help = QT_TRANSLATE_NOOP("Hueriddle", "Show the help window")},
    };

    // The digit keys in the palette's reading order, on the digit row and on
    // the numeric keypad alike.
    std::array<const rules::PlayableColor *, rules::kPlayableColors.size()> byKey{};
    for (const rules::PlayableColor &color : rules::kPlayableColors)
        byKey[static_cast<std::size_t>(rules::paletteOrder(color) - 1)] = &color;
    for (const rules::PlayableColor *color : byKey) {
        const auto key = Qt::Key(Qt::Key_0 + rules::paletteOrder(*color));
        commands.append(
            {.action = Action::PlaceColor,
             .keys = {QKeySequence(key), QKeySequence(QKeyCombination(Qt::KeypadModifier, key))},
             //: Line of the help's key table; %1 is a colour's name, such as "red".
             .help =
                 QT_TRANSLATE_NOOP("Hueriddle", "Put %1 on the first empty peg of the active row"),
             .colorCode = color->code});
    }
    commands.append({.action = Action::EmptyLastPeg,
                     .keys = {QKeySequence(Qt::Key_Backspace)},
                     //: Line of the help's key table: Backspace takes the colour off the filled
                     //: peg that is furthest right.
                     .help = QT_TRANSLATE_NOOP(
                         "Hueriddle", "Empty the rightmost filled peg of the active row")});

    // The menu's commands without a key.
    commands.append({.action = Action::ShowInfoPanel,
                     //: Menu item under Info: opens the window about the program.
                     .title = QT_TRANSLATE_NOOP("Hueriddle", "Info Panel..."),
                     .menu = Menu::Info,
                     .place = 0});
    commands.append({.action = Action::ShowStatistics,
                     //: Menu item under Info: opens the statistics of the games played.
                     .title = QT_TRANSLATE_NOOP("Hueriddle", "Statistics..."),
                     .menu = Menu::Info,
                     .place = 1});
    commands.append({.action = Action::ShowPreferences,
                     //: Menu item under Info: opens the preferences window.
                     .title = QT_TRANSLATE_NOOP("Hueriddle", "Preferences..."),
                     .menu = Menu::Info,
                     .place = 2});
    commands.append({.action = Action::Move,
                     .tag = Controller::MoveTag,
                     //: Menu item under Game: the computer plays the active row.
                     .title = QT_TRANSLATE_NOOP("Hueriddle", "Move"),
                     .menu = Menu::Game,
                     .place = 2});
    return commands;
}

} // namespace

const QList<CommandTable::MenuEntry> &CommandTable::menus()
{
    static const QList<MenuEntry> menus = {
        //: Menu of the menu bar: the info panel, the statistics, the preferences and the help.
        {Menu::Info, QT_TRANSLATE_NOOP("Hueriddle", "Info"), Menu::Bar, 0},
        //: Menu of the menu bar: the game commands.
        {Menu::Game, QT_TRANSLATE_NOOP("Hueriddle", "Game"), Menu::Bar, 1},
        //: Submenu of Game: starts a game of either variant.
        {Menu::NewGame, QT_TRANSLATE_NOOP("Hueriddle", "New game"), Menu::Game, 0},
    };
    return menus;
}

const QList<CommandTable::Command> &CommandTable::commands()
{
    static const QList<Command> commands = makeCommands();
    return commands;
}

QList<CommandTable::Item> CommandTable::itemsOf(Menu menu)
{
    QList<std::pair<int, Item>> placed;
    for (const MenuEntry &entry : menus())
        if (entry.parent == menu)
            placed.append({entry.place, Item{&entry, nullptr}});
    for (const Command &command : commands())
        if (command.menu == menu && menu != Menu::None)
            placed.append({command.place, Item{nullptr, &command}});
    std::stable_sort(placed.begin(), placed.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    QList<Item> items;
    for (const auto &each : std::as_const(placed))
        items.append(each.second);
    return items;
}

QString CommandTable::keyPlacing(std::int32_t code)
{
    for (const Command &command : commands())
        if (command.action == Action::PlaceColor && command.colorCode == code)
            return command.keys.first().toString(QKeySequence::NativeText);
    return QString();
}

QString CommandTable::helpLine(const Command &command)
{
    if (!command.help)
        return QString();
    QString line = GameText::tr(command.help);
    if (command.action == Action::PlaceColor)
        line = line.arg(GameText::tr(rules::playableColor(command.colorCode).name));
    return line;
}
