#include "app/HelpWindow.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPointer>
#include <QStringList>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <initializer_list>

namespace
{

// Translates a text marked for lupdate with QT_TRANSLATE_NOOP where it is written.
QString translated(const char *text)
{
    return QCoreApplication::translate("Hueriddle", text);
}

// A menu command as the player finds it: its menu titles in bold, joined by arrows.
QString menuPath(std::initializer_list<const char *> titles)
{
    QStringList parts;
    for (const char *title : titles)
        parts << QStringLiteral("<b>%1</b>").arg(translated(title).toHtmlEscaped());
    return parts.join(QStringLiteral(" &gt; "));
}

QString keys(const QKeySequence &sequence)
{
    return sequence.toString(QKeySequence::NativeText);
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
    setWindowTitle(QCoreApplication::translate("Hueriddle", "Hueriddle Help"));
    setAccessibleName(windowTitle());
    setModal(false);

    m_browser->setOpenLinks(false);
    m_browser->setAccessibleName(QCoreApplication::translate("Hueriddle", "Help text"));
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
    static QPointer<HelpWindow> window;
    if (!window) {
        window = new HelpWindow(parent);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QList<HelpWindow::KeyHelp> HelpWindow::keyTable()
{
    QList<KeyHelp> table = {
        {keys(QKeySequence(Qt::CTRL | Qt::Key_N)),
         QCoreApplication::translate("Hueriddle", "New game with replacement")},
        {keys(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N)),
         QCoreApplication::translate("Hueriddle", "New game without replacement")},
        {keys(QKeySequence(Qt::CTRL | Qt::Key_C)),
         QCoreApplication::translate("Hueriddle", "Commit the active row")},
        {keys(QKeySequence(Qt::CTRL | Qt::Key_H)),
         QCoreApplication::translate("Hueriddle", "Hide both windows")},
        {keys(QKeySequence(Qt::CTRL | Qt::Key_Q)),
         QCoreApplication::translate("Hueriddle", "Quit")},
        {keys(QKeySequence(Qt::CTRL | Qt::Key_Question)),
         QCoreApplication::translate("Hueriddle", "Show this help")},
    };
    // The digit keys follow the colour codes 1 to 6.
    const char *colors[] = {
        QT_TRANSLATE_NOOP("Hueriddle", "blue"),    QT_TRANSLATE_NOOP("Hueriddle", "green"),
        QT_TRANSLATE_NOOP("Hueriddle", "cyan"),    QT_TRANSLATE_NOOP("Hueriddle", "red"),
        QT_TRANSLATE_NOOP("Hueriddle", "magenta"), QT_TRANSLATE_NOOP("Hueriddle", "yellow"),
    };
    for (int code = 1; code <= 6; ++code) {
        table.append({keys(QKeySequence(Qt::Key_0 + code)),
                      QCoreApplication::translate("Hueriddle",
                                                  "Put %1 on the first empty peg of the active row")
                          .arg(translated(colors[code - 1]))});
    }
    table.append(
        {keys(QKeySequence(Qt::Key_Backspace)),
         QCoreApplication::translate("Hueriddle", "Empty the last filled peg of the active row")});
    return table;
}

QString HelpWindow::html()
{
    QString text;
    text +=
        QStringLiteral("<h2>%1</h2>")
            .arg(QCoreApplication::translate("Hueriddle", "How to play Hueriddle").toHtmlEscaped());
    text += paragraph(QCoreApplication::translate(
                          "Hueriddle",
                          "The computer hides a secret row of four colors out of six: blue, green, "
                          "cyan, red, magenta and yellow. Find it within eight guesses.")
                          .toHtmlEscaped());
    text +=
        paragraph(QCoreApplication::translate(
                      "Hueriddle",
                      "Play starts on the top row of the board and goes down; the pegs of the "
                      "active row have a second frame. Drag a color from the %1 window onto each "
                      "of its four pegs, and drop another color on a peg to change it. When the "
                      "row is full, choose %2.")
                      .toHtmlEscaped()
                      .arg(menuPath({QT_TRANSLATE_NOOP("Hueriddle", "Palette")}),
                           menuPath({QT_TRANSLATE_NOOP("Hueriddle", "Game"),
                                     QT_TRANSLATE_NOOP("Hueriddle", "Commit")})));
    text += paragraph(
        QCoreApplication::translate(
            "Hueriddle", "Each committed row is scored beside it: a black key peg for every peg of "
                         "the right color in the right place, a white key peg for every further "
                         "color that is in the secret at another place. Four black key pegs win; "
                         "if the eighth row misses, the game is lost. Either way the secret then "
                         "shows in the answer row below the board.")
            .toHtmlEscaped());

    text += heading(QCoreApplication::translate("Hueriddle", "Two variants"));
    text += QStringLiteral("<ul><li>%1</li><li>%2</li></ul>")
                .arg(QCoreApplication::translate(
                         "Hueriddle", "%1: colors may repeat in the secret and in a guess.")
                         .toHtmlEscaped()
                         .arg(menuPath({QT_TRANSLATE_NOOP("Hueriddle", "With replacement")})),
                     QCoreApplication::translate(
                         "Hueriddle",
                         "%1: the secret has four different colors, and a guess that repeats a "
                         "color is refused.")
                         .toHtmlEscaped()
                         .arg(menuPath({QT_TRANSLATE_NOOP("Hueriddle", "Without replacement")})));
    text +=
        paragraph(QCoreApplication::translate("Hueriddle", "Start a game of either kind from %1.")
                      .toHtmlEscaped()
                      .arg(menuPath({QT_TRANSLATE_NOOP("Hueriddle", "Game"),
                                     QT_TRANSLATE_NOOP("Hueriddle", "New game")})));

    text += heading(QCoreApplication::translate("Hueriddle", "Let the computer move"));
    text += paragraph(QCoreApplication::translate(
                          "Hueriddle",
                          "%1 plays the active row for you: it puts in the first combination, in "
                          "a fixed order, that agrees with every score so far, and commits it. You "
                          "and the computer can take turns in one game.")
                          .toHtmlEscaped()
                          .arg(menuPath({QT_TRANSLATE_NOOP("Hueriddle", "Game"),
                                         QT_TRANSLATE_NOOP("Hueriddle", "Move")})));

    text += heading(QCoreApplication::translate("Hueriddle", "Keys"));
    text += paragraph(QCoreApplication::translate(
                          "Hueriddle", "The keys work whichever of the two windows is active.")
                          .toHtmlEscaped());
    text += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"4\">");
    for (const KeyHelp &row : keyTable()) {
        text += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(row.keys.toHtmlEscaped(), row.action.toHtmlEscaped());
    }
    text += QStringLiteral("</table>");
    return text;
}
