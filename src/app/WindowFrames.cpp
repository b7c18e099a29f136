#include "app/WindowFrames.h"

#include "app/FramePlacement.h"
#include "app/FrameRecord.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QVariant>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace
{

// Coordinates this far out are off every screen; bounding them keeps all
// arithmetic on positions within int.
QPoint bounded(QPoint point)
{
    constexpr int kFar = 1 << 28;
    return QPoint(std::clamp(point.x(), -kFar, kFar), std::clamp(point.y(), -kFar, kFar));
}

QSettings userSettings()
{
    return QSettings(QStringLiteral("Hueriddle"), QStringLiteral("Hueriddle"));
}

// The available areas of all screens, the primary screen's first.
QList<QRect> availableAreas()
{
    QList<QRect> areas;
    // QGuiApplication::screens() lists the primary screen first.
    for (const QScreen *screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    return areas;
}

QPoint firstRunPosition(const QScreen *screen, QSize frameSize)
{
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QPoint(0, 0);
    return FramePlacement::firstRun(screen->availableGeometry(), frameSize);
}

} // namespace

WindowFrames::WindowFrames(QObject *parent) : QObject(parent)
{
    // A drag of a window moves it many times a second; those moves are
    // written out together.
    m_writeTimer.setSingleShot(true);
    m_writeTimer.setInterval(0);
    connect(&m_writeTimer, &QTimer::timeout, this, &WindowFrames::write);
}

WindowFrames::~WindowFrames() = default;

bool WindowFrames::restoreFrame(QWidget *window, const QString &key)
{
    // The native window is made first, so that the frame's margins are known
    // wherever the platform can tell them before the window is shown; the
    // frame, not just the window's inside, is what goes on screen.
    window->winId();
    const QMargins margins =
        window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
    const QPoint inside(margins.left(), margins.top());
    const QSize size = window->size();
    const QSize frameSize = size.grownBy(margins);

    const std::optional<QPoint> saved = savedPosition(userSettings().value(key));
    const QPoint frame =
        saved ? FramePlacement::onScreen(bounded(*saved) - inside, frameSize, availableAreas())
              : firstRunPosition(window->screen(), frameSize);
    window->setGeometry(QRect(frame + inside, size));
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
    // The frame the window has now is known; showing the window reports it
    // as a move, which then has nothing new to write.
    m_frames.insert(key, window->saveGeometry());
    window->installEventFilter(this);
}

void WindowFrames::saveFrame(QWidget *window, const QString &key)
{
    m_frames.insert(key, window->saveGeometry());
    m_writeTimer.start();
}

bool WindowFrames::synchronize()
{
    for (const Autosaved &entry : m_autosaved)
        if (entry.window)
            m_frames.insert(entry.key, entry.window->saveGeometry());
    return write();
}

bool WindowFrames::write()
{
    m_writeTimer.stop();
    // A settings object of its own for each write, so that its status tells
    // about this write alone.
    QSettings settings = userSettings();
    for (auto frame = m_frames.cbegin(); frame != m_frames.cend(); ++frame)
        settings.setValue(frame.key(), frame.value());
    settings.sync();
    return settings.status() == QSettings::NoError;
}

std::optional<QPoint> WindowFrames::savedPosition(const QVariant &value)
{
    if (value.typeId() != QMetaType::QByteArray)
        return std::nullopt;
    const std::optional<FrameRecord> record = FrameRecord::read(value.toByteArray());
    if (!record || record->maximized || record->fullScreen)
        return std::nullopt;
    return record->geometry.topLeft();
}

bool WindowFrames::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Move) {
        for (const Autosaved &entry : m_autosaved) {
            if (entry.window == watched) {
                if (entry.window->saveGeometry() != m_frames.value(entry.key))
                    saveFrame(entry.window, entry.key);
                break;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
