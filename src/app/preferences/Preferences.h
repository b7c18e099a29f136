#pragma once

#include <QObject>
#include <QString>

class QVariant;

// Keeps the player's display options (ViewOptions) in the user settings, each
// under a key of its own beside the saved window frames, which it never
// touches. Every display option is off until the player turns it on. Beside
// them, the one option of the program itself: resuming an unfinished game, on
// until the player turns it off.
class Preferences : public QObject
{
    Q_OBJECT

public:
    // From its construction on, every change of an option is written to the
    // settings at once. A settings file that cannot be written costs the
    // remembered value, never the game.
    explicit Preferences(QObject *parent = nullptr);

    // Sets every option from the settings, writing nothing. A missing or
    // foreign value counts as off.
    void load();

    // An option's saved value: on only for a boolean true, as written.
    static bool isOn(const QVariant &value);

    // Whether a start puts back the game left unfinished: on unless the
    // settings hold false, as written.
    static bool resumesGame();
    static void setResumesGame(bool on);

private:
    void save();

    bool m_loading = false;
};
