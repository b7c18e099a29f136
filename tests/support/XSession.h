#pragma once

// Drives the real program on a real X server as a player would: starts it,
// finds its windows, moves the mouse and types with xdotool (XTEST events that
// go through the server), and looks at the screen. Every wait is a poll with a
// deadline.

#include "support/SettingsFile.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QRect>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <functional>
#include <optional>

namespace e2e
{

constexpr int kWaitMs = 10000;

// Calls `done` every 25 ms until it answers true or `timeoutMs` have passed.
inline bool pollUntil(const std::function<bool()> &done, int timeoutMs = kWaitMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(25);
    }
    return true;
}

// Runs `program` with `arguments` and returns what it wrote; nothing when it
// failed or took longer than five seconds.
inline std::optional<QString> programOutput(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(1000);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// Runs xdotool with `arguments` and returns what it wrote, trimmed; nothing
// when it failed or took longer than five seconds.
inline std::optional<QString> xdotool(const QStringList &arguments)
{
    const std::optional<QString> written = programOutput(QStringLiteral("xdotool"), arguments);
    return written ? std::optional<QString>(written->trimmed()) : std::nullopt;
}

// A short pause between the steps of a gesture, so that the program sees each
// of them as a separate event.
inline void pause()
{
    QThread::msleep(30);
}

inline QImage screenshot()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
        QImage::Format_RGB32);
}

// One run of the program, in a home and configuration directory of its own.
class ProgramRun
{
public:
    // `adjust` may change the environment the program gets; `arguments` go to
    // `program` (a wrapper such as valgrind, or the program itself).
    ProgramRun(const QString &program, const QString &configHome, const QStringList &arguments = {},
               const std::function<void(QProcessEnvironment &)> &adjust = {})
        : m_configHome(configHome)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
        environment.insert(QStringLiteral("HOME"), m_home.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        if (adjust)
            adjust(environment);
        m_process.setProcessEnvironment(environment);
        m_process.start(program, arguments);
    }

    ~ProgramRun()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    QProcess &process() { return m_process; }

    // Whether the program is still running; waits for it to have started.
    bool alive()
    {
        if (m_process.state() == QProcess::Starting)
            m_process.waitForStarted(kWaitMs);
        return m_process.state() == QProcess::Running && !m_process.waitForFinished(0);
    }
    QString settingsFile() const { return settingsFileIn(m_configHome); }

    // The one visible window of this run whose title matches `titlePattern`
    // (a regular expression), or nothing.
    std::optional<QString> findWindow(const QString &titlePattern) const
    {
        const std::optional<QString> found =
            xdotool({"search", "--all", "--onlyvisible", "--pid",
                     QString::number(m_process.processId()), "--name", titlePattern});
        if (!found || found->isEmpty() || found->contains(u'\n'))
            return std::nullopt;
        return found;
    }

    // Every visible window of this run.
    QStringList visibleWindows() const
    {
        const std::optional<QString> found =
            xdotool({"search", "--all", "--onlyvisible", "--pid",
                     QString::number(m_process.processId()), "--name", ".*"});
        if (!found || found->isEmpty())
            return {};
        return found->split(u'\n');
    }

    std::optional<QString> waitForWindow(const QString &titlePattern, int timeoutMs = kWaitMs) const
    {
        std::optional<QString> window;
        pollUntil([&] { return (window = findWindow(titlePattern)).has_value(); }, timeoutMs);
        return window;
    }

    // Reads the process's output so far (for failure messages).
    QString output()
    {
        m_output += QString::fromLocal8Bit(m_process.readAllStandardError());
        return m_output;
    }

private:
    QString m_configHome;
    QTemporaryDir m_home;
    QProcess m_process;
    QString m_output;
};

inline std::optional<QRect> windowGeometry(const QString &window)
{
    const std::optional<QString> shell = xdotool({"getwindowgeometry", "--shell", window});
    if (!shell)
        return std::nullopt;
    int x = 0, y = 0, width = 0, height = 0;
    for (const QString &line : shell->split(u'\n')) {
        const QString key = line.section(u'=', 0, 0);
        const int value = line.section(u'=', 1).toInt();
        if (key == QLatin1String("X"))
            x = value;
        else if (key == QLatin1String("Y"))
            y = value;
        else if (key == QLatin1String("WIDTH"))
            width = value;
        else if (key == QLatin1String("HEIGHT"))
            height = value;
    }
    return QRect(x, y, width, height);
}

inline std::optional<QString> windowName(const QString &window)
{
    return xdotool({"getwindowname", window});
}

inline bool moveWindow(const QString &window, QPoint position)
{
    if (!xdotool(
            {"windowmove", window, QString::number(position.x()), QString::number(position.y())}))
        return false;
    return pollUntil([&] {
        const std::optional<QRect> geometry = windowGeometry(window);
        return geometry && geometry->topLeft() == position;
    });
}

// Gives `window` the keyboard focus, as a click on it would, and types `keys`
// (xdotool's names, such as "ctrl+shift+n").
inline bool typeInto(const QString &window, const QString &keys)
{
    if (!xdotool({"windowfocus", "--sync", window}))
        return false;
    pause();
    return xdotool({"key", keys}).has_value();
}

inline bool click(QPoint at)
{
    if (!xdotool({"mousemove", QString::number(at.x()), QString::number(at.y())}))
        return false;
    pause();
    return xdotool({"click", "1"}).has_value();
}

// A real drag: press on `from`, move there in several steps, release on `to`.
inline bool drag(QPoint from, QPoint to)
{
    if (!xdotool({"mousemove", QString::number(from.x()), QString::number(from.y())}))
        return false;
    pause();
    if (!xdotool({"mousedown", "1"}))
        return false;
    constexpr int kSteps = 8;
    for (int step = 1; step <= kSteps; ++step) {
        pause();
        const QPoint at = from + (to - from) * step / kSteps;
        if (!xdotool({"mousemove", QString::number(at.x()), QString::number(at.y())}))
            return false;
    }
    pause();
    return xdotool({"mouseup", "1"}).has_value();
}

} // namespace e2e
