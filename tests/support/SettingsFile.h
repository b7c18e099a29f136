#pragma once

#include <QString>

// Where the program keeps its settings when the user's configuration directory
// (XDG_CONFIG_HOME, or QSettings' user path) is `configHome`: QSettings' file
// for organization and application "Hueriddle". Written out here rather than
// taken from UserSettings, so that renaming either, which would lose every
// player's settings, fails the tests.

inline QString settingsDirectoryIn(const QString &configHome)
{
    return configHome + QStringLiteral("/Hueriddle");
}

inline QString settingsFileIn(const QString &configHome)
{
    return settingsDirectoryIn(configHome) + QStringLiteral("/Hueriddle.conf");
}
