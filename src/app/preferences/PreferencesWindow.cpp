#include "app/preferences/PreferencesWindow.h"

#include "app/dialogs/SingleDialog.h"
#include "app/preferences/Preferences.h"
#include "views/GameText.h"
#include "views/ViewOptions.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace
{

// A check box with its explanation below it, indented under its text; the
// explanation is also its tooltip and its description for screen readers.
QCheckBox *addOption(QVBoxLayout *layout, const QString &text, const QString &explanation)
{
    auto *box = new QCheckBox(text);
    box->setToolTip(explanation);
    box->setAccessibleDescription(explanation);
    layout->addWidget(box);
    auto *label = new QLabel(explanation);
    label->setWordWrap(true);
    label->setIndent(box->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                     box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
    layout->addWidget(label);
    return box;
}

} // namespace

PreferencesWindow::PreferencesWindow(QWidget *parent) : QDialog(parent)
{
    //: Title of the preferences window.
    setWindowTitle(GameText::tr("Hueriddle Preferences"));
    setAccessibleName(windowTitle());
    setModal(false);

    auto *layout = new QVBoxLayout(this);
    for (const PreferenceTable::Preference &each : PreferenceTable::preferences()) {
        QCheckBox *box =
            addOption(layout, GameText::tr(each.label), GameText::tr(each.explanation));
        m_checkBoxes.insert(each.id, box);
        if (!each.viewOption)
            box->setChecked(Preferences::isOn(each.id));
        connect(box, &QCheckBox::toggled, this,
                [id = each.id](bool on) { Preferences::set(id, on); });
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addSpacing(8);
    layout->addWidget(buttons);

    showOptions();
    connect(&ViewOptions::instance(), &ViewOptions::changed, this, &PreferencesWindow::showOptions);

    setFixedWidth(360);
    checkBox(PreferenceTable::preferences().first().id)->setFocus();
}

PreferencesWindow *PreferencesWindow::showFor(QWidget *parent)
{
    return showSingleDialog<PreferencesWindow>(parent);
}

void PreferencesWindow::showOptions()
{
    for (const PreferenceTable::Preference &each : PreferenceTable::preferences())
        if (each.viewOption)
            checkBox(each.id)->setChecked(ViewOptions::instance().isOn(*each.viewOption));
}
