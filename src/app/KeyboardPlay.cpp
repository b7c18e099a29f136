#include "app/KeyboardPlay.h"

#include "game/Controller.h"
#include "rules/ColorCode.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

KeyboardPlay::KeyboardPlay(Controller &controller, QObject *parent) : QObject(parent)
{
    for (const rules::PlayableColor &color : rules::kPlayableColors) {
        const std::int32_t code = color.code;
        const int key = Qt::Key_0 + rules::paletteOrder(color);
        // The digit row and the numeric keypad alike.
        QAction *action = addKeyAction(
            {QKeySequence(key), QKeySequence(QKeyCombination(Qt::KeypadModifier, Qt::Key(key)))});
        connect(action, &QAction::triggered, &controller,
                [&controller, code] { controller.placeColor(code); });
    }
    connect(addKeyAction({QKeySequence(Qt::Key_Backspace)}), &QAction::triggered, &controller,
            &Controller::emptyLastPeg);
}

void KeyboardPlay::attachTo(QWidget *window)
{
    window->addActions(m_actions);
}

QAction *KeyboardPlay::addKeyAction(const QList<QKeySequence> &keys)
{
    auto *action = new QAction(this);
    action->setShortcuts(keys);
    // Window-wide on each attached window: the keys work in the board and the
    // palette, but not in the help window or any other.
    action->setShortcutContext(Qt::WindowShortcut);
    m_actions.append(action);
    return action;
}
