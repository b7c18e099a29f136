#include "desktop/files/ProgramFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace
{

// The program's folder in the base directory that `variable` names when it is
// an absolute path (a relative one counts as unset, as the rules say), else
// in `underHome` below $HOME; empty when HOME is no absolute path either.
// Qt 6.4 takes a relative XDG_DATA_HOME as it stands and an unset HOME as
// "/", so neither directory is left to QStandardPaths.
QString programFolderIn(const char *variable, const QString &underHome)
{
    const QString base = qEnvironmentVariable(variable);
    if (QDir::isAbsolutePath(base))
        return QDir::cleanPath(base + u'/' + ProgramFolders::kName);
    const QString home = qEnvironmentVariable("HOME");
    if (QDir::isAbsolutePath(home))
        return QDir::cleanPath(home + u'/' + underHome + u'/' + ProgramFolders::kName);
    return QString();
}

} // namespace

QString ProgramFolders::stateDirectory()
{
    return programFolderIn("XDG_STATE_HOME", QStringLiteral(".local/state"));
}

QString ProgramFolders::dataDirectory()
{
    return programFolderIn("XDG_DATA_HOME", QStringLiteral(".local/share"));
}

QStringList ProgramFolders::foundInDataDirectories(const QString &subfolder)
{
    return QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, kName + u'/' + subfolder,
                                     QStandardPaths::LocateDirectory);
}
