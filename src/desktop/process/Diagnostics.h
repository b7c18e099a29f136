#pragma once

#include <QString>

// The program's lines on standard error, one format for all of them:
// "hueriddle: ", the text and a line feed, in the locale's encoding, flushed
// at once so that a line is out whole even when the program is killed right
// after it.
namespace Diagnostics
{

void printLine(const QString &line);

} // namespace Diagnostics
