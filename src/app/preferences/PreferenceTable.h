#pragma once

#include "views/ViewOptions.h"

#include <QList>
#include <QString>
#include <optional>

// Every preference of the program, each stated once: the settings key that
// keeps it, its value until the player changes it, how the preferences window
// and the help name and explain it, and what it switches. The preferences
// window, the stored options (Preferences) and the help are built from it.
class PreferenceTable
{
public:
    enum class Id {
        ColorMarks,
        OutlinedKeyPegs,
        PossibleSecrets,
        ResumeGame,
    };

    struct Preference {
        Id id;
        // Where the settings file keeps it, as a boolean. Players keep their
        // files from one version to the next: a key is never renamed.
        const char *key = nullptr;
        bool defaultValue = false;
        // Source texts in the "Hueriddle" context: the check box, with its
        // mnemonic; the explanation under it; the help's line, where %1 is
        // the check box's name.
        const char *label = nullptr;
        const char *explanation = nullptr;
        const char *help = nullptr;
        // The display option it switches; none for an option of the program
        // itself, which is read from the settings where it is needed.
        std::optional<ViewOptions::Option> viewOption = std::nullopt;

        QString settingsKey() const { return QString::fromLatin1(key); }
    };

    // Every preference, in the order the window and the help list them.
    static const QList<Preference> &preferences();
    static const Preference &preference(Id id);
};
