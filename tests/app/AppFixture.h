#pragma once

// The program's controller with its real windows, whose alerts are recorded
// and answered at once, and user settings kept in a directory of the test's
// own.

#include "app/AppController.h"

#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <vector>

struct RecordedAlert {
    QString title;
    QString message;
    QString button;
};

class RecordingAppController : public AppController
{
public:
    std::vector<RecordedAlert> alerts;
    // Runs while an alert is "up", before it is answered.
    std::function<void(const RecordedAlert &)> whileAlertIsUp;

protected:
    void runAlertPanel(const QString &title, const QString &message, const QString &button) override
    {
        alerts.push_back({title, message, button});
        if (whileAlertIsUp)
            whileAlertIsUp(alerts.back());
    }
};

// Points the user and system settings at a fresh directory; the program's
// settings file is then filePath(). Settings objects made before it keep their
// old place.
class IsolatedSettings
{
public:
    IsolatedSettings()
    {
        for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
            QSettings::setPath(format, QSettings::UserScope, dir.path());
            QSettings::setPath(format, QSettings::SystemScope, dir.filePath("system"));
        }
    }

    QString directory() const { return dir.filePath("Hueriddle"); }
    QString filePath() const { return dir.filePath("Hueriddle/Hueriddle.conf"); }

    QTemporaryDir dir;
};

// Moves `window` so that its inside (QWidget::geometry(), what the saved
// geometry data holds) starts at `position`.
inline void moveInside(QWidget *window, QPoint position)
{
    window->setGeometry(QRect(position, window->size()));
}

// Whether the frame of `window` sits in the lower-left corner of the
// available area of its screen, as on a first run.
inline bool inFirstRunCorner(const QWidget *window)
{
    return window->frameGeometry().bottomLeft() ==
           window->screen()->availableGeometry().bottomLeft();
}

// The geometry data that QWidget::saveGeometry() writes for a hidden window of
// `flags` at `geometry`, in `state`.
inline QByteArray geometryData(const QRect &geometry, Qt::WindowStates state = Qt::WindowNoState,
                               Qt::WindowFlags flags = Qt::Window)
{
    QWidget window(nullptr, flags);
    window.setGeometry(geometry);
    window.setWindowState(state);
    return window.saveGeometry();
}
