#pragma once

#include <QString>

// Where the program keeps what a player would lose with it: the XDG state
// directory, as freedesktop.org's base directory rules define it ($XDG_STATE_HOME
// when it is an absolute path, else $HOME/.local/state), then "hueriddle".
// Qt 6.4 names no such location, so it is resolved here.
namespace StateDirectory
{

// The directory, whether or not it exists; empty when neither variable gives
// an absolute path.
QString path();

} // namespace StateDirectory
