#pragma once

#include <QDialog>

class QCheckBox;

// The preferences window: display options, all off by default, that
// apply to every view as soon as they are ticked, and whether a start resumes
// an unfinished game, on by default. It is not modal, and each
// option is a check box that the keyboard (Tab, Space, or its Alt mnemonic)
// and a screen reader reach with its name and a description.
class PreferencesWindow : public QDialog
{
    Q_OBJECT

public:
    explicit PreferencesWindow(QWidget *parent = nullptr);

    // Shows the program's one preferences window, creating it on first use,
    // and brings it to the front. The window is deleted when closed or with
    // its parent.
    static PreferencesWindow *showFor(QWidget *parent);

    QCheckBox *colorMarks() const { return m_colorMarks; }
    QCheckBox *outlinedKeyPegs() const { return m_outlinedKeyPegs; }
    QCheckBox *possibleSecrets() const { return m_possibleSecrets; }
    QCheckBox *resumeGame() const { return m_resumeGame; }

private:
    // Ticks the boxes as the options stand, for options set elsewhere.
    void showOptions();

    QCheckBox *m_colorMarks;
    QCheckBox *m_outlinedKeyPegs;
    QCheckBox *m_possibleSecrets;
    QCheckBox *m_resumeGame;
};
