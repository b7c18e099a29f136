#include "app/InfoPanel.h"

#include "app/SingleDialog.h"
#include "app/Version.h"
#include "views/GameText.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

InfoPanel::InfoPanel(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(GameText::tr("Info Panel"));
    setAccessibleName(windowTitle());
    setModal(false);

    auto *name = new QLabel(GameText::tr("Hueriddle"), this);
    name->setObjectName(QStringLiteral("name"));
    QFont nameFont = name->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.6);
    name->setFont(nameFont);

    auto *versionLabel = new QLabel(GameText::tr("Version %1").arg(version()), this);
    versionLabel->setObjectName(QStringLiteral("version"));

    auto *description =
        new QLabel(GameText::tr("A code-breaking game: find four hidden colors out of six."), this);
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
