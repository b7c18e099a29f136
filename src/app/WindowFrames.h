#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSettings>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

class QScreen;
class QWidget;

// The saved frames of the program's windows, kept in the user settings
// (organization and application "Hueriddle") as QWidget::saveGeometry() data
// under one key per window. Reading never trusts the file: a missing, garbled
// or foreign value is ignored, and a frame off every screen is brought back on
// screen. Writing never fails loudly: when the settings cannot be written the
// frames stay in memory and are written by the next save that succeeds.
class WindowFrames : public QObject
{
    Q_OBJECT

public:
    static inline const QString kMainKey = QStringLiteral("HueRiddlesMain");
    static inline const QString kPaletteKey = QStringLiteral("HueRiddlesPalette");

    explicit WindowFrames(QObject *parent = nullptr);
    ~WindowFrames() override;

    // Moves `window` (of its final, fixed size) to the frame saved under `key`.
    // Without a usable saved frame it goes to the lower-left corner of the
    // available area of its screen; returns whether a saved frame was used.
    bool restoreFrame(QWidget *window, const QString &key);

    // From now on every move of `window` is saved under `key`.
    void autosaveFrame(QWidget *window, const QString &key);

    void saveFrame(QWidget *window, const QString &key);

    // Saves the frame of every autosaved window still alive and writes the
    // settings out; false when they could not be written.
    bool synchronize();

    QSettings &settings() { return m_settings; }

    // The position of a window's frame of `size` when nothing is saved: the
    // lower-left corner of `screen`'s available area.
    static QPoint firstRunPosition(const QScreen *screen, QSize size);

    // `topLeft` itself when a frame of `size` there lies wholly on one screen;
    // otherwise the frame is moved onto the screen that shows most of it, or
    // the primary one when none shows any of it. Any coordinates are safe.
    static QPoint onScreenPosition(QPoint topLeft, QSize size);

    // The window position saved in `value` for a window of `size` and flags
    // `flags`, or nothing when `value` is not geometry data that Qt accepts
    // or describes a maximized, full-screen or minimized window.
    static std::optional<QPoint> savedPosition(const QVariant &value, QSize size,
                                               Qt::WindowFlags flags);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Autosaved {
        QPointer<QWidget> window;
        QString key;
    };

    QSettings m_settings;
    std::vector<Autosaved> m_autosaved;
};
