#include "app/commands/MainMenu.h"

#include "game/Controller.h"
#include "views/GameText.h"

#include <QAction>
#include <QMenu>

MainMenu::MainMenu(Controller &controller, QWidget *parent)
    : QMenuBar(parent), m_controller(controller)
{
    // The menu belongs to the board window on every desktop, so that the
    // window's size holds it.
    setNativeMenuBar(false);

    addItems(this, CommandTable::Menu::Bar);

    connect(&m_controller, &Controller::gameStateChanged, this, &MainMenu::validateItems);
    validateItems();
}

QAction *MainMenu::actionForTag(int tag) const
{
    for (QAction *action : m_gameCommands)
        if (action->data().toInt() == tag)
            return action;
    return nullptr;
}

void MainMenu::validateItems()
{
    for (QAction *action : std::as_const(m_gameCommands))
        action->setEnabled(m_controller.validateMenuItem(action->data().toInt()));
}

void MainMenu::addItems(QWidget *container, CommandTable::Menu menu)
{
    for (const CommandTable::Item &item : CommandTable::itemsOf(menu)) {
        if (item.command) {
            addCommand(container, *item.command);
            continue;
        }
        auto *submenu = new QMenu(GameText::tr(item.submenu->title), container);
        container->addAction(submenu->menuAction());
        addItems(submenu, item.submenu->menu);
        // Asked again whenever a menu opens, as the kit validates items on display.
        connect(submenu, &QMenu::aboutToShow, this, &MainMenu::validateItems);
    }
}

QAction *MainMenu::addCommand(QWidget *container, const CommandTable::Command &command)
{
    auto *action = new QAction(GameText::tr(command.title), container);
    container->addAction(action);
    if (!command.keys.isEmpty()) {
        action->setShortcuts(command.keys);
        action->setShortcutContext(Qt::ApplicationShortcut);
    }
    if (command.tag >= 0) {
        action->setData(command.tag);
        m_gameCommands.append(action);
    }

    using Action = CommandTable::Action;
    switch (command.action) {
    case Action::ShowInfoPanel:
        connect(action, &QAction::triggered, this, &MainMenu::infoPanelRequested);
        break;
    case Action::ShowStatistics:
        connect(action, &QAction::triggered, this, &MainMenu::statisticsRequested);
        break;
    case Action::ShowPreferences:
        connect(action, &QAction::triggered, this, &MainMenu::preferencesRequested);
        break;
    case Action::ShowHelp:
        connect(action, &QAction::triggered, this, &MainMenu::helpRequested);
        break;
    case Action::NewGameWithReplacement:
        connect(action, &QAction::triggered, &m_controller, &Controller::newGameWithRep);
        break;
    case Action::NewGameWithoutReplacement:
        connect(action, &QAction::triggered, &m_controller, &Controller::newGameNoRep);
        break;
    case Action::Commit:
        connect(action, &QAction::triggered, &m_controller, &Controller::commit);
        break;
    case Action::Move:
        connect(action, &QAction::triggered, &m_controller, &Controller::move);
        break;
    case Action::Hide:
        connect(action, &QAction::triggered, this, &MainMenu::hideRequested);
        break;
    case Action::Quit:
        connect(action, &QAction::triggered, this, &MainMenu::quitRequested);
        break;
    case Action::PlaceColor:
    case Action::EmptyLastPeg:
        // Keys of play, never in the menu: KeyboardPlay answers them.
        break;
    }
    return action;
}
