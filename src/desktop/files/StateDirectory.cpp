#include "desktop/files/StateDirectory.h"

#include "desktop/files/UserSettings.h"

#include <QDir>

QString StateDirectory::path()
{
    // A relative path counts as unset, as the XDG base directory rules say.
    const QString stateHome = qEnvironmentVariable("XDG_STATE_HOME");
    if (QDir::isAbsolutePath(stateHome))
        return QDir::cleanPath(stateHome + u'/' + UserSettings::kStateDirectoryName);
    const QString home = qEnvironmentVariable("HOME");
    if (QDir::isAbsolutePath(home))
        return QDir::cleanPath(home + QStringLiteral("/.local/state/") +
                               UserSettings::kStateDirectoryName);
    return QString();
}
