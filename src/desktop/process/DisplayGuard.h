#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Guards the creation of the QApplication. Qt's platform plugin ends the
// process with qFatal() (an abort and a core dump) when it cannot reach a
// display; while a guard is installed, Qt's messages are held back and such a
// fatal error ends the program with one line on stderr (Diagnostics) and exit
// status 1.
class DisplayGuard
{
public:
    // Installs the guard.
    DisplayGuard();
    // Releases the guard if release() was not called.
    ~DisplayGuard();

    DisplayGuard(const DisplayGuard &) = delete;
    DisplayGuard &operator=(const DisplayGuard &) = delete;

    // The application exists: passes the held messages on and puts Qt's
    // message handling back as it was.
    void release();

    // What the line says when the window system cannot be started, for the
    // value of DISPLAY (`display`, empty when unset) and Qt's own messages.
    static QString failureLine(const QString &display, const QStringList &messages);
};
