#pragma once

#include "app/preferences/PreferenceTable.h"

#include <QObject>

class QVariant;

// Keeps the player's preferences (PreferenceTable) in the user settings, each
// under its own key beside the saved window frames, which it never touches.
// A display option lives in ViewOptions while the program runs and is written
// whenever it changes; an option of the program itself is read from the
// settings where it is needed and written when it is set.
class Preferences : public QObject
{
    Q_OBJECT

public:
    // From its construction on, every change of a display option is written
    // to the settings at once. A settings file that cannot be written costs
    // the remembered value, never the game.
    explicit Preferences(QObject *parent = nullptr);

    // Sets every display option from the settings, writing nothing.
    void load();

    // A saved value as written: a boolean, or the text "true" or "false";
    // anything else, or nothing, is `defaultValue`.
    static bool valueOf(const QVariant &value, bool defaultValue);

    static bool isOn(PreferenceTable::Id id);
    // Switches the display option, or writes the program's option.
    static void set(PreferenceTable::Id id, bool on);

private:
    void save();

    bool m_loading = false;
};
