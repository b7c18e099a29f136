#pragma once

// The program's controller with its real windows, whose alerts are recorded
// and answered at once, and user settings kept in a directory of the test's
// own.

#include "app/AppController.h"
#include "support/AlertRecorder.h"
#include "support/SettingsFile.h"

#include <QFile>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <vector>

using RecordingAppController = AlertRecorder<AppController>;

// Points the user and system settings at a fresh directory; the program's
// settings file is then filePath(). Settings objects made before it keep their
// old place. The XDG data directory (dataHome(), where the history of games
// goes) and state directory (stateHome(), where the unfinished game is kept)
// go there too while it lives, so no test reads or writes the player's.
class IsolatedSettings
{
public:
    IsolatedSettings()
        : m_savedDataHome(qgetenv("XDG_DATA_HOME")), m_savedStateHome(qgetenv("XDG_STATE_HOME"))
    {
        for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
            QSettings::setPath(format, QSettings::UserScope, dir.path());
            QSettings::setPath(format, QSettings::SystemScope, dir.filePath("system"));
        }
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome()));
        qputenv("XDG_STATE_HOME", QFile::encodeName(stateHome()));
    }
    ~IsolatedSettings()
    {
        qputenv("XDG_DATA_HOME", m_savedDataHome);
        qputenv("XDG_STATE_HOME", m_savedStateHome);
    }
    IsolatedSettings(const IsolatedSettings &) = delete;
    IsolatedSettings &operator=(const IsolatedSettings &) = delete;

    QString dataHome() const { return dir.filePath("data"); }
    QString historyPath() const { return dir.filePath("data/hueriddle/history"); }

    QString stateHome() const { return dir.filePath("state"); }

    QString directory() const { return settingsDirectoryIn(dir.path()); }
    QString filePath() const { return settingsFileIn(dir.path()); }

    QTemporaryDir dir;

private:
    QByteArray m_savedDataHome;
    QByteArray m_savedStateHome;
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

// Whether the frame of `palette` opens where a first run puts it: its left
// edge at the right edge of the frame of `board`, the bottoms aligned.
inline bool besideTheBoard(const QWidget *palette, const QWidget *board)
{
    const QRect paletteFrame = palette->frameGeometry();
    const QRect boardFrame = board->frameGeometry();
    return paletteFrame.left() == boardFrame.right() + 1 &&
           paletteFrame.bottom() == boardFrame.bottom();
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
