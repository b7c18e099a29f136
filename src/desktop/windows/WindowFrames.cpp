#include "desktop/windows/WindowFrames.h"

#include "desktop/files/UserSettings.h"
#include "desktop/windows/FrameExtents.h"
#include "desktop/windows/FramePlacement.h"
#include "desktop/windows/FrameRecord.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QVariant>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace
{

// Coordinates this far out are off every screen; bounding them keeps all
// arithmetic on positions within int.
QPoint bounded(QPoint point)
{
    constexpr int kFar = 1 << 28;
    return QPoint(std::clamp(point.x(), -kFar, kFar), std::clamp(point.y(), -kFar, kFar));
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

// Makes the top-level window's native window, and no other. winId() alone
// would also mark the widget native, and a native widget that has a parent
// widget (an owned window has its owner) makes every other child of that
// parent native: the owner's menu bar and contents would each become a
// window of their own on the display, made, mapped and flushed apart from the
// window they belong to.
void makeNativeWindow(QWidget *window)
{
    const bool siblingsStayed =
        QCoreApplication::testAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    window->winId();
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings, siblingsStayed);
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

bool WindowFrames::platformPlacesWindows()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool WindowFrames::restoreFrame(QWidget *window, const QString &key, QWidget *owner)
{
    if (!platformPlacesWindows())
        return false;
    // The frame, not just the window's inside, is what goes on screen. Where
    // the platform knows a window's frame before it is shown, the native
    // window is made first to ask for it. On X11 the window manager frames a
    // window only once it is shown, so the position is given before the
    // native window is made, which then starts out there: moving it
    // afterwards would cost the server a reconfiguration and the program
    // round trips on the way to its first frame.
    FrameExtents::prepare();
    if (FrameExtents::knownBeforeShown())
        makeNativeWindow(window);
    const QMargins margins =
        window->windowHandle() ? FrameExtents(window->windowHandle()).margins() : QMargins();
    const QVariant value = UserSettings::open().value(key);
    const std::optional<QPoint> saved = savedPosition(value);
    const QPoint inside = placeInside(window, saved, margins, owner);
    window->setGeometry(QRect(inside, window->size()));
    makeNativeWindow(window);
    QWindow *handle = window->windowHandle();
    Record &record = recordFor(window);
    record.placed = true;
    record.owner = owner;
    record.saved = saved;
    record.savedValue = value;
    record.margins = margins;
    record.placedAt = inside;
    record.settled = false;
    record.extents.reset();
    // A window manager tells the decorations' size once it has framed the
    // window, at the latest when the window is first shown.
    if (handle)
        handle->installEventFilter(this);
    window->installEventFilter(this);
    return saved.has_value();
}

QPoint WindowFrames::placeInside(const QWidget *window, const std::optional<QPoint> &saved,
                                 QMargins margins, const QWidget *owner) const
{
    const QPoint offset(margins.left(), margins.top());
    const QSize frameSize = window->size().grownBy(margins);
    QPoint frame;
    if (saved)
        frame = FramePlacement::onScreen(bounded(*saved) - offset, frameSize, availableAreas());
    else if (owner && owner->screen())
        frame =
            FramePlacement::beside(owner->screen()->availableGeometry(), frameOf(owner), frameSize);
    else
        frame = firstRunPosition(window->screen(), frameSize);
    return frame + offset;
}

QRect WindowFrames::frameOf(const QWidget *window) const
{
    const Record *record = recordOf(window);
    if (record && record->placed)
        return window->geometry().marginsAdded(record->margins);
    return window->frameGeometry();
}

void WindowFrames::settle(Record &placement)
{
    QWidget *window = placement.window;
    if (!placement.placed || placement.settled || !window || !placement.extents)
        return;
    // Until the window manager has framed the window, there are no margins
    // to allow for (and with none at all, nothing to change). The first
    // margins it tells are final: the window is placed with them once, before
    // the player can have moved it, whatever positions the window manager
    // reported on the way.
    const QMargins margins = placement.extents->margins();
    placement.extents.reset();
    if (margins.isNull())
        return;
    placement.settled = true;
    if (margins == placement.margins)
        return;
    placement.margins = margins;
    placement.placedAt = placeInside(window, placement.saved, margins, placement.owner);
    if (placement.placedAt != window->geometry().topLeft())
        window->setGeometry(QRect(placement.placedAt, window->size()));
}

void WindowFrames::settleLater(Record &placement)
{
    QWidget *window = placement.window;
    if (!placement.placed || placement.settled || placement.extents || !window ||
        !window->windowHandle())
        return;
    // The margins are asked for now and read once control is back in the
    // event loop: an expose draws the window meanwhile. The events of one
    // start (a show, exposes, moves) are answered by one question.
    placement.extents = std::make_unique<FrameExtents>(window->windowHandle());
    QMetaObject::invokeMethod(
        this,
        [this, window = placement.window] {
            if (Record *record = recordOf(window))
                settle(*record);
        },
        Qt::QueuedConnection);
}

const WindowFrames::Record *WindowFrames::fittedPlacement(const QWidget *window) const
{
    const Record *placement = recordOf(window);
    if (!placement || !placement->placed)
        return nullptr;
    const bool fitted = placement->saved && *placement->saved != placement->placedAt;
    return fitted && window->geometry().topLeft() == placement->placedAt ? placement : nullptr;
}

QVariant WindowFrames::frameValue(QWidget *window) const
{
    if (const Record *fitted = fittedPlacement(window))
        return fitted->savedValue;
    return window->saveGeometry();
}

void WindowFrames::autosaveFrame(QWidget *window, const QString &key)
{
    if (!platformPlacesWindows())
        return;
    Record &record = recordFor(window);
    const bool autosaved = !record.autosaveKey.isEmpty();
    record.autosaveKey = key;
    if (autosaved)
        return;
    // The frame the window has now is known; showing the window reports it
    // as a move, which then has nothing new to write.
    m_frames.insert(key, frameValue(window));
    window->installEventFilter(this);
}

void WindowFrames::saveFrame(QWidget *window, const QString &key)
{
    if (!platformPlacesWindows())
        return;
    m_frames.insert(key, frameValue(window));
    m_writeTimer.start();
}

bool WindowFrames::synchronize()
{
    for (const Record &record : m_records)
        if (record.window && !record.autosaveKey.isEmpty())
            m_frames.insert(record.autosaveKey, frameValue(record.window));
    return write();
}

bool WindowFrames::write()
{
    m_writeTimer.stop();
    if (m_frames.isEmpty())
        return true;
    // A settings object of its own for each write, so that its status tells
    // about this write alone.
    QSettings settings = UserSettings::open();
    for (auto frame = m_frames.cbegin(); frame != m_frames.cend(); ++frame)
        settings.setValue(frame.key(), frame.value());
    settings.sync();
    return settings.status() == QSettings::NoError;
}

WindowFrames::Record &WindowFrames::recordFor(QWidget *window)
{
    for (Record &record : m_records)
        if (record.window == window)
            return record;
    m_records.push_back(Record{});
    m_records.back().window = window;
    return m_records.back();
}

WindowFrames::Record *WindowFrames::recordOf(const QObject *watched)
{
    return const_cast<Record *>(std::as_const(*this).recordOf(watched));
}

const WindowFrames::Record *WindowFrames::recordOf(const QObject *watched) const
{
    for (const Record &record : m_records)
        if (record.window && (record.window == watched || record.window->windowHandle() == watched))
            return &record;
    return nullptr;
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
    Record *record = nullptr;
    if (event->type() == QEvent::Expose || event->type() == QEvent::Move)
        record = recordOf(watched);
    if (record)
        settleLater(*record);
    // Moves are saved as the widget reports them, not its native window.
    if (event->type() == QEvent::Move && record && record->window == watched &&
        !record->autosaveKey.isEmpty() &&
        frameValue(record->window) != m_frames.value(record->autosaveKey))
        saveFrame(record->window, record->autosaveKey);
    return QObject::eventFilter(watched, event);
}
