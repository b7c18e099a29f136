#pragma once

// Lets Qt Test tables carry played games and history entries, and print them
// in the game notation on failure.

#include "support/GameNotation.h"

#include <QMetaType>
#include <QtTest>

Q_DECLARE_METATYPE(records::PlayedGame)
Q_DECLARE_METATYPE(records::HistoryEntry)

namespace QTest
{
template <> inline char *toString(const records::PlayedGame &game)
{
    return qstrdup(notation::text(game).c_str());
}
template <> inline char *toString(const records::HistoryEntry &entry)
{
    return qstrdup(notation::text(entry).c_str());
}
} // namespace QTest
