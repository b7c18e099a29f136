#include "views/CellView.h"

#include "views/AccessibleView.h"
#include "views/Bevel.h"
#include "views/GameText.h"
#include "views/ViewOptions.h"

CellView::CellView(QPointF lowerLeft, QWidget *parent) : QWidget(parent)
{
    setFixedSize(kSize, kSize);
    placeAtLowerLeft(*this, lowerLeft);
    AccessibleView::installFactory();
    // The display options change how every peg and score looks.
    connect(&ViewOptions::instance(), &ViewOptions::changed, this, [this] { requestRepaint(); });
}

void CellView::setAccessibleLabel(const QString &label)
{
    m_accessibleLabel = label;
    AccessibleView::notifyChanged(this);
}

QString CellView::accessibleText() const
{
    const QString shown = shownText();
    return m_accessibleLabel.isEmpty()
               ? shown
               //: Read by screen readers: a peg's label, then its colour or a score
               //: ("Row 1, position 2: red").
               : GameText::tr("%1: %2").arg(m_accessibleLabel, shown);
}

void CellView::requestRepaint()
{
    update();
}
