#pragma once

#include <QString>
#include <QStringList>

// The program's folders, each named kName, under the user's XDG base
// directories (freedesktop.org's base directory rules).
namespace ProgramFolders
{

inline const QString kName = QStringLiteral("hueriddle");

// Where the program keeps what a player would lose with it (the unfinished
// game): $XDG_STATE_HOME/hueriddle when XDG_STATE_HOME is an absolute path
// (a relative one counts as unset, as the rules say), else
// $HOME/.local/state/hueriddle; empty when HOME is no absolute path either.
// Whether or not it exists.
QString stateDirectory();

// Where the program keeps its data (the history of games), by the same rule:
// $XDG_DATA_HOME/hueriddle, else $HOME/.local/share/hueriddle, else empty.
// Whether or not it exists.
QString dataDirectory();

// `subfolder` of the program's folder in each data directory where it
// exists: $XDG_DATA_HOME's first, then those of $XDG_DATA_DIRS in order.
QStringList foundInDataDirectories(const QString &subfolder);

} // namespace ProgramFolders
