#include "desktop/process/InputGate.h"

#include <QCoreApplication>
#include <QEvent>

namespace
{

bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
        return true;
    default:
        return false;
    }
}

} // namespace

InputGate::InputGate(QObject *parent) : QObject(parent) {}

InputGate::~InputGate()
{
    if (m_wait && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

void InputGate::holdNextInput(std::function<void()> wait)
{
    if (!m_wait && QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
    m_wait = std::move(wait);
}

void InputGate::release()
{
    if (!m_wait)
        return;
    const std::function<void()> wait = std::move(m_wait);
    m_wait = nullptr;
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
    wait();
}

bool InputGate::eventFilter(QObject *watched, QEvent *event)
{
    if (m_wait && isInput(event->type()))
        release();
    return QObject::eventFilter(watched, event);
}
