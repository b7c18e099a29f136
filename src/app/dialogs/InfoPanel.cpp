#include "app/dialogs/InfoPanel.h"

#include "app/Version.h"
#include "app/dialogs/SingleDialog.h"
#include "views/GameText.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

InfoPanel::InfoPanel(QWidget *parent) : QDialog(parent)
{
    //: Title of the about window, opened from Info > Info Panel...
    setWindowTitle(GameText::tr("Info Panel"));
    setAccessibleName(windowTitle());
    setModal(false);

    //: The program's name, shown large in the about window.
    auto *name = new QLabel(GameText::tr("Hueriddle"), this);
    name->setObjectName(QStringLiteral("name"));
    QFont nameFont = name->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.6);
    name->setFont(nameFont);

    //: %1 is the version number, such as 1.0.0.
    auto *versionLabel = new QLabel(GameText::tr("Version %1").arg(version()), this);
    versionLabel->setObjectName(QStringLiteral("version"));

    auto *description = new QLabel(
        //: The about window's one-line description of the game; the desktop
        //: entry's GenericName says the same ("Code-Breaking Game").
        GameText::tr("A code-breaking game: find four hidden colors out of six."), this);
    description->setObjectName(QStringLiteral("description"));

    for (QLabel *label : {name, versionLabel, description}) {
        label->setAlignment(Qt::AlignHCenter);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    layout->setContentsMargins(24, 20, 24, 12);
    layout->addWidget(name);
    layout->addWidget(versionLabel);
    layout->addWidget(description);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

InfoPanel *InfoPanel::showFor(QWidget *parent)
{
    return showSingleDialog<InfoPanel>(parent);
}

QString InfoPanel::version()
{
    return QString::fromLatin1(kHueriddleVersion);
}
