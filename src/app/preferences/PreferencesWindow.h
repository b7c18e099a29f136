#pragma once

#include "app/preferences/PreferenceTable.h"

#include <QDialog>
#include <QHash>

class QCheckBox;

// The preferences window: one check box for each preference of the table, in
// its order. Display options apply to every view as soon as they are ticked.
// It is not modal, and each option is a check box that the keyboard (Tab,
// Space, or its Alt mnemonic) and a screen reader reach with its name and a
// description.
class PreferencesWindow : public QDialog
{
    Q_OBJECT

public:
    explicit PreferencesWindow(QWidget *parent = nullptr);

    // Shows the program's one preferences window, creating it on first use,
    // and brings it to the front. The window is deleted when closed or with
    // its parent.
    static PreferencesWindow *showFor(QWidget *parent);

    QCheckBox *checkBox(PreferenceTable::Id id) const { return m_checkBoxes.value(id); }

private:
    // Ticks the display options' boxes as the options stand, for options set
    // elsewhere.
    void showOptions();

    QHash<PreferenceTable::Id, QCheckBox *> m_checkBoxes;
};
