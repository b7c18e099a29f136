#include "desktop/process/Translations.h"

#include "desktop/InstallLayout.h"
#include "desktop/files/ProgramFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <memory>

namespace
{

QPointer<QTranslator> programTranslator;
QPointer<QTranslator> qtTranslator;

void removeTranslator(QPointer<QTranslator> &translator)
{
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

} // namespace

QStringList Translations::searchPaths()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    QStringList paths = {
        programDir,
        programDir + QStringLiteral("/translations"),
        programDir + QLatin1Char('/') + QString::fromLatin1(kTranslationsFromBinDir),
    };
    paths += ProgramFolders::foundInDataDirectories(QStringLiteral("translations"));
    for (QString &path : paths)
        path = QDir::cleanPath(path);
    paths.removeDuplicates();
    return paths;
}

QString Translations::qtTranslationsPath()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool Translations::install(const QLocale &locale, const QStringList &directories,
                           const QString &qtDirectory)
{
    removeTranslator(programTranslator);
    removeTranslator(qtTranslator);

    auto *app = QCoreApplication::instance();
    if (!app)
        return false;

    auto translator = std::make_unique<QTranslator>(app);
    bool found = false;
    for (const QString &directory : directories) {
        if (translator->load(locale, QStringLiteral("hueriddle"), QStringLiteral("_"), directory)) {
            found = true;
            break;
        }
    }
    if (!found)
        return false;
    QCoreApplication::installTranslator(translator.get());
    programTranslator = translator.release();

    // Qt's own texts (standard buttons, key names) follow the program's language.
    auto qt = std::make_unique<QTranslator>(app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), qtDirectory)) {
        QCoreApplication::installTranslator(qt.get());
        qtTranslator = qt.release();
    }
    return true;
}
