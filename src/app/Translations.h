#pragma once

#include <QLocale>
#include <QStringList>

// Finds and installs the program's translation for a locale. A translation is
// a file hueriddle_<language>.qm (hueriddle_de.qm, hueriddle_pt_BR.qm, ...);
// none ships with the program, so by default the English texts show.
class Translations
{
public:
    // The directories searched, in order: next to the executable, its
    // translations subdirectory, the installed data directory relative to the
    // executable (for a package installed under another prefix) and the data
    // directory of the configured installation prefix.
    static QStringList searchPaths();

    // Replaces the translators installed by an earlier call with the best
    // translation for `locale` in the first of `directories` that holds one,
    // together with Qt's own translation for the same locale when it exists.
    // Returns whether a translation of the program was installed; if not, the
    // program shows its English texts. Needs a QCoreApplication.
    static bool install(const QLocale &locale = QLocale::system(),
                        const QStringList &directories = searchPaths());
};
