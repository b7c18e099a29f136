#pragma once

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <optional>
#include <vector>

class QWidget;

// The saved frames of the program's windows, kept in the user settings
// (organization and application "Hueriddle") as QWidget::saveGeometry() data
// under one key per window. Reading never trusts the file: a missing, garbled
// or foreign value is ignored (FrameRecord), and a frame off every screen is
// brought back on screen (FramePlacement). Writing never fails loudly: every write puts out the
// frames of all the windows, so when the settings cannot be written nothing is lost, and the next
// write that succeeds brings the file up to date.
class WindowFrames : public QObject
{
    Q_OBJECT

public:
    static inline const QString kMainKey = QStringLiteral("HueRiddlesMain");
    static inline const QString kPaletteKey = QStringLiteral("HueRiddlesPalette");

    explicit WindowFrames(QObject *parent = nullptr);
    ~WindowFrames() override;

    // Moves `window` (of its final, fixed size) to the position saved under
    // `key`, with its frame wholly on a screen. Without a usable saved value
    // its frame goes to the lower-left corner of the available area of its
    // screen. Returns whether a saved position was used.
    bool restoreFrame(QWidget *window, const QString &key);

    // From now on every move of `window` is saved under `key`.
    void autosaveFrame(QWidget *window, const QString &key);

    // Takes the frame of `window` for `key`; the settings are written as soon
    // as the event loop runs.
    void saveFrame(QWidget *window, const QString &key);

    // Takes the frame of every autosaved window still alive and writes the
    // settings out now; false when they could not be written.
    bool synchronize();

    // The position of the inside of a window (as QWidget::geometry() has it)
    // saved in `value` by QWidget::saveGeometry(), exactly as saved; nothing
    // when `value` is not complete data of a version Qt writes, or describes a
    // maximized or full-screen window.
    static std::optional<QPoint> savedPosition(const QVariant &value);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Autosaved {
        QPointer<QWidget> window;
        QString key;
    };

    bool write();

    std::vector<Autosaved> m_autosaved;
    QMap<QString, QByteArray> m_frames;
    QTimer m_writeTimer;
};
