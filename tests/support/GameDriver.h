#pragma once

// What a test needs to play the real program through its windows: where the
// palette's colours and the menu bar's titles are, choosing from the "Game"
// menu, finding its two windows, answering alerts and quitting. Built on
// XSession.h.

#include "desktop/windows/WindowFrames.h"
#include "support/BoardReader.h"
#include "support/XSession.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QWidget>

#ifndef HUERIDDLE_PROGRAM
#error "HUERIDDLE_PROGRAM must name the built program"
#endif

namespace e2e
{

// The game under test, as built in this tree.
inline const QString kProgram = QStringLiteral(HUERIDDLE_PROGRAM);

inline const QString kWithReplacement = QStringLiteral("^Hueriddle \\(with replacement\\)$");
inline const QString kWithoutReplacement = QStringLiteral("^Hueriddle \\(without replacement\\)$");
inline const QString kBoardTitle = QStringLiteral("^Hueriddle \\(with(out)? replacement\\)$");
inline const QString kPaletteTitle = QStringLiteral("^Palette$");
inline const QString kAlert = QStringLiteral("^Alert$");
inline const QString kGameEnd = QStringLiteral("^(Congratulations!|Game over\\.)$");

// The board and the palette window of one run, as xdotool names them.
struct GameWindows {
    QString board;
    QString palette;
};

// Both windows of `run` as they are shown now; nothing unless both are.
inline std::optional<GameWindows> findGameWindows(const ProgramRun &run)
{
    const std::optional<QString> board = run.findWindow(kBoardTitle);
    const std::optional<QString> palette = run.findWindow(kPaletteTitle);
    if (!board || !palette)
        return std::nullopt;
    return GameWindows{*board, *palette};
}

// Both windows of `run`, waiting for the board, then for the palette, as
// ProgramRun::waitForWindow does; nothing when either does not come.
inline std::optional<GameWindows> waitForGameWindows(const ProgramRun &run)
{
    const std::optional<QString> board = run.waitForWindow(kBoardTitle);
    const std::optional<QString> palette = run.waitForWindow(kPaletteTitle);
    if (!board || !palette)
        return std::nullopt;
    return GameWindows{*board, *palette};
}

// The top-left pixel of the palette peg of `code`: its corner is
// (48 * ((code - 1) mod 3), 48 * ((code - 1) mod 2)) from the palette's lower
// left, y growing upwards.
inline QPoint palettePeg(const QRect &palette, int code)
{
    const int x = kPeg * ((code - 1) % 3);
    const int y = kPeg * ((code - 1) % 2);
    return palette.topLeft() + QPoint(x, palette.height() - y - kPeg);
}

// Where the program draws a title of its menu bar, relative to the board
// window, found by laying out the same texts with the same style and fonts,
// which a driver shares with the program on the same display.
inline QRect menuBarTitleRect(const QString &title, int width)
{
    QMenuBar bar;
    bar.setNativeMenuBar(false);
    bar.addMenu(QStringLiteral("Info"));
    bar.addMenu(QStringLiteral("Game"));
    bar.addAction(QStringLiteral("Hide"));
    bar.addAction(QStringLiteral("Quit"));
    bar.resize(width,
               bar.heightForWidth(width) > 0 ? bar.heightForWidth(width) : bar.sizeHint().height());
    for (QAction *action : bar.actions())
        if (action->text() == title)
            return bar.actionGeometry(action);
    return QRect();
}

inline QPoint menuBarTitleCentre(const QString &title, int width)
{
    const QRect rect = menuBarTitleRect(title, width);
    return rect.isValid() ? rect.center() : QPoint(-1, -1);
}

// Where an item of the "Game" menu is, relative to the open menu.
inline QPoint gameMenuItemCentre(const QString &item)
{
    QMenu menu;
    menu.addMenu(QStringLiteral("New game"));
    menu.addAction(QStringLiteral("Commit"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    menu.addAction(QStringLiteral("Move"));
    for (QAction *action : menu.actions())
        if (action->text() == item)
            return menu.actionGeometry(action).center();
    return QPoint(-1, -1);
}

// Chooses "Game" > `item` with the mouse from the menu bar of the board window
// at `board`; an empty string when done, what went wrong otherwise.
inline QString chooseFromGameMenu(const ProgramRun &run, const QRect &board, const QString &item,
                                  int timeoutMs = kWaitMs)
{
    const QStringList before = run.visibleWindows();
    if (!click(board.topLeft() + menuBarTitleCentre(QStringLiteral("Game"), board.width())))
        return QStringLiteral("xdotool failed");
    QString popup;
    if (!pollUntil(
            [&] {
                for (const QString &window : run.visibleWindows())
                    if (!before.contains(window))
                        popup = window;
                return !popup.isEmpty();
            },
            timeoutMs))
        return QStringLiteral("the Game menu did not open");
    const std::optional<QRect> menu = windowGeometry(popup);
    if (!menu)
        return QStringLiteral("the Game menu has no geometry");
    if (!click(menu->topLeft() + gameMenuItemCentre(item)))
        return QStringLiteral("xdotool failed");
    if (!pollUntil([&] { return !run.visibleWindows().contains(popup); }, timeoutMs))
        return QStringLiteral("the Game menu stayed open");
    return QString();
}

// Answers the alert titled by `titlePattern` with Enter and returns its
// title; an empty string when no such alert came or it did not close.
inline QString answerAlert(const ProgramRun &run, const QString &titlePattern,
                           int timeoutMs = kWaitMs)
{
    std::optional<QString> alert;
    pollUntil([&] { return (alert = run.findWindow(titlePattern)).has_value(); }, timeoutMs);
    if (!alert)
        return QString();
    const QString title = windowName(*alert).value_or(QString());
    if (!typeInto(*alert, QStringLiteral("Return")))
        return QString();
    if (!pollUntil([&] { return !run.visibleWindows().contains(*alert); }, timeoutMs))
        return QString();
    return title;
}

// Waits for the end of the program; an empty string when it ended with
// status 0, what went wrong otherwise.
inline QString endedCleanly(ProgramRun &run)
{
    if (!run.process().waitForFinished(kWaitMs))
        return QStringLiteral("the program did not end");
    if (run.process().exitStatus() != QProcess::NormalExit)
        return QStringLiteral("the program crashed: ") + run.output();
    if (run.process().exitCode() != 0)
        return QStringLiteral("exit status %1: %2").arg(run.process().exitCode()).arg(run.output());
    return QString();
}

// Types Ctrl+Q into `window` and waits for the program to end; an empty string
// when it ended with status 0, what went wrong otherwise.
inline QString quitWithCtrlQ(ProgramRun &run, const QString &window, int timeoutMs = kWaitMs)
{
    if (!typeInto(window, QStringLiteral("ctrl+q")))
        return QStringLiteral("xdotool failed");
    if (!run.process().waitForFinished(timeoutMs))
        return QStringLiteral("Ctrl+Q did not end the program");
    if (run.process().exitStatus() != QProcess::NormalExit || run.process().exitCode() != 0)
        return QStringLiteral("the program ended with status %1: %2")
            .arg(run.process().exitCode())
            .arg(run.output());
    return QString();
}

// The position of the inside of a window saved under `key` in `file`, as the
// program reads it back; read through a copy of the file, so that no settings
// object of this process can answer from what it holds in memory.
inline std::optional<QPoint> savedPosition(const QString &file, const QString &key)
{
    QTemporaryDir copyDir;
    const QString copy = copyDir.filePath(QStringLiteral("copy.conf"));
    if (!QFile::copy(file, copy))
        return std::nullopt;
    return WindowFrames::savedPosition(QSettings(copy, QSettings::IniFormat).value(key));
}

} // namespace e2e
