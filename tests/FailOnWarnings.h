#pragma once

// Makes any warning of Qt or of the program fail the running test function,
// except the few below, which the platform plugins print on their own and
// which say nothing about this program. A test that expects a warning says
// so with QTest::ignoreMessage(), which takes precedence. Call it from every
// test class's init(): Qt Test forgets it after each test function.

#include <QRegularExpression>
#include <QTest>

inline void failOnUnexpectedWarnings()
{
    static const QRegularExpression unexpected(
        QStringLiteral("^(?!"
                       // The offscreen platform cannot pass size hints to a window manager
                       // (it has none); every fixed-size window makes it say so.
                       "This plugin does not support propagateSizeHints\\(\\)$|"
                       // Nor can it stack windows: raise() of every window shown says so.
                       "This plugin does not support raise\\(\\)$"
                       ")"));
    QTest::failOnWarning(unexpected);
}
