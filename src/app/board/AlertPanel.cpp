#include "app/board/AlertPanel.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

void AlertPanel::run(QWidget *parent, const QString &title, const QString &message,
                     const QString &button)
{
    QMessageBox box(QMessageBox::NoIcon, title, message, QMessageBox::NoButton, parent);
    QPushButton *ok = box.addButton(button, QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    // A window manager draws the title in a bar as wide as the alert, beside
    // its icon and buttons, and cuts a title that does not fit; the message
    // box itself sizes to its message alone. A bold line of the title's text
    // plus room for the bar's icon and three buttons keeps the title whole.
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const QFontMetrics titleMetrics(titleFont);
    const int decorations = 8 * titleMetrics.height();
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(titleMetrics.horizontalAdvance(title) + decorations, 0,
                                      QSizePolicy::Fixed, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    box.exec();
}
