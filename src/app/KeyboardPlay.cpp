#include "app/KeyboardPlay.h"

#include "dnd/DestinationPeg.h"
#include "game/Controller.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

KeyboardPlay::KeyboardPlay(Controller &controller, QObject *parent)
    : QObject(parent), m_controller(controller)
{
    for (std::int32_t code = 1; code <= 6; ++code) {
        const int key = Qt::Key_0 + code;
        // The digit row and the numeric keypad alike.
        QAction *action = addKeyAction(
            {QKeySequence(key), QKeySequence(QKeyCombination(Qt::KeypadModifier, Qt::Key(key)))});
        connect(action, &QAction::triggered, this, [this, code] { placeColor(code); });
    }
    connect(addKeyAction({QKeySequence(Qt::Key_Backspace)}), &QAction::triggered, this,
            &KeyboardPlay::emptyLastPeg);
}

void KeyboardPlay::attachTo(QWidget *window)
{
    window->addActions(m_actions);
}

bool KeyboardPlay::placeColor(std::int32_t code)
{
    if (!m_controller.isPlaying())
        return false;
    for (const QPointer<DestinationPeg> &peg : m_controller.pegs[m_controller.currentRow]) {
        if (peg && !peg->color().isValid()) {
            if (!peg->isActive())
                return false;
            peg->setColor(Peg::colorOfCode(code));
            return true;
        }
    }
    return false;
}

bool KeyboardPlay::emptyLastPeg()
{
    if (!m_controller.isPlaying())
        return false;
    const auto &row = m_controller.pegs[m_controller.currentRow];
    for (auto peg = row.rbegin(); peg != row.rend(); ++peg) {
        if (*peg && (*peg)->color().isValid()) {
            if (!(*peg)->isActive())
                return false;
            (*peg)->setColor(QColor());
            return true;
        }
    }
    return false;
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
