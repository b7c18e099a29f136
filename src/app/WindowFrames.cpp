#include "app/WindowFrames.h"

#include <QDataStream>
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

// What a window's saved frame says of it.
struct GeometryRecord {
    QRect geometry;
    bool maximized = false;
    bool fullScreen = false;
};

// Reads QWidget::saveGeometry()'s format by hand: Qt's own reader moves a
// window that touches an edge of its screen a pixel or a title bar's height
// inwards, so a window put back with it would creep at every start. Nothing
// when the data is cut short or names no known version; Qt would read missing
// fields as zeros and place the window at the corner.
std::optional<GeometryRecord> readGeometryRecord(const QByteArray &data)
{
    constexpr quint32 kMagic = 0x1D9D0CB;
    QDataStream stream(data);
    stream.setVersion(QDataStream::Qt_4_0);
    quint32 magic = 0;
    quint16 major = 0;
    quint16 minor = 0;
    stream >> magic >> major >> minor;
    if (magic != kMagic || major < 1 || major > 3)
        return std::nullopt;
    QRect frame;
    QRect normal;
    qint32 screen = 0;
    quint8 maximized = 0;
    quint8 fullScreen = 0;
    stream >> frame >> normal >> screen >> maximized >> fullScreen;
    if (major > 1) {
        qint32 screenWidth = 0;
        stream >> screenWidth;
    }
    // Before the third version only the normal geometry was kept.
    QRect geometry = normal;
    if (major > 2)
        stream >> geometry;
    if (stream.status() != QDataStream::Ok || !geometry.isValid())
        return std::nullopt;
    return GeometryRecord{geometry, maximized != 0, fullScreen != 0};
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
    const QPoint frame = saved ? onScreenPosition(bounded(*saved) - inside, frameSize)
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

QPoint WindowFrames::firstRunPosition(const QScreen *screen, QSize frameSize)
{
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QPoint(0, 0);
    const QRect available = screen->availableGeometry();
    return QPoint(available.left(), available.top() + available.height() - frameSize.height());
}

QPoint WindowFrames::onScreenPosition(QPoint topLeft, QSize frameSize)
{
    // 64-bit edges, so that no saved coordinate can overflow.
    const qint64 left = topLeft.x();
    const qint64 top = topLeft.y();
    const qint64 right = left + frameSize.width();
    const qint64 bottom = top + frameSize.height();

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
        std::max<qint64>(area.left(), qint64(area.left()) + area.width() - frameSize.width()));
    const qint64 y = std::clamp<qint64>(
        top, area.top(),
        std::max<qint64>(area.top(), qint64(area.top()) + area.height() - frameSize.height()));
    return QPoint(int(x), int(y));
}

std::optional<QPoint> WindowFrames::savedPosition(const QVariant &value)
{
    if (value.typeId() != QMetaType::QByteArray)
        return std::nullopt;
    const std::optional<GeometryRecord> record = readGeometryRecord(value.toByteArray());
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
