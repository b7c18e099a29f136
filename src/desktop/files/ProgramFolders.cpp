#include "desktop/files/ProgramFolders.h"

#include <QDir>
#include <QStandardPaths>

QString ProgramFolders::stateDirectory()
{
    const QString stateHome = qEnvironmentVariable("XDG_STATE_HOME");
    if (QDir::isAbsolutePath(stateHome))
        return QDir::cleanPath(stateHome + u'/' + kName);
    const QString home = qEnvironmentVariable("HOME");
    if (QDir::isAbsolutePath(home))
        return QDir::cleanPath(home + QStringLiteral("/.local/state/") + kName);
    return QString();
}

QString ProgramFolders::dataDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u'/' + kName;
}

QStringList ProgramFolders::foundInDataDirectories(const QString &subfolder)
{
    return QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, kName + u'/' + subfolder,
                                     QStandardPaths::LocateDirectory);
}
