#include "app/MainMenu.h"

#include "game/Controller.h"
#include "views/GameText.h"

#include <QAction>
#include <QMenu>

namespace
{

void setShortcut(QAction *action, const QKeySequence &keys)
{
    action->setShortcut(keys);
    action->setShortcutContext(Qt::ApplicationShortcut);
}

} // namespace

MainMenu::MainMenu(Controller &controller, QWidget *parent)
    : QMenuBar(parent), m_controller(controller)
{
    // The menu belongs to the board window on every desktop, so that the
    // window's size holds it.
    setNativeMenuBar(false);

    QMenu *info = addMenu(GameText::tr("Info"));
    QAction *infoPanel = info->addAction(GameText::tr("Info Panel..."));
    connect(infoPanel, &QAction::triggered, this, &MainMenu::infoPanelRequested);
    //: The Info menu's item that opens the statistics window.
    QAction *statistics = info->addAction(GameText::tr("Statistics..."));
    connect(statistics, &QAction::triggered, this, &MainMenu::statisticsRequested);
    QAction *preferences = info->addAction(GameText::tr("Preferences..."));
    connect(preferences, &QAction::triggered, this, &MainMenu::preferencesRequested);
    QAction *help = info->addAction(GameText::tr("Help..."));
    setShortcut(help, QKeySequence(Qt::CTRL | Qt::Key_Question));
    connect(help, &QAction::triggered, this, &MainMenu::helpRequested);

    QMenu *game = addMenu(GameText::tr("Game"));
    QMenu *newGame = game->addMenu(GameText::tr("New game"));
    connect(addGameCommand(newGame, GameText::tr("With replacement"),
                           Controller::WithReplacementTag, QKeySequence(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, &m_controller, &Controller::newGameWithRep);
    connect(addGameCommand(newGame, GameText::tr("Without replacement"),
                           Controller::WithoutReplacementTag,
                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N)),
            &QAction::triggered, &m_controller, &Controller::newGameNoRep);
    connect(addGameCommand(game, GameText::tr("Commit"), Controller::CommitTag,
                           QKeySequence(Qt::CTRL | Qt::Key_C)),
            &QAction::triggered, &m_controller, &Controller::commit);
    connect(addGameCommand(game, GameText::tr("Move"), Controller::MoveTag, QKeySequence()),
            &QAction::triggered, &m_controller, &Controller::move);

    QAction *hide = addAction(GameText::tr("Hide"));
    setShortcut(hide, QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(hide, &QAction::triggered, this, &MainMenu::hideRequested);

    QAction *quit = addAction(GameText::tr("Quit"));
    setShortcut(quit, QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quit, &QAction::triggered, this, &MainMenu::quitRequested);

    connect(&m_controller, &Controller::gameStateChanged, this, &MainMenu::validateItems);
    // Asked again whenever a menu opens, as the kit validates items on display.
    for (QMenu *menu : {game, newGame})
        connect(menu, &QMenu::aboutToShow, this, &MainMenu::validateItems);
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

QAction *MainMenu::addGameCommand(QMenu *menu, const QString &title, int tag,
                                  const QKeySequence &keys)
{
    QAction *action = menu->addAction(title);
    action->setData(tag);
    if (!keys.isEmpty())
        setShortcut(action, keys);
    m_gameCommands.append(action);
    return action;
}
