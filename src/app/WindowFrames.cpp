#include "app/WindowFrames.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <algorithm>

WindowFrames::WindowFrames(QObject *parent)
    : QObject(parent), m_settings(QStringLiteral("Hueriddle"), QStringLiteral("Hueriddle"))
{
}

WindowFrames::~WindowFrames() = default;

bool WindowFrames::restoreFrame(QWidget *window, const QString &key)
{
    const QSize size = window->size();
    const std::optional<QPoint> saved =
        savedPosition(m_settings.value(key), size, window->windowFlags());
    const QPoint position =
        saved ? onScreenPosition(*saved, size) : firstRunPosition(window->screen(), size);
    window->setGeometry(QRect(position, size));
    return saved.has_value();
}

void WindowFrames::autosaveFrame(QWidget *window, const QString &key)
{
    for (Autosaved &entry : m_autosaved) {
        if (entry.window == window) {
            entry.key = key;
            return;
        }
    }
    m_autosaved.push_back({window, key});
    window->installEventFilter(this);
}

void WindowFrames::saveFrame(QWidget *window, const QString &key)
{
    m_settings.setValue(key, window->saveGeometry());
}

bool WindowFrames::synchronize()
{
    for (const Autosaved &entry : m_autosaved)
        if (entry.window)
            saveFrame(entry.window, entry.key);
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}

QPoint WindowFrames::firstRunPosition(const QScreen *screen, QSize size)
{
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QPoint(0, 0);
    const QRect available = screen->availableGeometry();
    return QPoint(available.left(), available.top() + available.height() - size.height());
}

QPoint WindowFrames::onScreenPosition(QPoint topLeft, QSize size)
{
    // 64-bit edges, so that no saved coordinate can overflow.
    const qint64 left = topLeft.x();
    const qint64 top = topLeft.y();
    const qint64 right = left + size.width();
    const qint64 bottom = top + size.height();

    const QScreen *best = nullptr;
    qint64 bestArea = 0;
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        const qint64 areaLeft = area.left();
        const qint64 areaTop = area.top();
        const qint64 areaRight = areaLeft + area.width();
        const qint64 areaBottom = areaTop + area.height();
        if (left >= areaLeft && top >= areaTop && right <= areaRight && bottom <= areaBottom)
            return topLeft;
        const qint64 width = std::min(right, areaRight) - std::max(left, areaLeft);
        const qint64 height = std::min(bottom, areaBottom) - std::max(top, areaTop);
        if (width > 0 && height > 0 && width * height > bestArea) {
            best = screen;
            bestArea = width * height;
        }
    }
    if (!best)
        best = QGuiApplication::primaryScreen();
    if (!best)
        return topLeft;

    // A window larger than the screen keeps its top-left corner (and so its
    // title bar) on the screen.
    const QRect area = best->availableGeometry();
    const qint64 x = std::clamp<qint64>(
        left, area.left(),
        std::max<qint64>(area.left(), qint64(area.left()) + area.width() - size.width()));
    const qint64 y = std::clamp<qint64>(
        top, area.top(),
        std::max<qint64>(area.top(), qint64(area.top()) + area.height() - size.height()));
    return QPoint(int(x), int(y));
}

std::optional<QPoint> WindowFrames::savedPosition(const QVariant &value, QSize size,
                                                  Qt::WindowFlags flags)
{
    if (value.typeId() != QMetaType::QByteArray)
        return std::nullopt;
    // Qt reads the data into a window that is never shown, so that nothing a
    // foreign value holds (a size, a window state) reaches the real window:
    // only the position is taken from it.
    QWidget probe(nullptr, flags);
    probe.setFixedSize(size);
    if (!probe.restoreGeometry(value.toByteArray()))
        return std::nullopt;
    if (probe.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized))
        return std::nullopt;
    return probe.geometry().topLeft();
}

bool WindowFrames::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Move) {
        for (const Autosaved &entry : m_autosaved) {
            if (entry.window == watched) {
                saveFrame(entry.window, entry.key);
                break;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
