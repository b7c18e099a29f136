#include "desktop/process/Diagnostics.h"

#include <cstdio>

void Diagnostics::printLine(const QString &line)
{
    std::fputs((QStringLiteral("hueriddle: ") + line).toLocal8Bit().append('\n').constData(),
               stderr);
    std::fflush(stderr);
}
