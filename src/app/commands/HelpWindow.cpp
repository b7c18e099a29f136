#include "app/commands/HelpWindow.h"

#include "app/commands/CommandTable.h"
#include "app/dialogs/SingleDialog.h"
#include "app/preferences/PreferenceTable.h"
#include "views/GameText.h"

#include <QDialogButtonBox>
#include <QStringList>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <initializer_list>

namespace
{

// A menu command as the player finds it: its menu titles in bold, joined by arrows.
QString menuPath(std::initializer_list<const char *> titles)
{
    QStringList parts;
    for (const char *title : titles)
        parts << QStringLiteral("<b>%1</b>").arg(GameText::tr(title).toHtmlEscaped());
    return parts.join(QStringLiteral(" &gt; "));
}

// An option as the preferences window names it, in bold, without its mnemonic.
QString optionName(const char *label)
{
    return QStringLiteral("<b>%1</b>")
        .arg(GameText::tr(label).remove(QLatin1Char('&')).toHtmlEscaped());
}

QString paragraph(const QString &html)
{
    return QStringLiteral("<p>%1</p>").arg(html);
}

QString heading(const QString &text)
{
    return QStringLiteral("<h3>%1</h3>").arg(text.toHtmlEscaped());
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent) : QDialog(parent), m_browser(new QTextBrowser(this))
{
    setWindowTitle(
        //: Title of the help window.
        GameText::tr("Hueriddle Help"));
    setAccessibleName(windowTitle());
    setModal(false);

    m_browser->setOpenLinks(false);
    m_browser->setAccessibleName(
        //: Read by screen readers: the help window's text.
        GameText::tr("Help text"));
    m_browser->setHtml(html());

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addWidget(buttons);
    resize(520, 620);
}

HelpWindow *HelpWindow::showFor(QWidget *parent)
{
    return showSingleDialog<HelpWindow>(parent);
}

QList<HelpWindow::KeyHelp> HelpWindow::keyTable()
{
    QList<KeyHelp> table;
    for (const CommandTable::Command &command : CommandTable::commands()) {
        if (command.help && !command.keys.isEmpty())
            table.append({command.keys.first().toString(QKeySequence::NativeText),
                          CommandTable::helpLine(command)});
    }
    return table;
}

QString HelpWindow::html()
{
    QString text;
    text += QStringLiteral("<h2>%1</h2>")
                .arg(
                    //: The help's main heading.
                    GameText::tr("How to play Hueriddle").toHtmlEscaped());
    text += paragraph(
        //: The help's first paragraph. The colours are listed in their codes'
        //: order; a guess is one row the player commits.
        GameText::tr("The computer hides a secret row of four colors out of six: blue, green, "
                     "cyan, red, magenta and yellow. Find it within eight guesses.")
            .toHtmlEscaped());
    text += paragraph(
        //: %1 is the palette window's title, %2 the menu path of the Commit
        //: command ("Game > Commit"), both in bold. The "pegs" of the active row
        //: are its four places; "second frame": the active row's places are drawn
        //: with a second ring.
        GameText::tr("Play starts on the top row of the board and goes down; the pegs of the "
                     "active row have a second frame. Drag a color from the %1 window onto each "
                     "of its four pegs, and drop another color on a peg to change it. When the "
                     "row is full, choose %2.")
            .toHtmlEscaped()
            .arg(menuPath({QT_TRANSLATE_NOOP("Hueriddle", "Palette")}),
                 menuPath({QT_TRANSLATE_NOOP("Hueriddle", "Game"),
                           QT_TRANSLATE_NOOP("Hueriddle", "Commit")})));
    text += paragraph(
        //: %1 is the palette window's title in bold. Both windows' places are
        //: kept from one start to the next.
        GameText::tr("The %1 window opens beside the board and stays above it. Move either "
                     "window where you like: both open there again at the next start.")
            .toHtmlEscaped()
            .arg(menuPath({QT_TRANSLATE_NOOP("Hueriddle", "Palette")})));
    text += paragraph(
        //: How a row is scored; key pegs are the small black and white pegs
        //: beside each row.
        GameText::tr("Each committed row is scored beside it: a black key peg for every peg of "
                     "the right color in the right place, a white key peg for every further "
                     "color that is in the secret at another place. Four black key pegs win; "
                     "if the eighth row misses, the game is lost. Either way the secret then "
                     "shows in the answer row below the board.")
            .toHtmlEscaped());

    text += heading(
        //: A heading of the help.
        GameText::tr("Two variants"));
    //: %1 is the menu item "With replacement", in bold.
    const QString withReplacement =
        GameText::tr("%1: colors may repeat in the secret and in a guess.")
            .toHtmlEscaped()
            .arg(menuPath({QT_TRANSLATE_NOOP("Hueriddle", "With replacement")}));
    //: %1 is the menu item "Without replacement", in bold.
    const QString withoutReplacement =
        GameText::tr("%1: the secret has four different colors, and a guess that repeats a "
                     "color is refused.")
            .toHtmlEscaped()
            .arg(menuPath({QT_TRANSLATE_NOOP("Hueriddle", "Without replacement")}));
    text +=
        QStringLiteral("<ul><li>%1</li><li>%2</li></ul>").arg(withReplacement, withoutReplacement);
    text += paragraph(
        //: %1 is the menu path "Game > New game", in bold.
        GameText::tr("Start a game of either kind from %1.")
            .toHtmlEscaped()
            .arg(menuPath({QT_TRANSLATE_NOOP("Hueriddle", "Game"),
                           QT_TRANSLATE_NOOP("Hueriddle", "New game")})));

    text += heading(
        //: A heading of the help, about the Move command.
        GameText::tr("Let the computer move"));
    text += paragraph(
        //: %1 is the menu path of the Move command ("Game > Move"), in bold.
        GameText::tr("%1 plays the active row for you: it puts in the first combination, in "
                     "a fixed order, that agrees with every score so far, and commits it. You "
                     "and the computer can take turns in one game.")
            .toHtmlEscaped()
            .arg(menuPath(
                {QT_TRANSLATE_NOOP("Hueriddle", "Game"), QT_TRANSLATE_NOOP("Hueriddle", "Move")})));

    text += heading(
        //: A heading of the help, about the preferences window.
        GameText::tr("Preferences"));
    text += paragraph(
        //: %1 is the menu path "Info > Preferences...", in bold.
        GameText::tr("%1 has the options below. They apply at once and are kept for the "
                     "next start.")
            .toHtmlEscaped()
            .arg(menuPath({QT_TRANSLATE_NOOP("Hueriddle", "Info"),
                           QT_TRANSLATE_NOOP("Hueriddle", "Preferences...")})));
    QString options;
    for (const PreferenceTable::Preference &each : PreferenceTable::preferences())
        options += QStringLiteral("<li>%1</li>")
                       .arg(GameText::tr(each.help).toHtmlEscaped().arg(optionName(each.label)));
    text += QStringLiteral("<ul>%1</ul>").arg(options);

    text += heading(
        //: A heading of the help, about the statistics window.
        GameText::tr("Statistics"));
    text += paragraph(
        //: %1 is the menu path "Info > Statistics...", in bold.
        GameText::tr("Every game that ends is kept in the history of your games. %1 shows, for "
                     "each variant, the games played, won, lost and abandoned, the win rate, "
                     "the winning streaks, the average rows of a win and the wins without "
                     "Move, with a chart of wins by the number of rows beside the losses; and it "
                     "looks back at the last game row by row. Reset statistics moves the "
                     "history aside into a file of its own; nothing is deleted.")
            .toHtmlEscaped()
            .arg(menuPath({QT_TRANSLATE_NOOP("Hueriddle", "Info"),
                           QT_TRANSLATE_NOOP("Hueriddle", "Statistics...")})));
    text += paragraph(
        //: Help text on the tooltips of the scores once a game is over.
        GameText::tr("Once a game is over, each score's tooltip tells how many "
                     "secrets were still possible before and after its row, and "
                     "whether the row's guess could have been the secret.")
            .toHtmlEscaped());

    text += heading(
        //: A heading of the help, over the table of keys.
        GameText::tr("Keys"));
    text += paragraph(
        //: The two windows: the board and the palette.
        GameText::tr("The keys work whichever of the two windows is active.").toHtmlEscaped());
    text += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"4\">");
    for (const KeyHelp &row : keyTable()) {
        text += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(row.keys.toHtmlEscaped(), row.action.toHtmlEscaped());
    }
    text += QStringLiteral("</table>");
    return text;
}
