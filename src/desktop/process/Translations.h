#pragma once

#include <QLocale>
#include <QStringList>

// Finds and installs the program's translation for a locale. A translation is
// a file hueriddle_<language>.qm (hueriddle_de.qm, hueriddle_pt_BR.qm, ...).
// Nothing of the configured installation prefix is compiled in: the files are
// looked up relative to the running program and in the standard data
// directories, so the same build works wherever it is installed.
class Translations
{
public:
    // The directories searched, in order: next to the executable, its
    // translations subdirectory (the build tree), the installed data directory
    // relative to the executable (hueriddle/translations under the data
    // directory beside bin or games), then hueriddle/translations in each
    // standard data directory ($XDG_DATA_HOME, $XDG_DATA_DIRS) that has one.
    static QStringList searchPaths();

    // Replaces the translators installed by an earlier call with the best
    // translation for `locale` in the first of `directories` that holds one,
    // together with Qt's own translation for the same locale (standard
    // buttons, key names) from `qtDirectory` when it is there (Debian's
    // qt6-translations-l10n). Returns whether a translation of the program was
    // installed; if not, the program shows its English texts. Without Qt's
    // translation the program's own texts are still translated. Needs a
    // QCoreApplication.
    static bool install(const QLocale &locale = QLocale::system(),
                        const QStringList &directories = searchPaths(),
                        const QString &qtDirectory = qtTranslationsPath());

    // Where Qt keeps its own translations, qtbase_<language>.qm.
    static QString qtTranslationsPath();
};
