#include "app/PreferencesWindow.h"

#include "app/Preferences.h"
#include "app/SingleDialog.h"
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
    setWindowTitle(GameText::tr("Hueriddle Preferences"));
    setAccessibleName(windowTitle());
    setModal(false);

    auto *layout = new QVBoxLayout(this);
    m_colorMarks =
        addOption(layout, GameText::tr("&Color marks"),
                  GameText::tr("Every colored peg carries a black or white mark whose shape "
                               "alone tells its color."));
    m_outlinedKeyPegs = addOption(
        layout, GameText::tr("&Outlined key pegs"),
        GameText::tr("White key pegs get a dark outline, so that they stand out from empty "
                     "places."));
    m_resumeGame = addOption(
        layout,
        //: A preference, on by default: the game left unfinished comes back at the next start.
        GameText::tr("&Resume an unfinished game"),
        //: Explains the preference "Resume an unfinished game".
        GameText::tr("A game left unfinished when the program ends comes back as it was at the "
                     "next start; otherwise every start begins a new game."));
    m_resumeGame->setChecked(Preferences::resumesGame());
    connect(m_resumeGame, &QCheckBox::toggled, this, &Preferences::setResumesGame);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addSpacing(8);
    layout->addWidget(buttons);

    showOptions();
    ViewOptions &options = ViewOptions::instance();
    connect(m_colorMarks, &QCheckBox::toggled, &options, &ViewOptions::setColorMarks);
    connect(m_outlinedKeyPegs, &QCheckBox::toggled, &options, &ViewOptions::setOutlinedKeyPegs);
    connect(&options, &ViewOptions::changed, this, &PreferencesWindow::showOptions);

    setFixedWidth(360);
    m_colorMarks->setFocus();
}

PreferencesWindow *PreferencesWindow::showFor(QWidget *parent)
{
    return showSingleDialog<PreferencesWindow>(parent);
}

void PreferencesWindow::showOptions()
{
    const ViewOptions &options = ViewOptions::instance();
    m_colorMarks->setChecked(options.colorMarks());
    m_outlinedKeyPegs->setChecked(options.outlinedKeyPegs());
}
