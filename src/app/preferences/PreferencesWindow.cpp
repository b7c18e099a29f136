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
    m_colorMarks =
        addOption(layout,
                  //: A check box: a black or white symbol on each coloured peg tells its
                  //: colour by shape. "&" marks the mnemonic letter.
                  GameText::tr("&Color marks"),
                  //: The explanation under the check box "Color marks".
                  GameText::tr("Every colored peg carries a black or white mark whose shape "
                               "alone tells its color."));
    m_outlinedKeyPegs = addOption(
        layout,
        //: A check box: the white key pegs of the scores get a dark outline. "&"
        //: marks the mnemonic letter.
        GameText::tr("&Outlined key pegs"),
        //: The explanation under the check box "Outlined key pegs"; an empty
        //: place is a hole of the board with no peg.
        GameText::tr("White key pegs get a dark outline, so that they stand out from empty "
                     "places."));
    m_possibleSecrets = addOption(
        layout,
        //: A preference, off by default; the count shows in the title of the board's box.
        GameText::tr("&Show how many secrets are still possible"),
        //: Explains the preference "Show how many secrets are still possible".
        GameText::tr("During a game, the board's title tells how many secrets still agree "
                     "with every scored row."));
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
    connect(m_possibleSecrets, &QCheckBox::toggled, &options, &ViewOptions::setPossibleSecrets);
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
    m_possibleSecrets->setChecked(options.possibleSecrets());
}
