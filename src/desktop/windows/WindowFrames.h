#pragma once

#include <QByteArray>
#include <QMap>
#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QVariant>
#include <memory>
#include <optional>
#include <vector>

class FrameExtents;
class QWidget;

// The saved frames of the program's windows, kept in the settings file
// (UserSettings) as QWidget::saveGeometry() data under one key per window. Reading never trusts the
// file: a missing, garbled or foreign value is ignored (FrameRecord), and a frame off every screen
// is brought back on screen (FramePlacement). Writing never fails loudly: every write puts out the
// frames of all the windows, so when the settings cannot be written nothing is lost, and the next
// write that succeeds brings the file up to date.
//
// Under a window manager the frame placed on screen is the decorated one:
// once the window manager has told the decorations' size, a window placed by
// the program is placed again with them, and a saved position the program had
// to change to fit the screen is not saved over the player's own. Where the
// platform lets no program place its windows (Wayland), nothing is placed and
// nothing is written, so that the saved frames stay as they were.
class WindowFrames : public QObject
{
    Q_OBJECT

public:
    explicit WindowFrames(QObject *parent = nullptr);
    ~WindowFrames() override;

    // Moves `window` (of its final, fixed size) to the position saved under
    // `key`, with its frame wholly on a screen; a frame larger than the
    // screen keeps its top-left corner, and so its title bar and menu bar, on
    // it. Without a usable saved value its frame goes to the lower-left corner
    // of the available area of its screen or, for a window that belongs to an
    // `owner` placed and shown before it, beside the owner's frame
    // (FramePlacement::beside): the window manager frames the owner first, so
    // the window is placed with the owner's final frame once its own margins
    // are known. Returns whether a saved position was used; where the platform
    // places no windows, does nothing and returns false.
    bool restoreFrame(QWidget *window, const QString &key, QWidget *owner = nullptr);

    // From now on every move of `window` is saved under `key`.
    void autosaveFrame(QWidget *window, const QString &key);

    // Takes the frame of `window` for `key`; the settings are written as soon
    // as the event loop runs.
    void saveFrame(QWidget *window, const QString &key);

    // Takes the frame of every autosaved window still alive and writes the
    // settings out now; false when they could not be written.
    bool synchronize();

    // Whether the window system lets the program place its windows: X11
    // does, Wayland does not.
    static bool platformPlacesWindows();

    // The position of the inside of a window (as QWidget::geometry() has it)
    // saved in `value` by QWidget::saveGeometry(), exactly as saved; nothing
    // when `value` is not complete data of a version Qt writes, or describes a
    // maximized or full-screen window.
    static std::optional<QPoint> savedPosition(const QVariant &value);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Everything kept about one window: where the program put it and from
    // what, and the key its moves are saved under.
    struct Record {
        QPointer<QWidget> window;
        // The key every move is saved under; empty while not autosaved.
        QString autosaveKey;
        // Whether restoreFrame() placed the window; the fields below tell how.
        bool placed = false;
        // The window it opens beside when nothing is saved, if any.
        QPointer<QWidget> owner;
        // The position of the inside saved for the window, and the value it
        // was read from.
        std::optional<QPoint> saved;
        QVariant savedValue;
        // The frame's margins the placement allowed for.
        QMargins margins;
        // The position of the inside the program gave the window.
        QPoint placedAt;
        // Whether the window has been placed with the margins its window
        // manager drew.
        bool settled = false;
        // The question for those margins, while its answer is still to be
        // read.
        std::unique_ptr<FrameExtents> extents;
    };

    // The record of `window`, made when there is none yet.
    Record &recordFor(QWidget *window);
    // The record of the window that is `watched` or whose native window it
    // is; null when there is none.
    Record *recordOf(const QObject *watched);
    const Record *recordOf(const QObject *watched) const;

    // The position of the inside of `window` with frame margins `margins`:
    // the saved one when its frame lies wholly on a screen, else moved onto
    // one; without one, the frame beside the frame of `owner` or, without an
    // owner, in the lower-left corner of the window's screen.
    QPoint placeInside(const QWidget *window, const std::optional<QPoint> &saved, QMargins margins,
                       const QWidget *owner) const;
    // The frame of `window` with the margins its placement allowed for.
    QRect frameOf(const QWidget *window) const;
    // Places the window of `placement` again once, when its frame's margins
    // are first known: asks for them, and reads the answer once control is
    // back in the event loop.
    void settleLater(Record &record);
    void settle(Record &record);
    // The placement of `window` while the window is still where the program
    // had to move its saved position to fit a screen; nothing otherwise.
    const Record *fittedPlacement(const QWidget *window) const;
    // The value to save for `window`: what was saved before while the window
    // stays where the program fitted it, its present frame otherwise.
    QVariant frameValue(QWidget *window) const;
    bool write();

    std::vector<Record> m_records;
    QMap<QString, QVariant> m_frames;
    QTimer m_writeTimer;
};
