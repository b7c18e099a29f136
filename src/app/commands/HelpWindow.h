#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QTextBrowser;

// The help window: how to play, the two variants, dragging, committing, the
// computer's move, and a table of every key. It is not modal, so the player
// can keep it open beside the board.
class HelpWindow : public QDialog
{
    Q_OBJECT

public:
    // One row of the key table: the keys as the menus show them, and what they do.
    struct KeyHelp {
        QString keys;
        QString action;
    };

    explicit HelpWindow(QWidget *parent = nullptr);

    // Shows the program's one help window, creating it on first use, and brings
    // it to the front. The window is deleted when closed or with its parent.
    static HelpWindow *showFor(QWidget *parent);

    // Every key of the game and its action, in the order the table lists them:
    // the commands of CommandTable that have a line of help.
    static QList<KeyHelp> keyTable();
    // The whole help as rich text, from the translated texts.
    static QString html();

    QTextBrowser *browser() const { return m_browser; }

private:
    QTextBrowser *m_browser;
};
