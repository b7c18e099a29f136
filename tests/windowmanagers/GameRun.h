#pragma once

// The real program as the window-manager tests run it: started with its
// settings in a directory of the test's and the environment the test gives
// it, its windows found once the window manager has framed them, and ended
// with Ctrl+Q.

#include "FrameProbe.h"
#include "support/GameDriver.h"

#include <QProcessEnvironment>
#include <QString>
#include <functional>
#include <optional>

namespace desktops
{

using EnvironmentChange = std::function<void(QProcessEnvironment &)>;

// `change` (when given), then QT_SCALE_FACTOR set to `scale` (empty: left
// as it is).
inline EnvironmentChange scaled(const EnvironmentChange &change, const QString &scale)
{
    return [change, scale](QProcessEnvironment &environment) {
        if (change)
            change(environment);
        if (!scale.isEmpty())
            environment.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
    };
}

// One run of the program under test (HUERIDDLE_PROGRAM).
class GameRun : public e2e::ProgramRun
{
public:
    explicit GameRun(const QString &configHome, const EnvironmentChange &change = {})
        : ProgramRun(e2e::kProgram, configHome, {}, change)
    {
    }

    // Both windows once the window manager has framed them; nothing when
    // either does not come or stays without a frame.
    std::optional<e2e::GameWindows> framedWindows() const
    {
        const std::optional<e2e::GameWindows> windows = e2e::waitForGameWindows(*this);
        if (!windows ||
            !e2e::pollUntil([&] { return frameOf(windows->board) && frameOf(windows->palette); }))
            return std::nullopt;
        return windows;
    }

    // Types Ctrl+Q into `window`; the calling test fails unless the program
    // then ends with status 0.
    void quit(const QString &window)
    {
        const QString failure = e2e::quitWithCtrlQ(*this, window);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
};

} // namespace desktops
