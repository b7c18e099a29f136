#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <cstdint>

// Every command of the program, each stated once: what it does, its title and
// place in the main menu, its keys and its line in the help's key table.
// MainMenu, KeyboardPlay and HelpWindow are built from it, so a key the menu
// answers is the key the help names.
//
// A command in the menu works from every window of the program. A command
// outside the menu is a key of play: it works only in the windows KeyboardPlay
// is attached to.
class CommandTable
{
public:
    // What a command does; whoever builds the command answers it.
    enum class Action {
        ShowInfoPanel,
        ShowStatistics,
        ShowPreferences,
        ShowHelp,
        NewGameWithReplacement,
        NewGameWithoutReplacement,
        Commit,
        Move,
        Hide,
        Quit,
        PlaceColor,
        EmptyLastPeg,
    };

    // Where a menu or a command sits: the menu bar, one of its menus, or, for
    // the keys of play, no menu at all.
    enum class Menu {
        None,
        Bar,
        Info,
        Game,
        NewGame,
    };

    // A menu that opens from `parent`, at `place` among the parent's items.
    struct MenuEntry {
        Menu menu;
        const char *title; // source text in the "Hueriddle" context
        Menu parent;
        int place;
    };

    struct Command {
        Action action;
        // The controller's MenuTag of a game command, -1 for the program's own.
        int tag = -1;
        // Source text in the "Hueriddle" context; null outside the menu.
        const char *title = nullptr;
        Menu menu = Menu::None;
        // Its position among the items of `menu`, the submenus counted.
        int place = 0;
        // The first is the one the menu and the help show.
        QList<QKeySequence> keys = {};
        // Source text of its line in the key table; null when not listed.
        const char *help = nullptr;
        // The colour that PlaceColor puts.
        std::int32_t colorCode = 0;
    };

    // Every menu, the menu bar's first.
    static const QList<MenuEntry> &menus();
    // Every command, in the order of the help's key table.
    static const QList<Command> &commands();

    // The items of `menu` in their order: its submenus (entry set) and its
    // commands (command set).
    struct Item {
        const MenuEntry *submenu = nullptr;
        const Command *command = nullptr;
    };
    static QList<Item> itemsOf(Menu menu);

    // The key, as the player reads it, that puts the colour of `code` on the
    // board; empty when none does.
    static QString keyPlacing(std::int32_t code);

    // The translated line of `command` in the key table, or an empty string.
    static QString helpLine(const Command &command);
};
