#include "app/InfoPanel.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

#ifndef HUERIDDLE_VERSION
#error "HUERIDDLE_VERSION must be defined by the build (the CMake project version)"
#endif

InfoPanel::InfoPanel(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QCoreApplication::translate("Hueriddle", "Info Panel"));
    setAccessibleName(windowTitle());
    setModal(false);

    auto *name = new QLabel(QCoreApplication::translate("Hueriddle", "Hueriddle"), this);
    name->setObjectName(QStringLiteral("name"));
    QFont nameFont = name->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.6);
    name->setFont(nameFont);

    auto *versionLabel =
        new QLabel(QCoreApplication::translate("Hueriddle", "Version %1").arg(version()), this);
    versionLabel->setObjectName(QStringLiteral("version"));

    auto *description =
        new QLabel(QCoreApplication::translate(
                       "Hueriddle", "A code-breaking game: find four hidden colors out of six."),
                   this);
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
    static QPointer<InfoPanel> panel;
    if (!panel) {
        panel = new InfoPanel(parent);
        panel->setAttribute(Qt::WA_DeleteOnClose);
    }
    panel->show();
    panel->raise();
    panel->activateWindow();
    return panel;
}

QString InfoPanel::version()
{
    return QStringLiteral(HUERIDDLE_VERSION);
}
