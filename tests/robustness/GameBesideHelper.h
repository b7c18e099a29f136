#pragma once

// What the tests of drags between the game and the helper program share: the
// game running on the test's X server, its board at (100, 100) and its palette
// at (600, 100), out of the way of the helper's windows.

#include "support/GameDriver.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#ifndef HUERIDDLE_HOSTILE_DRAG
#error "HUERIDDLE_HOSTILE_DRAG must name the helper program"
#endif

inline const QString kHelper = QStringLiteral(HUERIDDLE_HOSTILE_DRAG);

struct GameBesideHelper {
    std::unique_ptr<QTemporaryDir> config;
    std::unique_ptr<e2e::ProgramRun> run;
    // The X window ids of the board and the palette.
    QString board;
    QString palette;

    // Checks for the tools and starts the game. A failed check fails the
    // calling test, which sees it in QTest::currentTestFailed().
    void start()
    {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty(),
                 "xdotool is needed (scripts/install-deps.sh installs it)");
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        QVERIFY(QFileInfo(kHelper).isExecutable());

        config = std::make_unique<QTemporaryDir>();
        run = std::make_unique<e2e::ProgramRun>(e2e::kProgram, config->path());
        const std::optional<QString> boardFound = run->waitForWindow(e2e::kWithReplacement);
        const std::optional<QString> paletteFound = run->waitForWindow(e2e::kPaletteTitle);
        QVERIFY2(boardFound && paletteFound, qPrintable(run->output()));
        board = *boardFound;
        palette = *paletteFound;
        QVERIFY(e2e::moveWindow(board, QPoint(100, 100)));
        QVERIFY(e2e::moveWindow(palette, QPoint(600, 100)));
    }

    // Ends a started game with Ctrl+Q; fails the calling test when it does
    // not end.
    void quit()
    {
        if (!run)
            return;
        const QString failure = e2e::quitWithCtrlQ(*run, board);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
};
