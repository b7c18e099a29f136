#include "app/commands/KeyboardPlay.h"

#include "app/commands/CommandTable.h"
#include "game/Controller.h"

#include <QAction>
#include <QWidget>

KeyboardPlay::KeyboardPlay(Controller &controller, QObject *parent) : QObject(parent)
{
    for (const CommandTable::Command &command : CommandTable::commands()) {
        if (command.menu != CommandTable::Menu::None)
            continue;
        auto *action = new QAction(this);
        action->setShortcuts(command.keys);
        // Window-wide on each attached window: the keys work in the board and
        // the palette, but not in the help window or any other.
        action->setShortcutContext(Qt::WindowShortcut);
        m_actions.append(action);
        if (command.action == CommandTable::Action::PlaceColor) {
            const std::int32_t code = command.colorCode;
            connect(action, &QAction::triggered, &controller,
                    [&controller, code] { controller.placeColor(code); });
        } else if (command.action == CommandTable::Action::EmptyLastPeg) {
            connect(action, &QAction::triggered, &controller, &Controller::emptyLastPeg);
        }
    }
}

void KeyboardPlay::attachTo(QWidget *window)
{
    window->addActions(m_actions);
}
