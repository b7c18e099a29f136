#pragma once

#include <QDialog>
#include <QString>

// The "Info Panel...": the program's name, its version and what it is.
class InfoPanel : public QDialog
{
    Q_OBJECT

public:
    explicit InfoPanel(QWidget *parent = nullptr);

    // Shows the program's one info panel, creating it on first use, and brings
    // it to the front. The panel is deleted when closed or with its parent.
    static InfoPanel *showFor(QWidget *parent);

    // The version of this build, as the project declares it (for example "1.0.0").
    static QString version();
};
