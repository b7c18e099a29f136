#pragma once

// Lets Qt Test tables carry combinations and print them on failure.

#include "rules/Combination.h"

#include <QMetaType>
#include <QtTest>

Q_DECLARE_METATYPE(rules::Combination)

inline QString describe(const rules::Combination &combination)
{
    return QStringLiteral("(%1, %2, %3, %4)")
        .arg(combination[0])
        .arg(combination[1])
        .arg(combination[2])
        .arg(combination[3]);
}

namespace QTest
{
template <> inline char *toString(const rules::Combination &combination)
{
    return QTest::toString(describe(combination));
}
} // namespace QTest
